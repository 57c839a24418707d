#!/usr/bin/env bash
# The step editor as a phone uses it: draws a pattern with taps in headless
# Chromium (remote_patterns.py), saves it, plays it alone with --play and its
# remote beside a private olad with a listener, and checks the DMX frames'
# order and times; also takes the editor's screenshots.
#   remote_patterns.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE LIBRARY SCREENSHOT_DIR   (beside a private olad)
set -Eeuo pipefail
probe=$2 shots=$4 here=$(dirname "$0")
# shellcheck source=page_beside_player.sh
. "$here/page_beside_player.sh" "$1" "$3"
mkdir -p "$shots"

listen heard
start_player
TMPDIR="$work" /usr/bin/python3 "$here/remote_patterns.py" "$url" "$work/heard.frames" "$shots" || fail "the page, above"
stop_listening
echo "screenshots in $shots"
echo PASS
