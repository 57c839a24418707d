# Two boxes on one network, for a leader and its followers: network
# namespaces A and B joined by a veth pair (10.213.0.1 and 10.213.0.2, seen
# nowhere else), an olad in each with its E1.31 plugin on the veth, and
# listeners that stamp every frame on CLOCK_MONOTONIC, which both namespaces
# share. Source it from a script that needs $probe (ola_probe) and runs
# two_boxes_enter "$0" "$@" first; the boxes go when the script ends.

# shellcheck source=../../bench/ola/waiting.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../bench/ola/waiting.sh"

skip() { echo "SKIPPED: $*" >&2; exit 77; }
# What the script is doing, for the words of a failure.
doing="starting"
fail() { echo "FAIL while $doing: $*" >&2; exit 1; }

# two_boxes_enter SCRIPT [ARGS...]: runs SCRIPT again in a mount namespace of
# its own, where /run/lock is private (players here lock universes no player
# outside meets) and the namespaces' names stay unseen; a no-op once there.
two_boxes_enter() {
  if [ -n "${TWO_BOXES_INSIDE:-}" ]; then
    unset TWO_BOXES_INSIDE
    mount -t tmpfs -o mode=1777 private-locks /run/lock
    work=$(mktemp -d)
    chmod 755 "$work" # olad, as user olad, reads its config in here
    trap two_boxes_down EXIT
    trap 'exit 143' TERM INT HUP
    return
  fi
  [ "$(id -u)" -eq 0 ] || skip "needs root, for network namespaces and to start olad as user olad"
  local tool
  for tool in ip olad ola_patch ola_dev_info ola_streaming_client setpriv unshare chrt python3; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/setup.sh installs it)"
  done
  id olad >/dev/null 2>&1 || skip "there is no user olad (package ola creates it)"
  TWO_BOXES_INSIDE=1 exec unshare --mount --propagation private bash "$@"
}

declare -A netns=([a]="lampotron-follow-$$-a" [b]="lampotron-follow-$$-b")
declare -A address=([a]=10.213.0.1 [b]=10.213.0.2)
started=()

# Every exit path: processes first (a namespace lives while one is inside),
# then the namespaces, which take the veth pair with them, then the files.
two_boxes_down() {
  local status=$? pid log
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ]; then
    echo "Failed while $doing; the end of each log:" >&2
    for log in "$work"/*.log; do [ -f "$log" ] && { echo "--- ${log##*/}"; tail -n 15 "$log"; } >&2; done
  fi
  for pid in "${started[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
  for pid in "${started[@]}"; do
    timeout 5 tail --pid="$pid" -f /dev/null 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
  done
  # Whatever they left behind in the boxes, at real-time priority perhaps.
  local box
  for box in a b; do
    for pid in $(ip netns pids "${netns[$box]}" 2>/dev/null); do kill -KILL "$pid" 2>/dev/null || true; done
    ip netns delete "${netns[$box]}" 2>/dev/null || true
  done
  rm -rf "$work"
}

# in_box a|b COMMAND...: runs COMMAND in that box's network namespace.
in_box() { ip netns exec "${netns[$1]}" "${@:2}"; }

# start_in_box a|b OUT ERR COMMAND...: starts COMMAND in the box, its output
# and errors to the files OUT and ERR; sets last_started to its PID (ip
# execs the command) and stops it when the script ends.
start_in_box() {
  ip netns exec "${netns[$1]}" "${@:4}" > "$2" 2> "$3" &
  last_started=$!
  started+=("$last_started")
}

# two_boxes_up: the namespaces, the veth pair between them with multicast
# routed over it, and loopback for each olad's clients.
two_boxes_up() {
  ip netns add "${netns[a]}" 2>"$work/netns.err" || skip "cannot make a network namespace: $(cat "$work/netns.err")"
  ip netns add "${netns[b]}"
  ip -n "${netns[a]}" link add veth-a type veth peer name veth-b netns "${netns[b]}"
  local box
  for box in a b; do
    ip -n "${netns[$box]}" link set lo up
    ip -n "${netns[$box]}" addr add "${address[$box]}/24" dev "veth-$box"
    ip -n "${netns[$box]}" link set "veth-$box" up
    ip -n "${netns[$box]}" route add 239.255.0.0/16 dev "veth-$box"
  done
  veth_up() { ip -n "${netns[a]}" -o link show veth-a | grep -q "state UP" && ip -n "${netns[b]}" -o link show veth-b | grep -q "state UP"; }
  wait_for 10 "both ends of the veth pair to be up" veth_up
}

# start_olad a|b: an olad in the box with only its E1.31 plugin, on the
# box's veth address; returns once it lists the device. Its log is
# $work/olad-BOX.log.
start_olad() {
  local box=$1 config=$work/olad-$1
  mkdir -m 755 "$config"
  local plugin
  for plugin in artnet dummy espnet ftdidmx gpio karate kinet milinst opendmx openpixelcontrol \
                osc pathport renard sandnet shownet spi stageprofi uartdmx usbdmx usbserial; do
    echo "enabled = false" > "$config/ola-$plugin.conf"
  done
  printf 'enabled = true\nip = %s\n' "${address[$box]}" > "$config/ola-e131.conf"
  chown -R olad "$config"
  # setpriv execs olad, so the PID is the daemon's own. OLAD_FIFO=PRIORITY
  # runs both olads at that real-time priority, as a box under load may.
  start_in_box "$box" /dev/null "$work/olad-$box.log" ${OLAD_FIFO:+chrt -f "$OLAD_FIFO"} setpriv --reuid olad --regid olad --init-groups -- \
    olad --config-dir "$config" --no-http --no-register-with-dns-sd --log-level 3
  # OLA's tools start an olad of their own when none answers: ask only once
  # this one listens.
  olad_ready() {
    in_box "$box" bash -c ': </dev/tcp/127.0.0.1/9010' 2>/dev/null &&
      in_box "$box" ola_dev_info > "$config/devices" 2>/dev/null &&
      grep -q "E1.31" "$config/devices"
  }
  wait_for 20 "olad in box $box to list its E1.31 device" olad_ready
}

# patch a|b out|in PORT UNIVERSE: patches that port of the box's E1.31 device.
patch() {
  local device direction=()
  device=$(awk '$1 == "Device" && $3 == "E1.31" { sub(":", "", $2); print $2; exit }' "$work/olad-$1/devices")
  [ "$2" = in ] && direction=(--input)
  in_box "$1" ola_patch --device "$device" --port "$3" "${direction[@]}" --universe "$4"
}

# two_olads: A sends universe 1 over E1.31; B takes universe 1 from E1.31.
# B's outputs for the followers, universes 2 and 3, are E1.31 ports too:
# nobody listens to them on the network, but each costs what a real
# output costs, both the same.
two_olads() {
  start_olad a
  start_olad b
  patch a out 0 1
  patch b in 0 1
  patch b out 0 2
  patch b out 1 3
}

# listen a|b NAME UNIVERSE: records every frame the box's olad hands on for
# the universe into $work/NAME.frames.
listen() {
  start_in_box "$1" "$work/$2.frames" "$work/$2.log" "$probe" listen "$3"
  wait_for 5 "the listener $2 to register" grep -qs '^ready$' "$work/$2.frames"
}

# changes NAME [FROM_NS [TO_NS]]: "<stamp ns> <row>" for every frame of the
# recording whose row differs from the one before, row as "10000000" (255
# is 1, 0 is 0, anything else ?), between the two stamps if given.
changes() {
  awk -v from="${2:-0}" -v to="${3:-9e18}" '
    $1 == "ready" { next }
    { row = ""; for (k = 2; k <= 9; k++) row = row ($k == 255 ? 1 : $k == 0 ? 0 : "?")
      if (row != last && $1 + 0 >= from + 0 && $1 + 0 <= to + 0) print $1, row
      last = row }' "$work/$1.frames"
}

# frames NAME FROM_NS TO_NS: how many frames the recording has between the stamps.
frames() {
  awk -v from="$2" -v to="$3" '$1 != "ready" && $1 + 0 >= from + 0 && $1 + 0 <= to + 0 { n++ } END { print n + 0 }' "$work/$1.frames"
}

# last_stamp NAME: the stamp of the recording's last frame.
last_stamp() { awk '$1 != "ready" { last = $1 } END { print last }' "$work/$1.frames"; }

# follows LEADER FOLLOWER FROM_NS TO_NS: whether the follower's recording
# has the leader's rows between the stamps (and up to a second later), in
# order, none lost, none doubled: it writes changes only, so no frame may
# repeat the one before. Dark rows before the first lit one are left out on
# both sides. Writes each row's delay in ms to $work/FOLLOWER.delays and
# says where the first difference is.
follows() {
  local leader=$1 follower=$2 from=$3 to=$4
  local until=$((to + 1000000000))
  lit_onwards() { awk 'lit || $2 !~ /^0+$/ { lit = 1; print }'; }
  changes "$leader" "$from" "$to" | lit_onwards > "$work/$leader.rows"
  changes "$follower" "$from" "$until" | lit_onwards > "$work/$follower.rows"
  [ -s "$work/$leader.rows" ] || { echo "FAIL: $leader has no lit row to follow" >&2; return 1; }
  local heard changed
  heard=$(frames "$follower" "$from" "$until")
  changed=$(changes "$follower" "$from" "$until" | wc -l)
  [ "$heard" -eq "$changed" ] || { echo "FAIL: $follower wrote $((heard - changed)) frames that repeat the one before" >&2; return 1; }
  awk -v leader="$leader" -v follower="$follower" -v delays="$work/$follower.delays" '
    FNR == NR { stamp[FNR] = $1; row[FNR] = $2; rows = FNR; next }
    { n = FNR
      if (n > rows) { printf "FAIL: %s has row %d (%s) that %s never had\n", follower, n, $2, leader > "/dev/stderr"; bad = 1; exit }
      if ($2 != row[n]) { printf "FAIL: row %d: %s had %s, %s has %s\n", n, leader, row[n], follower, $2 > "/dev/stderr"; bad = 1; exit }
      printf "%.3f\n", ($1 - stamp[n]) / 1e6 > delays }
    END { if (!bad && n < rows) { printf "FAIL: %s lost rows from %d on (%s at %s); it has %d of %d\n", follower, n + 1, row[n + 1], stamp[n + 1], n, rows > "/dev/stderr"; bad = 1 }
          exit bad }' "$work/$leader.rows" "$work/$follower.rows"
}

# summary FILE: median, p99 and max of the numbers in FILE, one a line.
summary() {
  [ -s "$1" ] || { echo "no figures"; return; }
  sort -g "$1" | awk '{ v[NR] = $1 } END {
    if (!NR) { print "no figures"; exit }
    p99 = int(NR * 0.99 + 0.999); if (p99 > NR) p99 = NR
    printf "median %.3f ms, p99 %.3f ms, max %.3f ms (%d rows)\n", v[int((NR + 1) / 2)], v[p99], v[NR], NR }'
}

# counter_rows FORMAT: the 255 lit patterns of channels 1-8 as an 8-bit
# counter, one a line, as a scheme ("10000000") or as ola_streaming_client
# takes them ("255,0,0,0,0,0,0,0"). No two in a row are alike, so every
# step is a change a listener sees.
counter_rows() {
  awk -v format="$1" 'BEGIN { for (n = 1; n <= 255; n++) { row = ""
    for (k = 0; k < 8; k++) { bit = int(n / 2 ^ k) % 2
      row = row (format == "scheme" ? bit : (k ? "," : "") (bit ? 255 : 0)) }
    printf "%s%s", row, format == "scheme" ? "\r\n" : "\n" } }'
}

# stream_counter SECONDS: ola_streaming_client in box A sends universe 1
# the counter, a row every 25 ms on absolute deadlines, at the real-time
# priority a leader has.
stream_counter() {
  counter_rows client > "$work/counter.client"
  chrt -f 50 python3 -c 'import sys, time
rows = open(sys.argv[1]).read().split()
due = time.monotonic()
for row in range(int(sys.argv[2])):
    print(rows[row % len(rows)], flush=True)
    due += 0.025
    time.sleep(max(0.0, due - time.monotonic()))' "$work/counter.client" $(($1 * 40)) |
    in_box a chrt -f 50 timeout $(($1 * 2 + 30)) ola_streaming_client -u 1
}

# play a|b NAME ARGS...: lampotron --play ARGS in the box at real-time
# priority, as the service runs it, its log in $work/NAME.log.
play() {
  start_in_box "$1" /dev/null "$work/$2.log" chrt -f 50 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    XDG_CONFIG_HOME="$work/config-$2" XDG_DATA_HOME="$work/data-$2" "$lampotron" --play "${@:3}"
}
logged() { grep -q "$2" "$work/$1.log"; }

# start_leader: plays the counter at 50 ms, the shortest step it plays, on universe 1 of box A; sets
# leader and since, a stamp after every frame heard so far (a follower's
# copy of the last row comes after the leader's) and before its first.
start_leader() {
  [ -f "$work/counter.inf" ] || counter_rows scheme > "$work/counter.inf"
  local name latest=0
  for name in a1 b1 b2 b3; do
    [ -f "$work/$name.frames" ] && latest=$(printf '%s\n' "$latest" "$(last_stamp "$name")" | sort -g | tail -n 1)
  done
  since=$((latest + 1))
  play a leader --port ola:1 --speed 50 --scheme "$work/counter.inf"
  leader=$last_started
}

# start_followers: listeners on universes 2 and 3 of box B and a follower
# for each, both from channel 1: the leader drives channels 1-8 only. One
# names the channel, the other takes the default.
start_followers() {
  listen b b2 2
  listen b b3 3
  play b follower2 --follow ola:1@1 --port ola:2
  play b follower3 --follow ola:1 --port ola:3
  local follower
  for follower in follower2 follower3; do
    wait_for 10 "$follower to say what it follows" logged "$follower" "Following universe 1 from channel 1\."
  done
}
