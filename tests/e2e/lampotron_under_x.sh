#!/usr/bin/env bash
# Runs the real program in an X server with a tray, beside a private olad with
# a listener, as a user would: plays and stops with the mouse and reads the
# lamps from screenshots; then ends it every way there is (exit button, tray
# menu, SIGTERM, SIGINT, SIGHUP), each must leave code 0 and the last DMX frame
# dark; then stops olad under it and expects the "Port lost" box.
#   lampotron_under_x.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE LIBRARY   (beside a private olad)
set -euo pipefail
for tool in Xvfb xdotool import convert trayer; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: missing $tool (scripts/setup.sh test installs it)" >&2; exit 77; }
done
probe=$2 work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=../../bench/ola/x_and_listener.sh
. "$3"
fail() { echo "FAIL: $*" >&2; exit 1; }
start_x
# Without a session bus Qt docks its icon in the XEmbed tray that trayer offers.
unset DBUS_SESSION_BUS_ADDRESS
trayer --edge top --align right --widthtype pixel --width 48 --height 32 --SetDockType false &
mkdir -p "$work/config/Lampotron"
printf '[Setting]\nSpeed=50\nPort=ola:%d\n' "$OLA_UNIVERSE" > "$work/config/Lampotron/Lampotron.conf"
cp "$1" "$work/lampotron"

# start SCHEME_ROW: the program on a one-row scheme.
start() { printf '%s\r\n' "$1" > "$work/Data.inf"; start_program "$work/lampotron"; sleep 0.3; }
play() { click 60 18; click 60 39; sleep 0.5; }   # порт, пуск
# expect_lamps WHEN ROW: a screenshot shows the eight lamps lit as ROW.
expect_lamps() {
  local k seen=
  import -window root "$work/shot.png"
  for k in {0..7}; do
    case $(convert "$work/shot.png" -crop "1x1+$((X + 137 + 24 * k))+$((Y + 20))" txt:- | grep -o '#[0-9A-F]\{6\}') in
      '#00FF00') seen+=1 ;; '#000000') seen+=0 ;; *) seen+='?' ;; esac
  done
  echo "$1: lamps $seen"; [ "$seen" = "$2" ] || fail "expected $2"
}
tray_menu() {
  local icon found=
  for icon in $(xdotool search --pid "$pid" --name '^Lampotron'); do
    eval "$(xdotool getwindowgeometry --shell --prefix ICON_ "$icon")"
    if [ "$ICON_WIDTH" -gt 1 ] && [ "$ICON_HEIGHT" -le 32 ]; then found=$icon; break; fi
  done
  [ -n "$found" ] || fail "no tray icon"
  xdotool mousemove $((ICON_X + ICON_WIDTH / 2)) $((ICON_Y + ICON_HEIGHT / 2)) click 1   # a left click does nothing
  sleep 0.3; kill -0 "$pid" || fail "a left click on the tray icon ended the program"
  xdotool mousedown 3; sleep 0.5; xdotool mouseup 3
}
# has_window TITLE: the program shows a window of exactly that title.
has_window() {
  local w
  for w in $(xdotool search --pid "$pid" --name . 2>/dev/null); do [ "$(xdotool getwindowname "$w")" = "$1" ] && return 0; done
  return 1
}
# expect_end HOW CODE: the program has ended with CODE.
expect_end() {
  local status=0
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "$1 did not end the program"
  wait "$pid" || status=$?
  echo "$1: exit code $status"; [ "$status" -eq "$2" ] || fail "$1 gave exit code $status"
}
# expect_dark_end HOW: the program has ended with code 0 and the last DMX frame dark.
expect_dark_end() { expect_end "$1" 0; [ "$(rows_heard heard | tail -n 1)" = 00000000 ] || fail "$1 left the lamps lit on DMX"; }

listen heard
start 10101010
expect_lamps "after start-up" 00000000
play
expect_lamps "while playing" 10101010
rows_heard heard | grep -qx 10101010 || fail "the row never reached olad"
click 60 61    # стор
expect_lamps "after stop" 00000000
click 60 39    # пуск again
tray_menu
xdotool key Up Return   # Close, the menu's last entry
expect_dark_end "tray menu Close while playing"

for how in exit-button TERM INT HUP; do
  start 11111111; play
  if [ "$how" = exit-button ]; then click 340 82; else kill -"$how" "$pid"; fi
  expect_dark_end "$how"
done

start 11111111; play
stop_listening
has_window Error && fail "an error box before olad stopped"
kill "$OLAD_PID"
for _ in $(seq 50); do has_window Error && break; sleep 0.1; done
has_window Error || fail "no message after olad stopped"
echo "olad stopped while playing: the program says so"
kill -TERM "$pid"
expect_end "SIGTERM after olad stopped" 0
echo PASS
