#!/usr/bin/env bash
# Pictures of a skinned window in each state, taken from the Xvfb screen:
#   bench/win/shots.sh BUILD_DIR OUT_DIR
# BUILD_DIR is the Windows build (frame_shots.exe in bench/win); writes frame-STATE.png for
# every state.
set -eu
build=$(cd "${1:?usage: shots.sh BUILD_DIR OUT_DIR}" && pwd)
out=${2:?usage: shots.sh BUILD_DIR OUT_DIR}
mkdir -p "$out"
here=$(cd "$(dirname "$0")" && pwd)
env_dir="$build/wine-shots"
wine_env="$here/../../tests/wine/wine-env.sh"
wine_run="$here/../../tests/wine/wine-run.sh"
"$wine_env" start "$env_dir" >/dev/null
trap '"$wine_env" stop "$env_dir"' EXIT
. "$env_dir/state"
states="active inactive maximized rolled-up system-menu"
for s in $states; do
  log=$(mktemp)
  "$wine_run" "$env_dir" "$build/bench/win/frame_shots.exe" "$s" 2500 >"$log" 2>&1 &
  pid=$!
  for ((i = 0; i < 100; i++)); do
    grep -q "^ready" "$log" && break
    sleep 0.1
  done
  sleep 0.8
  if [ "$s" = maximized ]; then
    import -display "$DISPLAY" -window root "$out/frame-$s.png"
  else
    import -display "$DISPLAY" -window root -crop 760x380+0+0 +repage "$out/frame-$s.png"
  fi
  wait $pid || echo "frame_shots $s failed: $(cat "$log")" >&2
  rm -f "$log"
done
echo "pictures in $out"
