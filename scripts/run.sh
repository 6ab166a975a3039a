#!/usr/bin/env bash
# Sets up the machine, builds the Windows program and runs it under Wine (on an Xvfb display
# when there is no screen). Arguments go to the program; without any, an example snippet.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target snippet >/dev/null

wine_dir="$PWD/build/windows/wine-run"
tests/wine/wine-env.sh start "$wine_dir" >/dev/null
trap 'tests/wine/wine-env.sh stop "$wine_dir"' EXIT
if [ $# -eq 0 ]; then
  set -- --kind single --email merchant@shop.example --return-url https://shop.example/thanks \
    --cancel-url https://shop.example/cart
fi
tests/wine/wine-run.sh "$wine_dir" build/windows/tools/snippet/snippet.exe "$@"
