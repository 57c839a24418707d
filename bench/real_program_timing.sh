#!/usr/bin/env bash
# Times the real program as a user runs it, against a private olad, beside
# a minimal sender on the same machine in the same minute.
#
#   real_program_timing.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE [KEEP_DIR]
#
# The program runs in its own X server with a running light of 8 rows at
# 50 ms and Port=ola:1; "порт" and "пуск" are clicked, and a listener
# records 20 s of DMX frames while `ola_probe send` plays the same light on
# universe 2 under a second listener, so that both meet the same machine in
# the same seconds. Then "пауза" is ticked for 5 s. Prints both side by side
# and judges the program against the sender.
#
#   STRESS_CPUS=2   keeps that many cores busy with stress-ng meanwhile
#                   (olad and the listeners run at SCHED_FIFO 50 always, so
#                   that the measuring path is not the limit);
#   PLAYER=1        times `lampotron --play` (the whole process at SCHED_FIFO
#                   50, as the service runs it) instead of the window;
#   PATTERN=1       with PLAYER=1: plays rows on their own times instead, 25 ms
#                   ones mixed with 10 ms and 500 ms ones, and the sender the
#                   same rows.
#
# A benchmark: it exits
# 0 whenever it measured, whatever the figures. With KEEP_DIR, the frames
# each listener received and the logs are left there to look into.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" != "--beside-olad" ]; then
  [ $# -eq 2 ] || [ $# -eq 3 ] || { echo "usage: $0 PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE [KEEP_DIR]" >&2; exit 2; }
  keep=
  if [ $# -eq 3 ]; then mkdir -p "$3"; keep=$(realpath "$3"); fi
  for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "missing $tool: run scripts/setup.sh" >&2; exit 1; }
  done
  exec bash "$here/ola/private_olad.sh" bash "$0" --beside-olad "$(realpath "$1")" "$(realpath "$2")" "$keep"
fi
program=$2
probe=$3
keep=$4

period_ms=50
playing_s=20
paused_s=5
ticks_per_second=$(getconf CLK_TCK)

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  if [ -n "$keep" ]; then cp "$work"/*.frames "$work"/*.log "$keep"/ 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=ola/x_and_listener.sh
. "$here/ola/x_and_listener.sh"
start_x
pids+=("$xvfb_pid")

mkdir -p "$work/app" "$work/config/Lampotron"
cp "$program" "$work/app/lampotron"
pattern=${PATTERN:-0}
rows_plan=$period_ms
if [ "$pattern" = 1 ]; then
  # Every row different, so that the listener can tell which one it hears.
  rows_plan=$work/rows
  for ((row = 1; row <= 19; row++)); do
    cells=$(for ((k = 0; k < 8; k++)); do printf '%d' $(((row >> k) & 1)); done)
    case $row in 7|8|9|15|16|17) ms=10 ;; 12) ms=500 ;; *) ms=25 ;; esac
    printf '%s %d\r\n' "$cells" "$ms"
  done > "$rows_plan"
  cp "$rows_plan" "$work/app/Data.inf"
else
  for row in 10000000 01000000 00100000 00010000 00001000 00000100 00000010 00000001; do
    printf '%s\r\n' "$row"
  done > "$work/app/Data.inf"
fi
printf '[Setting]\nSpeed=%d\nPort=ola:%d\n' "$period_ms" "$OLA_UNIVERSE" > "$work/config/Lampotron/Lampotron.conf"

# Busy CPU time of a process in clock ticks, from utime and stime.
cpu_ticks() { awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat"; }
now_seconds() { awk '{ print $1 }' /proc/uptime; }
# share_since TICKS SECONDS PID: the share of a core PID used since then, in %.
share_since() {
  awk -v ticks="$1" -v since="$2" -v now="$(now_seconds)" -v busy="$(cpu_ticks "$3")" -v hz="$ticks_per_second" \
    'BEGIN { printf "%.2f", 100 * (busy - ticks) / hz / (now - since) }'
}

# alive NAME PID: a measurement is void if what it measures has gone.
alive() { kill -0 "$2" 2>/dev/null || { echo "FAIL: $1 ended during the measurement" >&2; exit 1; }; }

stress_cpus=${STRESS_CPUS:-0}
player=${PLAYER:-0}
if [ "$pattern" = 1 ]; then player=1; fi
if [ "$stress_cpus" -gt 0 ]; then
  command -v stress-ng >/dev/null || { echo "missing stress-ng: run scripts/setup.sh test" >&2; exit 1; }
  stress-ng --cpu "$stress_cpus" --quiet &
  pids+=($!)
fi
# The measuring path, olad and the listeners, at real-time priority, so that
# what it hears is the program's timing and not the machine's other work.
chrt -f -p 50 "$OLAD_PID" >/dev/null
listen_at_priority() {
  listen "$@"
  chrt -f -p 50 "${listeners[-1]}" >/dev/null
}

# Each share of a core is taken over the steady part of its interval.
settle_s=0.5
if [ "$player" = 1 ]; then
  listen_at_priority playing
  listen_at_priority sender $((OLA_UNIVERSE + 1))
  chrt -f 50 env -u DISPLAY XDG_CONFIG_HOME="$work/config" "$work/app/lampotron" --play 2> "$work/lampotron.log" &
  app_pid=$!
  pids+=("$app_pid")
else
  # The program as a user starts it: no session bus, the default X platform.
  unset DBUS_SESSION_BUS_ADDRESS
  start_program "$work/app/lampotron"
  app_pid=$pid
  pids+=("$app_pid")
  sleep "$settle_s"
  click 60 18    # порт
  sleep "$settle_s"
  # The sender plays on the next universe in the same seconds, so that both
  # meet the same machine.
  listen_at_priority playing
  listen_at_priority sender $((OLA_UNIVERSE + 1))
  click 60 39    # пуск
fi
"$probe" send $((OLA_UNIVERSE + 1)) "$rows_plan" "$playing_s" > "$work/sender.log" &
sender_pid=$!
sleep "$settle_s"
since=$(now_seconds); app_ticks=$(cpu_ticks "$app_pid"); sender_ticks=$(cpu_ticks "$sender_pid")
olad_ticks=$(cpu_ticks "$OLAD_PID"); xvfb_ticks=$(cpu_ticks "$xvfb_pid")
sleep "$(awk -v a="$playing_s" -v b="$settle_s" 'BEGIN { print a - 2 * b }')"
alive lampotron "$app_pid"; alive olad "$OLAD_PID"; alive Xvfb "$xvfb_pid"; alive "ola_probe send" "$sender_pid"
app_playing=$(share_since "$app_ticks" "$since" "$app_pid")
sender_playing=$(share_since "$sender_ticks" "$since" "$sender_pid")
olad_playing=$(share_since "$olad_ticks" "$since" "$OLAD_PID")
xvfb_playing=$(share_since "$xvfb_ticks" "$since" "$xvfb_pid")
wait "$sender_pid"
stop_listening

app_paused=n/a frames_paused=n/a
if [ "$player" != 1 ]; then
  click 60 82    # пауза
  sleep "$settle_s"
  listen paused
  since=$(now_seconds); app_ticks=$(cpu_ticks "$app_pid")
  sleep "$paused_s"
  alive lampotron "$app_pid"
  app_paused=$(share_since "$app_ticks" "$since" "$app_pid")
  stop_listening
  frames_paused=$(grep -vc '^ready$' "$work/paused.frames" || true)
fi
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true

app_steps=$("$probe" steps "$rows_plan" < "$work/playing.frames")
sender_steps=$("$probe" steps "$rows_plan" < "$work/sender.frames")
# figure STEPS NAME: one value of a `steps` line.
figure() { tr ' ' '\n' <<< "$1" | sed -n "s/^$2=//p"; }

line() { printf '| %-14s | %17s | %10s | %10s | %12s | %18s | %11s | %10s |\n' "$@"; }
row() {
  line "$1" "$(figure "$2" median_ms) ms" "$(figure "$2" p99_ms) ms" "$(figure "$2" max_ms) ms" \
    "$(figure "$2" mean_step_ms) ms" "$(figure "$2" frames_per_row) ($(figure "$2" frames)/$(figure "$2" rows))" "$3" "$4"
}
echo
echo "Rows $([ "$pattern" = 1 ] && echo "on their own times (25 ms, 10 ms and 500 ms)" || echo "of a running light at $period_ms ms"), as a listener registered with olad received them ($playing_s s each),"
echo "from the $([ "$player" = 1 ] && echo "player without a window" || echo window), with $stress_cpus cores kept busy by stress-ng;"
echo "DMX frames per row: frames/rows between the first and the last row change."
echo
line "" "step error median" p99 max "mean step" "DMX frames per row" "CPU playing" "CPU paused"
echo "|----------------|-------------------|------------|------------|--------------|--------------------|-------------|------------|"
row lampotron "$app_steps" "$app_playing %" "$app_paused$([ "$player" = 1 ] || echo " %")"
row "ola_probe send" "$sender_steps" "$sender_playing %" "n/a"
echo
echo "While both played: olad used $olad_playing %, Xvfb $xvfb_playing % of a core."
echo "While it was paused: $frames_paused DMX frames."
echo "The sender $(sed -n "s/^sent [^;]*; //p" "$work/sender.log")."
echo

# judge TEXT CONDITION: prints the target and whether awk finds CONDITION true.
judge() {
  local verdict
  verdict=$(awk "BEGIN { print ($2) ? \"met\" : \"NOT met\" }")
  printf "%-8s %s\n" "$verdict" "$1"
}
median=$(figure "$app_steps" median_ms)
p99=$(figure "$app_steps" p99_ms)
sender_p99=$(figure "$sender_steps" p99_ms)
mean=$(figure "$app_steps" mean_step_ms)
mean_error=$(figure "$app_steps" mean_error_pct)
if [ "$pattern" = 1 ]; then
  p99_goal=$([ "$stress_cpus" -gt 0 ] && echo 1.5 || echo 1)
  judge "step error median $median ms ≤ 0.1 ms" "$median <= 0.1"
  judge "p99 $p99 ms ≤ $p99_goal ms" "$p99 <= $p99_goal"
  judge "mean step length within 0.05 % of the planned ($mean_error %)" "$mean_error <= 0.05 && $mean_error >= -0.05"
else
  judge "step error median $median ms ≤ 0.15 ms" "$median <= 0.15"
  judge "p99 $p99 ms ≤ 1.5 × the sender's $sender_p99 ms" "$p99 <= 1.5 * $sender_p99"
  judge "p99 $p99 ms ≤ 1.5 ms" "$p99 <= 1.5"
  judge "mean step $mean ms within 0.05 % of $period_ms ms" \
    "($mean - $period_ms) <= 0.0005 * $period_ms && ($period_ms - $mean) <= 0.0005 * $period_ms"
fi
judge "DMX frames $(figure "$app_steps" frames) for rows $(figure "$app_steps" rows): exactly one per row" \
  "$(figure "$app_steps" frames) == $(figure "$app_steps" rows)"
judge "CPU while playing $app_playing % ≤ 1 % of a core" "$app_playing <= 1"
# One clock tick in the paused interval is the finest /proc can tell.
if [ "$player" != 1 ]; then
  judge "CPU while paused $app_paused % about 0 (at most one tick in ${paused_s} s)" \
    "$app_paused <= 100 / ($ticks_per_second * $paused_s)"
fi
