#!/usr/bin/env bash
# Sets up the machine, builds the host, sanitizer and Windows builds, and runs every test
# (the Windows tests under Wine, on an Xvfb display when there is no screen).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

status=0
for preset in host host-sanitize windows; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" || status=1
done
exit $status
