#!/usr/bin/env bash
# Runs a command beside a private olad: a network namespace with nothing but
# loopback, olad with only its Dummy plugin, universe 1 patched to the dummy
# port. /run/lock is private too: players here lock this olad's universes,
# which players outside never meet. The command sees OLA_UNIVERSE (the
# patched universe) and OLAD_PID (to stop olad, as if the daemon were lost);
# olad is stopped when it ends.
#   private_olad.sh COMMAND [ARGS...]
# Exits with the command's code, or 77 (skipped) with a reason when olad
# cannot be started here.
set -euo pipefail

[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }
skip() { echo "SKIPPED: $*" >&2; exit 77; }

if [ -z "${PRIVATE_OLAD_NAMESPACE:-}" ]; then
  [ "$(id -u)" -eq 0 ] || skip "needs root, to start olad as user olad in a private network namespace"
  for tool in olad ola_patch ola_dev_info setpriv unshare; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup.sh installs it)"
  done
  id olad >/dev/null 2>&1 || skip "there is no user olad (package ola creates it)"
  PRIVATE_OLAD_NAMESPACE=1 exec unshare --net --mount bash "$0" "$@"
fi
unset PRIVATE_OLAD_NAMESPACE
mount -t tmpfs -o mode=1777 private-locks /run/lock

if command -v ip >/dev/null; then ip link set lo up; else /bin/busybox ip link set lo up; fi

config=$(mktemp -d)
chmod 755 "$config"
olad_pid=
cleanup() {
  if [ -n "$olad_pid" ] && kill "$olad_pid" 2>/dev/null; then wait "$olad_pid" 2>/dev/null || true; fi
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

# setpriv execs olad itself, so the PID we hand on is the daemon's own.
setpriv --reuid olad --regid olad --init-groups -- \
  olad --config-dir "$config" --no-http --no-register-with-dns-sd --log-level 2 > "$config/olad.log" 2>&1 &
olad_pid=$!

# OLA's tools start an olad of their own when none answers: ask only once
# this one listens.
devices=
for _ in $(seq 50); do
  (: </dev/tcp/127.0.0.1/9010) 2>/dev/null && devices=$(ola_dev_info) && [ -n "$devices" ] && break
  sleep 0.2
done
[ -n "$devices" ] || { cat "$config/olad.log" >&2; echo "FAIL: olad did not answer" >&2; exit 1; }
device=$(echo "$devices" | awk '/Device [0-9]+: Dummy/ { sub(":", "", $2); print $2; exit }')
[ -n "$device" ] || { echo "$devices" >&2; echo "FAIL: olad has no Dummy device" >&2; exit 1; }

export OLA_UNIVERSE=1 OLAD_PID=$olad_pid
ola_patch --device "$device" --port 0 --universe "$OLA_UNIVERSE"
echo "private olad $OLAD_PID: universe $OLA_UNIVERSE patched to Dummy device $device, port 0"

status=0
"$@" || status=$?
exit "$status"
