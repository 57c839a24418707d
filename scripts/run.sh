#!/usr/bin/env bash
# Installs what is missing, builds, and starts Lampotron.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh run
scripts/build.sh
exec build/lampotron
