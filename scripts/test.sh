#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless; then the
# unit tests again under the sanitizers, and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh test
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)"

# The unit tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
cd ..
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLAMPOTRON_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$(nproc)"
(cd build-sanitize && UBSAN_OPTIONS=print_stacktrace=1 ctest -L unit --output-on-failure -j"$(nproc)")

# A short fuzz run of every target; scripts/fuzz.sh alone runs longer.
scripts/fuzz.sh 20
