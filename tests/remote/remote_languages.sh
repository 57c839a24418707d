#!/usr/bin/env bash
# The page in English and in German as a phone asks for it (Accept-Language),
# in headless Chromium at 360 px (remote_languages.py), against the real
# program with --play; takes a screenshot in each.
#   remote_languages.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE LIBRARY SCREENSHOT_DIR   (beside a private olad)
set -Eeuo pipefail
shots=$4 here=$(dirname "$0")
# shellcheck source=page_beside_player.sh
. "$here/page_beside_player.sh" "$1"
mkdir -p "$shots"

start_player
TMPDIR="$work" /usr/bin/python3 "$here/remote_languages.py" "$url" "$shots" || fail "the page, above"
echo "screenshots in $shots"
echo PASS
