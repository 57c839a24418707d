#!/usr/bin/env bash
# Builds the fuzz targets with clang into ./build-fuzz and runs each one for
# SECONDS_PER_TARGET (default 300) over a scratch copy of its corpus, so the
# inputs libFuzzer adds never land in tests/fuzz/corpus. Exits non-zero if a
# target finds anything; the input that did it is kept in build-fuzz/findings.
#
#   scripts/fuzz.sh [SECONDS_PER_TARGET]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
targets=(patternloader portsetting settingsstore scheduleentry requestbody fseqreader)

scripts/setup.sh test
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAMPOTRON_FUZZ=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

scratch=build-fuzz/scratch
findings=build-fuzz/findings
rm -rf "$scratch" "$findings"
mkdir -p "$scratch" "$findings"
# The targets write their files in memory where it can (every settings write
# is synced to disk, which would slow the run sixfold), and whatever a crash
# leaves there is removed all the same.
TMPDIR=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
export TMPDIR
trap 'rm -rf "$scratch" "$TMPDIR"' EXIT
# Freed memory stays poisoned for 16 MB of later frees, hundreds of inputs'
# worth, which keeps the leak checks between inputs quick. Without
# llvm-symbolizer, stacks are named through addr2line.
export ASAN_OPTIONS=quarantine_size_mb=16:allow_addr2line=1
export UBSAN_OPTIONS=print_stacktrace=1

found=0
for target in "${targets[@]}"; do
  corpus=$scratch/corpus-$target
  log=$scratch/$target.log
  mkdir -p "$corpus"
  cp tests/fuzz/corpus/"$target"/* "$corpus"/
  status=0
  build-fuzz/tests/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$findings/$target-" "$corpus" >"$log" 2>&1 || status=$?
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  per_second=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  coverage=$(grep -o 'cov: [0-9]* ft: [0-9]* corp: [0-9]*' "$log" | tail -n 1 || true)
  echo "fuzz_$target: ${executions:-?} executions in $seconds s (${per_second:-?}/s), $coverage"
  if [ "$status" -ne 0 ]; then
    found=1
    echo "fuzz_$target FOUND SOMETHING (exit $status):"
    tail -n 80 "$log"
    ls "$findings/$target"-* 2>/dev/null | sed 's/^/  kept: /' || true
  fi
done
[ "$found" -eq 0 ] && echo "Nothing found."
exit "$found"
