#!/usr/bin/env bash
# Sets up the machine, builds the host, sanitizer and Windows builds, and runs every test
# (the Windows tests under Wine, on an Xvfb display when there is no screen), then fuzzes every
# reader of outside bytes for a bounded time (QM_FUZZ_SECONDS per target, default 20).
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
echo "=== fuzzers"
bash fuzz/run-fuzzers.sh build/host-sanitize "${QM_FUZZ_SECONDS:-20}" || status=1
exit $status
