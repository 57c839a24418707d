#!/usr/bin/env bash
# What following costs: a leader in box A plays at 50 ms on universe 1,
# which its olad sends over E1.31; two followers in box B drive universes 2
# and 3. Prints the latency each follower adds (the leader's frame at its
# olad in A to the follower's frame at its output universe in B, both
# stamped by ola_probe on CLOCK_MONOTONIC, which the namespaces share) and
# the skew between the two followers, quiet and under stress-ng --cpu 2;
# beside it the network's own share, olad A to olad B, first with
# ola_streaming_client as the leader. Not a test: it prints figures.
#   [OLAD_FIFO=40] follow_latency.sh PATH_TO_LAMPOTRON PATH_TO_OLA_PROBE [SECONDS]
# OLAD_FIFO runs both olads at that real-time priority: under load, olad at
# its usual priority is what delays the rows, not the followers.
set -euo pipefail
lampotron=$1 probe=$2 seconds=${3:-30}
# shellcheck source=../../tests/follow/two_boxes.sh
. "$(dirname "$0")/../../tests/follow/two_boxes.sh"
two_boxes_enter "$0" "$@"

doing="making the two boxes and their olads"
two_boxes_up
two_olads
listen a a1 1
listen b b1 1
can_follow=1
"$lampotron" --help 2>&1 | grep -q -- --follow || can_follow=
if [ -n "$can_follow" ]; then
  doing="starting the followers in box B"
  start_followers
fi

# figures LEADER FOLLOWER FROM TO: the follower's delays, or how far it
# followed before it lost or changed a row (follows says which).
figures() {
  if follows "$@"; then
    summary "$work/$2.delays"
  else
    echo "NOT EVERY ROW ARRIVED; before that: $(summary "$work/$2.delays")"
  fi
}

# measure: one run of each leader, printing its figures.
measure() {
  doing="sending the counter with ola_streaming_client for $seconds s ($1)"
  local since
  since=$(($(last_stamp b1) + 1))
  stream_counter "$seconds"
  sleep 0.5
  rm -f "$work"/*.delays
  echo "  ola_streaming_client, olad A to olad B:  $(figures a1 b1 "$since" "$(last_stamp a1)")"
  [ -n "$can_follow" ] || return 0
  doing="playing the leader for $seconds s ($1)"
  start_leader
  sleep "$seconds"
  kill -TERM "$leader"
  wait "$leader" || fail "the leader ended with code $? on SIGTERM"
  sleep 0.5
  local played follower
  played=$(last_stamp a1)
  rm -f "$work"/*.delays
  echo "  leader, olad A to olad B:                $(figures a1 b1 "$since" "$played")"
  for follower in b2 b3; do
    echo "  leader to the follower on universe ${follower#b}:    $(figures a1 "$follower" "$since" "$played")"
  done
  if cmp -s <(cut -d' ' -f2 "$work/b2.rows") <(cut -d' ' -f2 "$work/b3.rows"); then
    paste -d' ' "$work/b2.rows" "$work/b3.rows" |
      awk '{ skew = ($3 - $1) / 1e6; print skew < 0 ? -skew : skew }' > "$work/skew"
    echo "  skew between the two followers:          $(summary "$work/skew")"
  else
    echo "  skew between the two followers: none, as they did not write the same rows"
  fi
}

echo "Quiet, $seconds s each:"
measure quiet
if command -v stress-ng >/dev/null; then
  # Bounded too, in case this script is killed before it stops it.
  stress-ng --cpu 2 --quiet --timeout $((seconds * 4 + 60)) &
  stress=$!
  started+=("$stress")
  echo "Under stress-ng --cpu 2, $seconds s each:"
  measure "under stress-ng"
  kill -INT "$stress"
  wait "$stress" || true
else
  echo "stress-ng is not installed (scripts/setup.sh test installs it): no figures under load"
fi
[ -n "$can_follow" ] || echo "This Lampotron cannot follow: only the network's figures."
