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
echo "=== the README's first command, as a newcomer runs it"
# Without a screen: the program starts on a virtual display, both windows are photographed
# into the PNG whose name it prints, and the program ends.
rm -f build/quillmar-windows.png
if env -u DISPLAY bash scripts/run.sh >build/run-sh.out 2>&1 &&
  shot=$(sed -n 's/^Screenshot of both windows: //p' build/run-sh.out) &&
  [ -n "$shot" ] && [ "$(identify -format %m "$shot" 2>/dev/null)" = PNG ]; then
  echo "scripts/run.sh: passed ($shot)"
else
  cat build/run-sh.out
  echo "scripts/run.sh: FAILED"
  status=1
fi
echo "=== fuzzers"
bash fuzz/run-fuzzers.sh build/host-sanitize "${QM_FUZZ_SECONDS:-20}" || status=1
exit $status
