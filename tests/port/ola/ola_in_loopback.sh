#!/usr/bin/env bash
# Starts a real olad with only its Dummy plugin, in a private network
# namespace that has nothing but loopback, patches a universe to the dummy
# port, and runs the OLA round trip against it.
#   ola_in_loopback.sh PATH_TO_OLA_ROUNDTRIP
# Exits 77 (skipped) with a reason when olad cannot be started here.
set -euo pipefail

roundtrip=$1
skip() { echo "SKIPPED: $*" >&2; exit 77; }

if [ "${2:-}" != "--inside-namespace" ]; then
  [ "$(id -u)" -eq 0 ] || skip "needs root, to start olad as user olad in a private network namespace"
  for tool in olad ola_patch ola_dev_info runuser unshare; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup.sh installs it)"
  done
  id olad >/dev/null 2>&1 || skip "there is no user olad (package ola creates it)"
  exec unshare --net bash "$0" "$roundtrip" --inside-namespace
fi

if command -v ip >/dev/null; then ip link set lo up; else /bin/busybox ip link set lo up; fi

config=$(mktemp -d)
chmod 755 "$config"
olad_pid=
cleanup() {
  [ -n "$olad_pid" ] && kill "$olad_pid" 2>/dev/null && wait "$olad_pid" 2>/dev/null || true
  rm -rf "$config"
}
trap cleanup EXIT

# Only the Dummy plugin: nothing reaches for hardware or the network.
for plugin in artnet e131 espnet ftdidmx gpio karate kinet milinst opendmx openpixelcontrol \
              osc pathport renard sandnet shownet spi stageprofi uartdmx usbdmx usbserial; do
  echo "enabled = false" > "$config/ola-$plugin.conf"
done
printf 'enabled = true\ndummy_device_count = 1\n' > "$config/ola-dummy.conf"
chown -R olad "$config"

runuser -u olad -- olad --config-dir "$config" --no-http --no-register-with-dns-sd --log-level 2 \
  > "$config/olad.log" 2>&1 &
olad_pid=$!

for _ in $(seq 50); do
  devices=$(ola_dev_info 2>/dev/null) && [ -n "$devices" ] && break
  sleep 0.2
done
[ -n "${devices:-}" ] || { cat "$config/olad.log"; echo "FAIL: olad did not answer" >&2; exit 1; }
device=$(echo "$devices" | awk '/Device [0-9]+: Dummy/ { sub(":", "", $2); print $2; exit }')
[ -n "$device" ] || { echo "$devices"; echo "FAIL: no Dummy device" >&2; exit 1; }

universe=1
ola_patch --device "$device" --port 0 --universe "$universe"
echo "patched universe $universe to Dummy device $device, port 0"
"$roundtrip" "$universe"
