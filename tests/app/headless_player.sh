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
# reload SCHEME: the scheme file (backslash escapes allowed) is rewritten, then SIGHUP.
reload() { printf '%b' "$1" > "$work/scheme.inf"; kill -HUP "$player"; sleep 0.5; }

printf '11000000\r\n00110000\r\n' > "$work/scheme.inf"
# What the player tells systemd, a line each.
python3 -c 'import socket, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM); s.bind(sys.argv[1])
while True: print(s.recv(4096).decode(), flush=True)' "$work/notify" > "$work/notify.log" &
for _ in {1..50}; do [ -S "$work/notify" ] && break; sleep 0.1; done
listen heard
"${play[@]}" 2> "$work/player.log" &
player=$!
sleep 1
rows=$(rows_heard heard | sort -u | tr '\n' ' ')
[ "$rows" = "00000000 00110000 11000000 " ] || fail "unexpected rows: $rows"
grep -qx READY=1 "$work/notify.log" && grep -qx "STATUS=playing scheme.inf (2 rows) at 50 ms on ola:$OLA_UNIVERSE" "$work/notify.log" \
  || fail "systemd was not told: $(cat "$work/notify.log")"

reload '00001111\r\n'
[ "$(rows_heard heard | tail -n 1)" = 00001111 ] || fail "the new scheme did not arrive after SIGHUP"
frames_then=$(wc -l < "$work/heard.frames")
reload ''
grep -q "Not reloaded" "$work/player.log" || fail "an empty scheme on SIGHUP was not logged"
[ "$(wc -l < "$work/heard.frames")" -gt "$frames_then" ] || fail "playing stopped after an empty scheme on SIGHUP"

kill -TERM "$player"
status=0; wait "$player" || status=$?
sleep 0.2
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
sleep 1
kill -STOP "$OLAD_PID"
kill -TERM "$player"
status=0; wait "$player" || status=$?
kill -CONT "$OLAD_PID"
[ "$status" -ne 0 ] && grep -q "did not confirm" "$work/player.log" || fail "an unconfirmed dark frame gave exit code $status"

status=0; printf '' > "$work/scheme.inf"; "${play[@]}" 2> "$work/player.log" || status=$?
[ "$status" -eq 1 ] || fail "an empty scheme at start gave exit code $status, not 1"
echo PASS
