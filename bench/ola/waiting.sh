# What every test script and benchmark beside a daemon shares. Source it.

# A command that fails unchecked under set -e says where, rather than end
# the script without a word.
set -E
trap 'echo "FAIL: line $LINENO of ${BASH_SOURCE[0]##*/}: \"$BASH_COMMAND\" exited with $?" >&2' ERR

# wait_for SECONDS WHAT COMMAND...: waits until COMMAND succeeds, trying
# every 50 ms; after SECONDS it fails, saying what it waited for.
wait_for() {
  local seconds=$1 what=$2
  shift 2
  local tries=$((seconds * 20))
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || { echo "FAIL: waited ${seconds} s for $what" >&2; return 1; }
    sleep 0.05
  done
}
