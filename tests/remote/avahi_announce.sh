#!/usr/bin/env bash
# The window with the remote on every network, beside a private system bus
# and a private avahi-daemon (no systemd needed): the page is announced as
# an _http._tcp service, --remote-url names the machine by its .local name
# first, the service comes back after the daemon restarts, and leaves with
# the program.
#   avahi_announce.sh PATH_TO_LAMPOTRON
set -Eeuo pipefail
lampotron=$1 work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; wait 2>/dev/null; rm -rf "$work"' EXIT
# shellcheck source=../../bench/ola/waiting.sh
. "$(dirname "$0")/../../bench/ola/waiting.sh"
fail() { echo "FAIL: $*" >&2; tail -n 20 "$work"/*.log >&2 || true; exit 1; }
trap 'fail "line $LINENO: \"$BASH_COMMAND\" ended with $?"' ERR
for tool in dbus-daemon avahi-daemon avahi-browse; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed (scripts/setup.sh test)" >&2; exit 77; }
done
if pgrep -x avahi-daemon >/dev/null; then
  echo "SKIPPED: an avahi-daemon runs already; this test needs its own" >&2
  exit 77
fi

export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/bus
dbus-daemon --config-file=/usr/share/dbus-1/system.conf --address="$DBUS_SYSTEM_BUS_ADDRESS" --nofork --nopidfile \
  > "$work/dbus.log" 2>&1 &
wait_for 10 "the private system bus" test -S "$work/bus"
printf '[server]\nratelimit-burst=1000\n[publish]\npublish-workstation=no\n' > "$work/avahi.conf"
start_avahi() {
  avahi-daemon --no-drop-root --no-chroot --no-rlimits -f "$work/avahi.conf" >> "$work/avahi.log" 2>&1 &
  avahi_pid=$!
  wait_for 30 "avahi-daemon to start" grep -q "Server startup complete" "$work/avahi.log"
}
start_avahi
host=$(sed -n 's/.*Host name is \(.*\)\. Local.*/\1/p' "$work/avahi.log" | tail -n 1)
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("0.0.0.0", 0)); print(s.getsockname()[1])')
home=(env XDG_CONFIG_HOME="$work" XDG_DATA_HOME="$work" QT_QPA_PLATFORM=offscreen)

"${home[@]}" "$lampotron" --remote "0.0.0.0:$port" > "$work/lampotron.log" 2>&1 &
program=$!
announced() { avahi-browse -rtp _http._tcp | grep -q "^=;.*;Lampotron\\\\032on\\\\032.*;$port;\"path=/\"$"; }
wait_for 30 "the service on port $port in avahi-browse" announced
first=$("${home[@]}" "$lampotron" --remote "0.0.0.0:$port" --remote-url | head -n 1)
[[ $first == "http://$host:$port/#key="* ]] || fail "--remote-url gave $first first, not the name $host"

kill "$avahi_pid"; wait "$avahi_pid" || true
: > "$work/avahi.log"
start_avahi
wait_for 30 "the service again after avahi-daemon restarted" announced

kill "$program"; wait "$program" || true
wait_for 30 "the service to leave with the program" bash -c "! avahi-browse -tp _http._tcp | grep -q ';$port;\\|Lampotron'"
echo "announced as _http._tcp on port $port, named $host first, again after a restart, gone after the end"
