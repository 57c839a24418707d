#!/usr/bin/env bash
# The real program's memory while large messages arrive on its command
# topics, beside a private olad and Debian's mosquitto on a loopback port:
# its resident size before, after each round of large messages and after a
# moment's rest, and what its log said. A benchmark: it exits 0 whenever it
# measured, whatever the figures.
#   big_messages.sh PATH_TO_LAMPOTRON [ROUNDS] [MESSAGES_PER_ROUND] [MEGABYTES]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != "--beside-olad" ]; then
  [ $# -ge 1 ] || { echo "usage: $0 PATH_TO_LAMPOTRON [ROUNDS] [MESSAGES_PER_ROUND] [MEGABYTES]" >&2; exit 2; }
  command -v mosquitto >/dev/null || { echo "missing mosquitto: run scripts/setup.sh test" >&2; exit 1; }
  program=$(realpath "$1")
  shift
  exec bash "$here/../ola/private_olad.sh" bash "$0" --beside-olad "$program" "$@"
fi
program=$2 rounds=${3:-5} per_round=${4:-4} megabytes=${5:-8}
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
printf 'listener %d 127.0.0.1\nallow_anonymous true\n' "$port" > "$work/broker.conf"
mosquitto -c "$work/broker.conf" 2> "$work/broker.log" &
for _ in $(seq 50); do grep -q running "$work/broker.log" && break; sleep 0.1; done
mkdir -p "$work/config/Lampotron"
printf '[Mqtt]\nBroker=127.0.0.1:%d\n' "$port" > "$work/config/Lampotron/Lampotron.conf"
printf '10000000\r\n01000000\r\n' > "$work/Data.inf"
XDG_CONFIG_HOME="$work/config" "$program" --play --port "ola:$OLA_UNIVERSE" --scheme "$work/Data.inf" \
  2> "$work/player.log" &
player=$!
base=$(timeout 10 mosquitto_sub -p "$port" -t 'lampotron/+/availability' -C 1 -v | cut -d/ -f1-2)
[ -n "$base" ] || { cat "$work/player.log" >&2; echo "the program did not announce itself" >&2; exit 1; }

# An unknown effect's name as large as asked: the costliest way in, since
# the whole payload is JSON and the name would be quoted.
{ printf '{"state":"ON","effect":"'; head -c "$((megabytes * 1024 * 1024))" /dev/zero | tr '\0' 'e'; printf '"}'; } \
  > "$work/big.json"
resident() { awk '/^VmRSS/ { printf "%.1f MB", $2 / 1024 }' "/proc/$player/status"; }
sleep 1
echo "resident size of the program without a window, $per_round messages of $megabytes MB a round:"
echo "  before:         $(resident)"
for round in $(seq "$rounds"); do
  for _ in $(seq "$per_round"); do mosquitto_pub -p "$port" -q 1 -t "$base/light/set" -f "$work/big.json"; done
  sleep 1
  echo "  after round $round:  $(resident)"
done
sleep 5
echo "  5 s later:      $(resident)"
echo "peak:             $(awk '/^VmHWM/ { printf "%.1f MB", $2 / 1024 }' "/proc/$player/status")"
echo "the log: $(wc -l < "$work/player.log") lines, $(wc -c < "$work/player.log") bytes; its first 5 MQTT lines, cut:"
grep MQTT "$work/player.log" | head -n 5 | cut -c1-160 | sed 's/^/  /'
