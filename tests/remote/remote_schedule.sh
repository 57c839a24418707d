#!/usr/bin/env bash
# The schedule on the page as a first-time user on a phone uses it: in
# headless Chromium at 360 px (remote_schedule.py) adds "on at sunset, off at
# 23:00" with the phone's location, against the real program with --play
# beside a private olad; takes screenshots.
#   remote_schedule.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE LIBRARY SCREENSHOT_DIR   (beside a private olad)
set -Eeuo pipefail
shots=$4 here=$(dirname "$0")
# shellcheck source=page_beside_player.sh
. "$here/page_beside_player.sh" "$1"
mkdir -p "$shots"

start_player
TMPDIR="$work" /usr/bin/python3 "$here/remote_schedule.py" "$url" "$shots" || fail "the page, above"
grep -q '^Entry1="\?on=sunset off=23:00"\?$' "$work/config/Lampotron/Lampotron.conf" \
  || fail "the settings do not hold Entry1=on=sunset off=23:00: $(cat "$work/config/Lampotron/Lampotron.conf")"
grep -q 'Waiting for the schedule\|Playing by the schedule\|Stopped by the schedule' "$work/lampotron.log" \
  || fail "the player did not take up the new schedule at once"
echo "screenshots in $shots"
echo PASS
