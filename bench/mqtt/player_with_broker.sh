# Shell functions for timing the real player without a window beside a
# private olad and Debian's mosquitto on a loopback port. Source it after
# x_and_listener.sh; it needs $work, $python, $program and OLA_UNIVERSE.

# start_player_with_broker PERIOD_MS [ARGS...]: a broker of this run's own,
# the player at FIFO 50 as the service runs it, playing a running light on
# the private olad with MQTT on, and olad raised with it, so that the
# machine's other work blurs neither what is measured nor the measuring.
# Sets broker, player and base (the device's topic prefix).
start_player_with_broker() {
  local period_ms=$1
  shift
  broker=$("$python" -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  printf 'listener %d 127.0.0.1\nallow_anonymous true\n' "$broker" > "$work/broker.conf"
  mosquitto -c "$work/broker.conf" 2> "$work/broker.log" &
  wait_for 10 "the broker" grep -q running "$work/broker.log"
  mkdir -p "$work/config/Lampotron"
  printf '[Mqtt]\nBroker=127.0.0.1:%d\n' "$broker" > "$work/config/Lampotron/Lampotron.conf"
  for row in 10000000 01000000 00100000 00010000 00001000 00000100 00000010 00000001; do
    printf '%s\r\n' "$row"
  done > "$work/Data.inf"
  chrt -f -p 50 "$OLAD_PID" >/dev/null
  XDG_CONFIG_HOME="$work/config" chrt -f 50 "$program" --play --port "ola:$OLA_UNIVERSE" --scheme "$work/Data.inf" \
    --speed "$period_ms" "$@" 2> "$work/player.log" &
  player=$!
  base=$(timeout 10 mosquitto_sub -p "$broker" -t 'lampotron/+/availability' -C 1 -v | cut -d/ -f1-2)
  [ -n "$base" ] || { cat "$work/player.log" >&2; echo "FAIL: the program did not announce itself" >&2; exit 1; }
}

# listen_raised NAME: a listener as `listen` makes it, at the player's priority.
listen_raised() { listen "$1"; chrt -f -p 50 "${listeners[-1]}" >/dev/null; }
