#!/usr/bin/env bash
# Runs the real program in an X server with a tray: start playback with the
# mouse, read the lamps from screenshots, stop, check they go dark, and leave
# through the tray icon's menu.
#   play_and_stop.sh PATH_TO_LAMPOTRON
set -euo pipefail

if [ "${1:-}" != "--inside-x" ]; then
  for tool in xvfb-run xdotool import convert trayer; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 1; }
  done
  exec xvfb-run -a -s "-screen 0 800x600x24" bash "$0" --inside-x "$@"
fi
program=$2

work=$(mktemp -d)
trap 'kill "$pid" "$tray_host" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$program" "$work/lampotron"
printf '10101010\r\n' > "$work/Data.inf"
mkdir -p "$work/config/Lampotron"
printf '[Setting]\nSpeed=50\n' > "$work/config/Lampotron/Lampotron.conf"

# Without a session bus Qt docks its icon in the XEmbed tray that trayer offers.
unset DBUS_SESSION_BUS_ADDRESS
trayer --edge top --align right --widthtype pixel --width 48 --height 32 --SetDockType false &
tray_host=$!
sleep 0.5
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
# The icon is the program's small window docked in the 32-pixel tray.
found=
for window in $(xdotool search --pid "$pid" --name '^Lampotron$'); do
  eval "$(xdotool getwindowgeometry --shell --prefix ICON_ "$window")"
  if [ "$ICON_WIDTH" -gt 1 ] && [ "$ICON_HEIGHT" -le 32 ]; then found=$window; break; fi
done
[ -n "$found" ] || { echo "FAIL: no tray icon" >&2; exit 1; }
xdotool mousemove $((ICON_X + ICON_WIDTH / 2)) $((ICON_Y + ICON_HEIGHT / 2))
xdotool click 1   # a left click on the icon does nothing
sleep 0.3
kill -0 "$pid" || { echo "FAIL: a left click on the tray icon ended the program" >&2; exit 1; }
xdotool mousedown 3
sleep 0.5
xdotool mouseup 3
xdotool key Down Down Return   # Close, below Output
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { echo "FAIL: Close in the tray menu did not end the program" >&2; exit 1; }
status=0
wait "$pid" || status=$?
echo "left through the tray menu, exit code $status"
[ "$status" -eq 0 ]
