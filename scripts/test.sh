#!/usr/bin/env bash
# Sets up, builds and runs every test (preset "default", or "asan").
set -euo pipefail
preset=${1:-default}
cd "$(dirname "$0")/.."
scripts/setup.sh "$preset"
ctest --preset "$preset" -j2
