#!/usr/bin/env bash
# Sets up the machine, builds the Windows program and starts it under Wine.
#   With a screen ($DISPLAY set and reachable): the program runs until you close it.
#   Without one: it starts on a virtual display (Xvfb), the main window is photographed as it
#   comes up, "Create" is pressed to bring up the sign-up window, which is photographed too;
#   both pictures go side by side into one PNG whose name is printed, then the program is
#   closed. Exit status 0 when all of that worked.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target Quillmar >/dev/null
program=build/windows/app/Quillmar.exe

wine_dir="$root/build/windows/wine-run"
if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
  tests/wine/wine-env.sh start "$wine_dir" >/dev/null
  trap 'tests/wine/wine-env.sh stop "$wine_dir"' EXIT
  tests/wine/wine-run.sh "$wine_dir" "$program"
  exit $?
fi

unset DISPLAY
tests/wine/wine-env.sh start "$wine_dir" >/dev/null
# shellcheck disable=SC1091
. "$wine_dir/state"
export DISPLAY WINEPREFIX="$wine_dir/prefix" WINEARCH=win32 WINEDEBUG=-all LC_ALL=C.UTF-8
shots=$(mktemp -d)
pid=""
cleanup() {
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$shots"
  tests/wine/wine-env.sh stop "$wine_dir"
}
trap cleanup EXIT

wine "$program" >"$shots/program.log" 2>&1 &
pid=$!

# The id of the visible window titled exactly $1, waiting up to 30 seconds for it.
visible_window() {
  local id
  for ((i = 0; i < 300; i++)); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "run.sh: no window \"$1\" appeared; the program said:" >&2
  cat "$shots/program.log" >&2
  return 1
}

main=$(visible_window "Quillmar Shopping Cart 1.0")
sleep 1 # the first paint of every control
import -window "$main" "$shots/main.png"

# "Create" on the "Create Account" page the program starts on: its place in the window at the
# virtual display's 96 pixels per inch.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove $((X + 452)) $((Y + 161)) click 1
signup=$(visible_window "Create Quillmar Account Form")
sleep 1
import -window "$signup" "$shots/signup.png"

out="$root/build/quillmar-windows.png"
convert "$shots/main.png" "$shots/signup.png" -bordercolor '#3a3a3a' -border 10 \
  -background '#3a3a3a' +append "$out"

# The caption's close button of each window: the sign-up window hides (it covers the main
# window's button), then closing the main window ends the program.
close_window() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH - 15)) $((Y + 15)) click 1
  sleep 0.5
}
close_window "$signup"
close_window "$main"
for ((i = 0; i < 100; i++)); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "run.sh: the program did not end when its main window was closed" >&2
  exit 1
fi
wait "$pid" || true
pid=""
echo "Screenshot of both windows: $out"
