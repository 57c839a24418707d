#!/usr/bin/env bash
# Plays through a private olad with no display at all, as a service does:
# checks the frames, that SIGHUP brings in a changed scheme and keeps the old
# one when the new one is unusable, and that SIGTERM leaves every channel at 0
# and exit code 0.
#   headless_player.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE LIBRARY   (beside a private olad)
set -euo pipefail
probe=$2 work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=../../bench/ola/x_and_listener.sh
. "$3"
fail() { echo "FAIL: $*" >&2; cat "$work/player.log" >&2 || true; exit 1; }
play=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_CONFIG_HOME="$work" XDG_DATA_HOME="$work" NOTIFY_SOCKET="$work/notify"
      "$1" --play --port "ola:$OLA_UNIVERSE" --scheme "$work/scheme.inf" --speed 50)
faketime=$(find /usr/lib -name libfaketime.so.1 -print -quit)
[ -n "$faketime" ] || { echo "SKIPPED: missing libfaketime (scripts/setup.sh test installs faketime)" >&2; exit 77; }
# reload SCHEME: the scheme file (backslash escapes allowed) is rewritten, then SIGHUP.
reload() {
  local reloads
  reloads=$(grep -c "Reloaded\|Not reloaded" "$work/player.log" || true)
  printf '%b' "$1" > "$work/scheme.inf"
  kill -HUP "$player"
  wait_for 10 "the player to log the reload" log_has_more "Reloaded\|Not reloaded" "$reloads"
}
# log_has_more PATTERN COUNT: the player's log has more lines matching than COUNT.
log_has_more() { [ "$(grep -c "$1" "$work/player.log" || true)" -gt "$2" ]; }
rows_are() { [ "$(rows_heard heard | sort -u | tr '\n' ' ')" = "$1" ]; }
last_row_is() { [ "$(rows_heard heard | tail -n 1)" = "$1" ]; }

printf '11000000\r\n00110000\r\n' > "$work/scheme.inf"
# What the player tells systemd, a line each.
python3 -c 'import socket, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM); s.bind(sys.argv[1])
while True: print(s.recv(4096).decode(), flush=True)' "$work/notify" > "$work/notify.log" &
wait_for 5 "the stand-in for systemd's socket" test -S "$work/notify"
listen heard
"${play[@]}" 2> "$work/player.log" &
player=$!
wait_for 10 "both rows of the scheme after the dark start" rows_are "00000000 00110000 11000000 " \
  || fail "unexpected rows: $(rows_heard heard | sort -u | tr '\n' ' ')"
told() { grep -qx READY=1 "$work/notify.log" && grep -qx "STATUS=playing scheme.inf (2 rows) at 50 ms on ola:$OLA_UNIVERSE" "$work/notify.log"; }
wait_for 5 "READY and the playing status on systemd's socket" told || fail "systemd was not told: $(cat "$work/notify.log")"

reload '00001111\r\n'
wait_for 5 "the new scheme's row after SIGHUP" last_row_is 00001111 || fail "the new scheme did not arrive after SIGHUP"
reload ''
grep -q "Not reloaded" "$work/player.log" || fail "an empty scheme on SIGHUP was not logged"
frames_then=$(wc -l < "$work/heard.frames")
frames_grew() { [ "$(wc -l < "$work/heard.frames")" -gt "$frames_then" ]; }
wait_for 5 "frames after an empty scheme on SIGHUP" frames_grew || fail "playing stopped after an empty scheme on SIGHUP"

kill -TERM "$player"
status=0; wait "$player" || status=$?
wait_for 5 "the dark frame after SIGTERM" last_row_is 00000000 || true
stop_listening
[ "$status" -eq 0 ] || fail "exit code $status after SIGTERM"
[ "$(rows_heard heard | tail -n 1)" = 00000000 ] || fail "the last frame after SIGTERM was not all zero"
cat "$work/player.log"
for event in "started" "opened" "loaded: 2 rows" "Reloaded" "Stopped"; do grep -q "$event" "$work/player.log" || fail "no \"$event\" in the log"; done

# With olad frozen, the dark frame cannot be confirmed: the player must not
# claim it, and must not end with 0.
printf '10000000\r\n' > "$work/scheme.inf"
"${play[@]}" 2> "$work/player.log" &
player=$!
wait_for 10 "the player to open its output" grep -q "opened" "$work/player.log"
kill -STOP "$OLAD_PID"
kill -TERM "$player"
status=0; wait "$player" || status=$?
kill -CONT "$OLAD_PID"
[ "$status" -ne 0 ] && grep -q "did not confirm" "$work/player.log" || fail "an unconfirmed dark frame gave exit code $status"

# On a schedule, started by a clock at 18:30: inside 17:00-23:00 it plays,
# outside 08:00-09:00 it keeps every line low.
mkdir -p "$work/Lampotron"
for case in "17:00 23:00 lit" "08:00 09:00 dark"; do
  read -r on off heard <<< "$case"
  printf '[Schedule]\nEntry1=on=%s off=%s\n' "$on" "$off" > "$work/Lampotron/Lampotron.conf"
  listen "$heard"
  LD_PRELOAD=$faketime FAKETIME='@2026-12-07 18:30:00' FAKETIME_DONT_FAKE_MONOTONIC=1 "${play[@]}" 2> "$work/player.log" &
  player=$!
  sleep 2
  kill -TERM "$player"; wait "$player" || true
  stop_listening
  lit=$(rows_heard "$heard" | grep -c 1 || true)
  if [ "$heard" = lit ]; then [ "$lit" -gt 0 ] || fail "no row played inside the schedule's window"
  else [ "$lit" -eq 0 ] || fail "$lit rows played outside the schedule's window"; fi
done
rm "$work/Lampotron/Lampotron.conf"

status=0; printf '' > "$work/scheme.inf"; "${play[@]}" 2> "$work/player.log" || status=$?
[ "$status" -eq 1 ] || fail "an empty scheme at start gave exit code $status, not 1"
echo PASS
