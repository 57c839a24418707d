#!/usr/bin/env bash
# Installs what is missing, builds, and starts Lampotron.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
echo "The core is built; the program window comes with the next step of the work."
