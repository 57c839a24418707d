#!/usr/bin/env bash
# The rows' timing on the real program without a window, as the service runs
# it (FIFO priority 50), while every face from afar is attacked: quiet, then
# MQTT command messages of 10 MB, the web remote flooded with refused and
# oversized requests, and a schedule of 100 entries, 99 of which never open,
# re-read on SIGHUP again and again. A listener stamps every frame at a private olad;
# the figures are each phase's step error against the delay. A benchmark: it
# exits 0 whenever it measured, whatever the figures.
#   attack_timing.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE [SECONDS]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
if [ "${1:-}" != "--beside-olad" ]; then
  [ $# -ge 2 ] || { echo "usage: $0 PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE [SECONDS]" >&2; exit 2; }
  command -v mosquitto >/dev/null && command -v curl >/dev/null \
    || { echo "missing mosquitto or curl: run scripts/setup.sh test" >&2; exit 1; }
  exec bash "$here/ola/private_olad.sh" bash "$0" --beside-olad "$(realpath "$1")" "$(realpath "$2")" "${3:-10}"
fi
program=$2 probe=$3 seconds=$4
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT
# shellcheck source=ola/x_and_listener.sh
. "$here/ola/x_and_listener.sh"
# shellcheck source=mqtt/player_with_broker.sh
. "$here/mqtt/player_with_broker.sh"
period_ms=50
free_port() { "$python" -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

remote=$(free_port)
start_player_with_broker "$period_ms" --remote "127.0.0.1:$remote"
settings=$work/config/Lampotron/Lampotron.conf
wait_for 10 "the remote's key" test -s "$work/config/Lampotron/remote.key"
key=$(cat "$work/config/Lampotron/remote.key")
rss() { awk '/VmRSS/ { print $2 / 1024 " MB" }' "/proc/$player/status"; }
until_over() { local end=$((SECONDS + seconds)); while [ "$SECONDS" -lt "$end" ]; do "$@"; done; }

mqtt_attack() {
  mosquitto_pub -p "$broker" -t "$base/light/set" -f "$work/big" -q 1 || true
  mosquitto_pub -p "$broker" -t "$base/delay/set" -m "$(head -c 100000 /dev/zero | tr '\0' 7)" || true
}
remote_attack() {
  curl -s -o /dev/null -X PUT -H "Authorization: Bearer $key" -d '{"output":"../../etc/passwd"}' \
    "http://127.0.0.1:$remote/api/v1/output" || true
  head -c 1000000 /dev/zero | curl -s -o /dev/null -X PUT -H "Authorization: Bearer $key" --data-binary @- \
    "http://127.0.0.1:$remote/api/v1/speed" || true
  for _ in 1 2 3 4 5; do curl -s -o /dev/null -H "Authorization: Bearer $key" "http://127.0.0.1:$remote/api/v1/state" || true; done
}
schedule_attack() { kill -HUP "$player"; sleep 0.2; }

head -c 10000000 /dev/zero | tr '\0' x > "$work/big"
{
  # One entry keeps the show on; the 99 others never open, and each re-read
  # decides them all again.
  printf '[Mqtt]\nBroker=127.0.0.1:%d\n[Schedule]\nLatitude=52.5\nLongitude=13.4\nEntry1=on=00:00 off=23:59\n' "$broker"
  for n in $(seq 2 100); do printf 'Entry%d=on=dusk off=sunset\n' "$n"; done
} > "$work/schedule.conf"

listen_raised quiet; sleep "$seconds"; stop_listening
memory_before=$(rss)
listen_raised mqtt; until_over mqtt_attack; stop_listening
memory_after=$(rss)
listen_raised remote; until_over remote_attack; stop_listening
cp "$work/schedule.conf" "$settings"
listen_raised schedule; until_over schedule_attack; stop_listening
kill -TERM "$player"; wait "$player" || true

echo
echo "Rows at $period_ms ms through a private olad, $seconds s each; step error against the delay:"
for phase in quiet mqtt remote schedule; do
  printf '  %-9s %s\n' "$phase" "$("$probe" steps "$period_ms" < "$work/$phase.frames" | tail -n 1)"
done
echo "Memory of the player before and after the MQTT phase: $memory_before, $memory_after"
echo "Lines the player logged: $(wc -l < "$work/player.log"), the longest $(awk '{ if (length > n) n = length } END { print n + 0 }' "$work/player.log") characters"
echo "What the player logged most, with numbers left out:"
sed 's/[0-9]\+/N/g' "$work/player.log" | sort | uniq -c | sort -rn | head -n 5 | cut -c1-160
