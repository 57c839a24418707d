# Shell functions for running the program in its own X server beside a
# private olad, clicking it and recording what olad hands on. Source it; it
# needs $work (a scratch folder), $probe (ola_probe) and OLA_UNIVERSE.

# shellcheck source=waiting.sh
. "$(dirname "${BASH_SOURCE[0]}")/waiting.sh"

# start_x: an X server on a display no other X server holds; its abstract
# sockets belong to this network namespace. Sets DISPLAY and xvfb_pid.
start_x() {
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
  [ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "FAIL: Xvfb did not start" >&2; exit 1; }
  export DISPLAY=":$(cat "$work/display")"
}

# listen NAME [UNIVERSE]: records every frame olad hands on for the universe
# (OLA_UNIVERSE unless given) into $work/NAME.frames.
listeners=()
listen() {
  "$probe" listen "${2:-$OLA_UNIVERSE}" > "$work/$1.frames" &
  listeners+=($!)
  for _ in $(seq 100); do grep -q '^ready$' "$work/$1.frames" && return; sleep 0.05; done
  echo "FAIL: the listener did not register" >&2
  exit 1
}
# stop_listening: ends every listener.
stop_listening() {
  local pid
  for pid in "${listeners[@]}"; do kill -TERM "$pid"; wait "$pid" || true; done
  listeners=()
}

# rows_heard NAME: the lit patterns heard, "10000000" style, one per change.
rows_heard() {
  awk '$1 != "ready" { row = ""; for (k = 2; k <= 9; k++) row = row ($k == 255 ? 1 : 0)
                       if (row != last) print row; last = row }' "$work/$1.frames"
}

# start_program PROGRAM [ARGS...]: starts it on the X server, as a user does,
# with its settings in $work/config; waits for its window. Sets pid, X, Y.
start_program() {
  QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "$@" 2> "$work/lampotron.log" &
  pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --pid "$pid" --name Flickwerk | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$window")"
}
# click X Y: a left click inside the window, in pixels (15 twips each).
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }
