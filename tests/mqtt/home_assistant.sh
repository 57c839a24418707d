#!/usr/bin/env bash
# Home Assistant's view over MQTT, against Debian's mosquitto on a loopback
# port beside a private olad with a listener: the discovery messages match
# discovery.golden; commands change the DMX frames and their state comes
# back; Home Assistant coming back is told again; the broker stopped and
# started again is found again while the rows play on; a clean end says
# offline, and the broker says it when the program is killed; in the window,
# whose rows have a thread of their own, a command lights the lamps too.
#   home_assistant.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE LIBRARY   (beside a private olad)
set -euo pipefail
for tool in mosquitto mosquitto_sub mosquitto_pub unshare Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: missing $tool (scripts/setup.sh test installs it)" >&2; exit 77; }
done
probe=$2 work=$(mktemp -d) here=$(cd "$(dirname "$0")" && pwd)
# Patterns join the light's effects: the user's own must not.
export XDG_DATA_HOME="$work/data"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=../../bench/ola/x_and_listener.sh
. "$3"
fail() { echo "FAIL: $*" >&2; cat "$work/player.log" "$work/lampotron.log" >&2 2>/dev/null || true; exit 1; }
# The program runs on a host of this name, in a namespace of its own.
host=Lamp.Test-1 node=lamp_test-1
base=lampotron/$node
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf 'listener %d 127.0.0.1\nallow_anonymous true\n' "$port" > "$work/broker.conf"
start_broker() {
  mosquitto -c "$work/broker.conf" > "$work/broker.log" 2>&1 &
  broker=$!
  for _ in $(seq 50); do grep -q "running" "$work/broker.log" && return; sleep 0.1; done
  fail "mosquitto did not start: $(cat "$work/broker.log")"
}
mkdir -p "$work/config/Lampotron"
printf '[Setting]\nSpeed=50\nPort=ola:%d\n[Mqtt]\nBroker=127.0.0.1:%d\n' "$OLA_UNIVERSE" "$port" > "$work/config/Lampotron/Lampotron.conf"
printf '10000000\r\n01000000\r\n' > "$work/Data.inf"
on_host=(unshare --uts bash -c 'hostname "$0" && exec "$@"' "$host")
play() {
  env -u DISPLAY XDG_CONFIG_HOME="$work/config" "${on_host[@]}" "$1" --play --scheme "$work/Data.inf" 2>> "$work/player.log" &
  player=$!
}
mark() { wc -l < "$work/sub.log"; }
# heard MARK PATTERN: the broker passed on a message like it after line MARK, within 5 s.
heard() {
  for _ in $(seq 50); do tail -n "+$(($1 + 1))" "$work/sub.log" | grep -q -- "$2" && return; sleep 0.1; done
  fail "nothing like '$2' passed through the broker"
}
# send ENTITY PAYLOAD ECHO: a command, and the state that must come back.
send() {
  local at
  at=$(mark)
  mosquitto_pub -p "$port" -t "$base/$1/set" -m "$2"
  heard "$at" "^$base/state .*$3"
}
frames() { wc -l < "$work/heard.frames"; }

start_broker
mosquitto_sub -p "$port" -v -t '#' > "$work/sub.log" &
listen heard
play "$1"
heard 0 "^$base/availability online"
grep '^homeassistant/' "$work/sub.log" | sort \
  | sed "s/$node/@NODE@/g; s/$host/@HOST@/g; s/\"sw_version\":\"[^\"]*\"/\"sw_version\":\"@VERSION@\"/" > "$work/discovery"
diff -u <(sort "$here/discovery.golden") "$work/discovery" || fail "the discovery messages differ from discovery.golden"

send light '{"state":"ON","effect":"наполнение"}' '"effect":"наполнение"'
sleep 0.6
rows_heard heard | grep -qx 11111111 || fail "the effect did not reach the lamps"
send pause ON '"paused":"ON"'
sleep 0.1; before=$(frames); sleep 0.4
[ "$(frames)" -eq "$before" ] || fail "frames kept coming while paused"
send pause OFF '"paused":"OFF"'
send delay 100 '"delay":100'
send light '{"state":"OFF"}' '"state":"OFF"'
sleep 0.2
[ "$(rows_heard heard | tail -n 1)" = 00000000 ] || fail "OFF left a lamp lit"
send light '{"state":"ON","effect":"Scheme"}' '"effect":"Scheme","output":"ola:1 open","paused":"OFF","source":"the scheme","state":"ON"'
sleep 0.5
[ "$(rows_heard heard | tail -n 4 | sort -u | tr '\n' ' ')" = "01000000 10000000 " ] || fail "the scheme did not play again"

at=$(mark)
mosquitto_pub -p "$port" -t homeassistant/status -m online
heard "$at" "^homeassistant/light/$node/light/config"

kill "$broker"; wait "$broker" || true
before=$(frames); at=$(mark)
sleep 2
start_broker
[ "$(frames)" -gt $((before + 10)) ] || fail "the rows stopped while the broker was away"
heard "$at" "^$base/availability online"
[ "$(grep -c "lost the broker" "$work/player.log")" -eq 1 ] || fail "not one line for the lost broker"
[ "$(grep -c "connected to the broker .* again" "$work/player.log")" -eq 1 ] || fail "not one line for its return"

at=$(mark)
kill -TERM "$player"; wait "$player"
heard "$at" "^$base/availability offline"
grep -q "Client lampotron-$node disconnected\.$" "$work/broker.log" || fail "the program did not leave the broker cleanly"
play "$1"
heard "$at" "^$base/availability online"
at=$(mark)
{ kill -KILL "$player"; wait "$player"; } 2>/dev/null || true
heard "$at" "^$base/availability offline"
stop_listening

start_x
cp "$1" "$work/lampotron"
listen window
start_program "${on_host[@]}" "$work/lampotron"
heard "$at" "^$base/availability online"
send light '{"state":"ON","effect":"бегущий влево"}' '"effect":"бегущий влево","output":"ola:1 open"'
sleep 0.6
rows_heard window | grep -qx 00000001 || fail "in the window, the effect did not reach the lamps"
echo PASS
