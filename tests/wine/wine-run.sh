#!/usr/bin/env bash
# Runs a Windows executable under Wine in the environment that wine-env.sh start prepared:
#   wine-run.sh DIR PROGRAM.exe [ARGS...]
# The exit status is the program's, so a failing or crashing test fails its ctest entry. A crash
# that Wine reports after the program has already set a zero exit status (in a thread, or while
# the process ends) fails the run too.
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
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
# Standard error also goes through tee, so the crash report can be looked for; standard output
# stays apart.
{ wine "$@" 2>&1 1>&3 3>&- | tee "$errors" >&2 3>&-; } 3>&1
status=${PIPESTATUS[0]}
if [ $status -eq 0 ] && grep -q -E '^(wine: )?Unhandled (exception|page fault)' "$errors"; then
  echo "wine-run.sh: the program crashed although it exited with status 0" >&2
  status=1
fi
exit $status
