#!/usr/bin/env bash
# The schedule on the page as a first-time user on a phone uses it: in
# headless Chromium at 360 px (remote_schedule.py) adds "on at sunset, off at
# 23:00" with the phone's location, against the real program with --play
# beside a private olad; takes screenshots.
#   remote_schedule.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE LIBRARY SCREENSHOT_DIR   (beside a private olad)
set -Eeuo pipefail
for tool in chromium chromedriver; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: missing $tool (scripts/setup.sh test installs it)" >&2; exit 77; }
done
/usr/bin/python3 -c 'import selenium' 2>/dev/null || { echo "SKIPPED: missing python3-selenium" >&2; exit 77; }
work=$(mktemp -d) shots=$4 here=$(dirname "$0")
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; cat "$work/lampotron.log" >&2 || true; exit 1; }
trap 'fail "line $LINENO: \"$BASH_COMMAND\" ended with $?"' ERR
mkdir -p "$work/config/Lampotron" "$shots"
printf '[Setting]\nSpeed=50\nPort=ola:%d\n' "$OLA_UNIVERSE" > "$work/config/Lampotron/Lampotron.conf"
cp "$1" "$work/lampotron"
printf '11000000\r\n00110000\r\n' > "$work/Data.inf"
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work"
lampotron=("$work/lampotron" --remote 127.0.0.1:8080)
url=$(env -u DISPLAY "${lampotron[@]}" --remote-url)

env -u DISPLAY "${lampotron[@]}" --play 2> "$work/lampotron.log" &
for _ in $(seq 300); do (: </dev/tcp/127.0.0.1/8080) 2>/dev/null && break; sleep 0.1; done
(: </dev/tcp/127.0.0.1/8080) 2>/dev/null || fail "the remote did not listen on 127.0.0.1:8080 within 30 s"
TMPDIR="$work" /usr/bin/python3 "$here/remote_schedule.py" "$url" "$shots" || fail "the page, above"
grep -q '^Entry1="\?on=sunset off=23:00"\?$' "$work/config/Lampotron/Lampotron.conf" \
  || fail "the settings do not hold Entry1=on=sunset off=23:00: $(cat "$work/config/Lampotron/Lampotron.conf")"
grep -q 'Waiting for the schedule\|Playing by the schedule\|Stopped by the schedule' "$work/lampotron.log" \
  || fail "the player did not take up the new schedule at once"
echo "screenshots in $shots"
echo PASS
