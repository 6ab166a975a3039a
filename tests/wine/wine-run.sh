#!/usr/bin/env bash
# Runs a Windows executable under Wine in the environment that wine-env.sh start prepared:
#   wine-run.sh DIR PROGRAM.exe [ARGS...]
# The exit status is the program's, so a failing or crashing test fails its ctest entry.
set -u
dir=${1:?usage: wine-run.sh DIR PROGRAM [ARGS...]}
shift
state="$dir/state"
if [ ! -f "$state" ]; then
  echo "wine-run.sh: no Wine environment in $dir; run 'wine-env.sh start $dir' first" >&2
  exit 125
fi
# shellcheck disable=SC1090
. "$state"
export DISPLAY WINEPREFIX="$dir/prefix" WINEARCH=win32 WINEDEBUG=-all LC_ALL=C.UTF-8
exec wine "$@"
