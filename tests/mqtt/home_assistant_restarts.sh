#!/usr/bin/env bash
# Home Assistant's commands across broker restarts, against Debian's
# mosquitto with persistence on a loopback port, beside a private olad: a
# retained command waiting on the broker is not done at connect; then a
# publisher sends commands at QoS 1, each until the broker takes it, while
# the broker is restarted 10 times, and every command reaches the program.
# Each command is a delay the program refuses and logs with its number, so
# that the log shows which ones came.
#   home_assistant_restarts.sh PATH_TO_LAMPOTRON ...   (beside a private olad)
set -euo pipefail
for tool in mosquitto mosquitto_sub mosquitto_pub unshare; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: missing $tool (scripts/setup.sh test installs it)" >&2; exit 77; }
done
work=$(mktemp -d)
trap 'touch "$work/stop"; kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
step="starting"
fail() {
  echo "FAIL while $step: $*" >&2
  tail -n 40 "$work/player.log" "$work/broker.log" >&2 2>/dev/null || true
  exit 1
}
host=Restarts base=lampotron/restarts
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf 'listener %d 127.0.0.1\nallow_anonymous true\npersistence true\npersistence_location %s/\nuser %s\n' \
  "$port" "$work" "$(id -un)" > "$work/broker.conf"
start_broker() {
  : > "$work/broker.log"
  mosquitto -c "$work/broker.conf" > "$work/broker.log" 2>&1 &
  broker=$!
  for _ in $(seq 100); do grep -q "running" "$work/broker.log" && return; sleep 0.1; done
  fail "mosquitto did not start: $(cat "$work/broker.log")"
}
# A restart as systemd makes it: SIGTERM, so that the broker saves what it holds.
stop_broker() { kill -TERM "$broker"; wait "$broker" || true; }
# within SECONDS WHAT COMMAND...: waits for the command to succeed.
within() {
  local seconds=$1 what=$2
  shift 2
  for _ in $(seq $((seconds * 10))); do "$@" && return; sleep 0.1; done
  fail "$what did not happen within $seconds s"
}
logged() { grep -q -- "$1" "$work/player.log"; }

mkdir -p "$work/config/Lampotron"
printf '[Setting]\nSpeed=50\nPort=ola:%d\n[Mqtt]\nBroker=127.0.0.1:%d\n' "$OLA_UNIVERSE" "$port" > "$work/config/Lampotron/Lampotron.conf"
printf '10000000\r\n01000000\r\n' > "$work/Data.inf"

step="leaving a retained command on the broker"
start_broker
mosquitto_pub -p "$port" -q 1 -r -t "$base/pause/set" -m ON
env -u DISPLAY XDG_CONFIG_HOME="$work/config" unshare --uts bash -c 'hostname "$0" && exec "$@"' "$host" \
  "$1" --play --scheme "$work/Data.inf" 2>> "$work/player.log" &
within 10 "the program's connection" logged "connected to the broker"
within 5 "the retained command's report" logged "ignored 1 retained command"
state=$(timeout 5 mosquitto_sub -p "$port" -t "$base/state" -C 1) || fail "no state came"
grep -q '"paused":"OFF"' <<< "$state" || fail "the retained command was done: $state"
mosquitto_pub -p "$port" -q 1 -r -n -t "$base/pause/set"

step="sending commands across restarts"
# Each command is sent again until the broker acknowledges it, as a QoS 1
# publisher with its own persistence does.
publish() {
  local number=0
  until [ -e "$work/stop" ]; do
    number=$((number + 1))
    until mosquitto_pub -p "$port" -q 1 -i publisher -t "$base/delay/set" -m "command-$number" 2>/dev/null; do
      sleep 0.1
    done
    echo "$number" >> "$work/sent"
    sleep 0.05
  done
}
publish &
publisher=$!
returns() { grep -c "connected to the broker .* again" "$work/player.log" || true; }
returned() { [ "$(returns)" -gt "$1" ]; }
# The program finds each restart and comes back before the next one (once,
# or twice when the try made at once reached the broker while it was still
# shutting down).
for restart in $(seq 10); do
  sleep 6
  step="restart $restart of the broker"
  before=$(returns)
  stop_broker
  sleep 0.5
  start_broker
  within 40 "the program's return" returned "$before"
done
sleep 2
touch "$work/stop"
wait "$publisher"

step="counting what came"
sent=$(wc -l < "$work/sent")
[ "$sent" -gt 100 ] || fail "only $sent commands were sent"
received() { grep -o 'not "command-[0-9]*"' "$work/player.log" | sort -u; }
for _ in $(seq 200); do [ "$(received | wc -l)" -ge "$sent" ] && break; sleep 0.1; done
missing=$(comm -23 <(sed 's/.*/not "command-&"/' "$work/sent" | sort -u) <(received) | tr '\n' ' ')
[ -z "$missing" ] || fail "of $sent commands, these never came: $missing"
echo "PASS: $sent commands, 10 restarts, none lost"
