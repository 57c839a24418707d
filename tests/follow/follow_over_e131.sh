#!/usr/bin/env bash
# Two boxes on one network: a leader in box A plays on universe 1, which its
# olad sends over E1.31; two followers in box B take it from their olad and
# drive universes 2 and 3. First the network alone carries frames from
# ola_streaming_client; then every leader row must reach both followers in
# order, none lost, none doubled, for a minute at 50 ms, the shortest step the player plays; with the leader
# killed both go dark after 2.5 s, and follow again when it is back.
# Both followers take channel 1: the leader drives only channels 1-8, so a
# follower from channel 9 would see nothing but zeros. One names the
# channel (ola:1@1), the other leaves it to the default (ola:1).
#   follow_over_e131.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE
set -euo pipefail
lampotron=$1 probe=$2
# shellcheck source=two_boxes.sh
. "$(dirname "$0")/two_boxes.sh"
two_boxes_enter "$0" "$@"

doing="making the two boxes and their olads"
two_boxes_up
two_olads
listen a a1 1
listen b b1 1

doing="sending the counter with ola_streaming_client from box A to box B"
stream_counter 5 || fail "ola_streaming_client failed"
plumbing_ends() { [ "$(changes b1 | tail -n 1 | cut -d' ' -f2)" = "$(changes a1 | tail -n 1 | cut -d' ' -f2)" ]; }
wait_for 5 "box B to have the last row box A sent" plumbing_ends || true
follows a1 b1 0 "$(last_stamp a1)" || fail "box B's olad did not get what box A's sent"
echo "E1.31 from olad A to olad B: $(summary "$work/b1.delays")"

"$lampotron" --help 2>&1 | grep -q -- --follow || skip "this Lampotron cannot follow"

# lit_after NAME STAMP: the recording has a lit row after the stamp.
lit_after() { changes "$1" "$2" | grep -qv ' 0*$'; }
# dark_after NAME STAMP: the recording's last row is dark and came after the stamp.
dark_after() { changes "$1" "$2" | tail -n 1 | grep -q ' 0*$'; }

doing="starting the followers in box B"
start_followers

doing="following the leader for 60 s"
start_leader
wait_for 10 "the followers' first lit rows" eval 'lit_after b2 "$since" && lit_after b3 "$since"' ||
  fail "the followers do not follow"
sleep 60
kill -0 "$leader" 2>/dev/null || fail "the leader ended by itself"
{ kill -KILL "$leader" && wait "$leader"; } 2>/dev/null || true
sleep 0.5
played=$(last_stamp a1)
for follower in b2 b3; do
  follows a1 "$follower" "$since" "$played" || fail "$follower did not follow the leader row for row"
  echo "leader's olad to $follower: $(summary "$work/$follower.delays")"
done
rows=$(wc -l < "$work/a1.rows")
[ "$rows" -ge 1000 ] || fail "the leader played only $rows rows in 60 s at 50 ms"

doing="waiting for the followers to go dark after the leader was killed"
for follower in b2 b3; do
  wait_for 10 "$follower to go dark" dark_after "$follower" "$played" || fail "$follower stayed lit"
  dark=$(changes "$follower" "$played" | tail -n 1 | cut -d' ' -f1)
  after=$(awk -v from="$played" -v to="$dark" 'BEGIN { printf "%.3f", (to - from) / 1e9 }')
  echo "$follower dark $after s after the leader's last frame"
  # Not before 2.5 s either, but A's listener may stamp the last frame
  # somewhat later than the follower got it over the network.
  awk -v s="$after" 'BEGIN { exit !(s >= 2.4 && s <= 2.7) }' ||
    fail "$follower went dark $after s after the leader's last frame, not within 2.4 to 2.7 s"
done
for follower in follower2 follower3; do
  wait_for 5 "$follower to log the silence" logged "$follower" \
    "No data from universe 1 since [0-2][0-9]:[0-5][0-9]:[0-5][0-9]; every line is low\." ||
    fail "$follower did not log that the data stopped"
done

doing="following the leader again after it came back"
start_leader
wait_for 10 "the followers' lit rows again" eval 'lit_after b2 "$since" && lit_after b3 "$since"' ||
  fail "the followers did not follow the leader when it came back"
for follower in follower2 follower3; do
  wait_for 5 "$follower to log the data again" logged "$follower" "Data from universe 1 again; following\." ||
    fail "$follower did not log that the data came again"
done
sleep 5
kill -TERM "$leader"
wait "$leader" || fail "the leader ended with code $? on SIGTERM"
sleep 0.5
for follower in b2 b3; do
  follows a1 "$follower" "$since" "$(last_stamp a1)" || fail "$follower did not follow the leader row for row again"
done
echo "PASS: both followers followed the leader, went dark without it, and followed it again"
