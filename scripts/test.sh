#!/usr/bin/env bash
# The whole test suite: sets up the machine, builds the release and sanitize presets and runs
# every test of both (the sanitize run also replays and briefly runs each fuzz target).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh release sanitize
status=0
for preset in release sanitize; do
  echo "== tests: $preset"
  ctest --preset "$preset" || status=1
done
exit $status
