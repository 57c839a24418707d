#!/usr/bin/env bash
# Times Home Assistant's commands over MQTT on the real program without a
# window, as the service runs it (FIFO priority 50), beside a private olad
# and Debian's mosquitto on a loopback port:
# how long a command takes to reach the port and for its state to come back,
# and the step timing of the rows without MQTT traffic and under a flood of
# commands, each a change of state published at once. A benchmark: it exits
# 0 whenever it measured, whatever the figures.
#   home_assistant_timing.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# Debian's interpreter, which python3-paho-mqtt serves, whatever else is first on PATH.
python=/usr/bin/python3
if [ "${1:-}" != "--beside-olad" ]; then
  [ $# -eq 2 ] || { echo "usage: $0 PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE" >&2; exit 2; }
  command -v mosquitto >/dev/null && "$python" -c 'import paho.mqtt.client' 2>/dev/null \
    || { echo "missing mosquitto or python3-paho-mqtt: run scripts/setup.sh test" >&2; exit 1; }
  exec bash "$here/../ola/private_olad.sh" bash "$0" --beside-olad "$(realpath "$1")" "$(realpath "$2")"
fi
program=$2 probe=$3
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=../ola/x_and_listener.sh
. "$here/../ola/x_and_listener.sh"
# shellcheck source=player_with_broker.sh
. "$here/player_with_broker.sh"
period_ms=50 seconds=20 commands=100
client=("$python" "$here/home_assistant_client.py")

start_player_with_broker "$period_ms"

listen_raised quiet; sleep "$seconds"; stop_listening
listen_raised flood; "${client[@]}" "$broker" "$base" flood "$seconds" > "$work/flood.txt"; stop_listening
listen_raised latency
"${client[@]}" "$broker" "$base" latency "$commands" "$work/latency.frames" > "$work/latency.txt"
stop_listening
quiet=$("${client[@]}" steps "$work/quiet.frames")
flooded=$("${client[@]}" steps "$work/flood.frames")

echo
echo "Rows at $period_ms ms through a private olad, $seconds s each; step error against the delay in force:"
echo "  without MQTT traffic:  $quiet"
echo "  under a flood:         $flooded"
echo "  $(cat "$work/flood.txt")"
echo "Home Assistant's light on with an effect, then off, $commands times each:"
sed 's/^/  /' "$work/latency.txt"
echo

figure() { tr ' ' '\n' <<< "$1" | sed -n "s/^$2=//p"; }
judge() { printf '%-8s %s\n' "$(awk "BEGIN { print ($2) ? \"met\" : \"NOT met\" }")" "$1"; }
p95() { sed -n "s/^$1:.* p95=\([0-9.]*\) ms.*/\1/p" "$work/latency.txt"; }
judge "command to the port write p95 $(p95 "command to the port write") ms ≤ 200 ms" \
  "$(p95 "command to the port write") <= 200"
judge "state echo p95 $(p95 "command to the state echo") ms ≤ 200 ms" "$(p95 "command to the state echo") <= 200"
# A row late by a hundredth of the step is the most a flood may cost.
judge "step error p99 under the flood $(figure "$flooded" p99_ms) ms ≤ without, $(figure "$quiet" p99_ms) ms, + 0.5 ms" \
  "$(figure "$flooded" p99_ms) <= $(figure "$quiet" p99_ms) + 0.5"
