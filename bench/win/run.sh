#!/usr/bin/env bash
# Runs one Windows benchmark under Wine, on a display of its own:
#   bench/win/run.sh BUILD_DIR [PROGRAM [ARGS...]]
# PROGRAM defaults to skin_paint_bench; take the machine's build lock around it.
set -eu
build=$(cd "${1:?usage: run.sh BUILD_DIR [PROGRAM [ARGS...]]}" && pwd)
shift
program=${1:-skin_paint_bench}
[ $# -gt 0 ] && shift
here=$(cd "$(dirname "$0")" && pwd)
env_dir="$build/wine-bench"
"$here/../../tests/wine/wine-env.sh" start "$env_dir" >/dev/null
trap '"$here/../../tests/wine/wine-env.sh" stop "$env_dir"' EXIT
"$here/../../tests/wine/wine-run.sh" "$env_dir" "$build/bench/win/$program.exe" "$@"
