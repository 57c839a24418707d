#!/usr/bin/env bash
# Runs the real program in an X server: start playback with the mouse, read
# the lamps from screenshots, stop, check they go dark, and leave.
#   play_and_stop.sh PATH_TO_LAMPOTRON
set -euo pipefail

if [ "${1:-}" != "--inside-x" ]; then
  for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 1; }
  done
  exec xvfb-run -a -s "-screen 0 800x600x24" bash "$0" --inside-x "$@"
fi
program=$2

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$program" "$work/lampotron"
printf '10101010\r\n' > "$work/Data.inf"
mkdir -p "$work/config/Lampotron"
printf '[Setting]\nSpeed=50\n' > "$work/config/Lampotron/Lampotron.conf"

QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "$work/lampotron" &
pid=$!
window=$(timeout 20 xdotool search --sync --name Flickwerk | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"   # sets X and Y

# Positions inside the window, in pixels (15 twips each).
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }
lamps() {
  import -window root "$work/shot.png"
  local k colour text=""
  for k in 0 1 2 3 4 5 6 7; do
    colour=$(convert "$work/shot.png" -crop "1x1+$((X + 137 + 24 * k))+$((Y + 20))" txt:- | grep -o '#[0-9A-F]\{6\}')
    case $colour in
      '#00FF00') text+=1 ;;
      '#000000') text+=0 ;;
      *) text+='?' ;;
    esac
  done
  echo "$text"
}
expect_lamps() {
  local seen
  seen=$(lamps)
  echo "$1: lamps $seen"
  [ "$seen" = "$2" ] || { echo "FAIL: expected $2" >&2; exit 1; }
}

sleep 0.5
expect_lamps "after start-up" 00000000
click 60 39    # start
sleep 1
expect_lamps "while playing" 10101010
click 60 61    # stop
sleep 0.5
expect_lamps "after stop" 00000000
click 387 81   # exit
status=0
wait "$pid" || status=$?
echo "exit code $status"
[ "$status" -eq 0 ]
