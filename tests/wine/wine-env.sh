#!/usr/bin/env bash
# The environment the Windows tests run in: wine-env.sh start|stop DIR
#   start: a display (the caller's DISPLAY, or an Xvfb started on a free display number), a
#          32-bit Wine prefix in DIR/prefix (made once), and a persistent wineserver for the run;
#          what it started is written to DIR/state.
#   stop:  stops only what start started.
set -u
cmd=${1:?usage: wine-env.sh start|stop DIR}
dir=${2:?usage: wine-env.sh start|stop DIR}
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
state="$dir/state"

export WINEPREFIX="$dir/prefix" WINEARCH=win32 WINEDEBUG=-all LC_ALL=C.UTF-8

start() {
  local display="${DISPLAY:-}" xvfb_pid="" n
  if [ -z "$display" ]; then
    for ((n = 90; n < 200; n++)); do
      [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for ((i = 0; i < 100; i++)); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb failed:"; cat "$dir/xvfb.log"; return 1; }
      sleep 0.1
    done
    display=":$n"
  fi
  export DISPLAY="$display"
  printf 'DISPLAY=%s\nXVFB_PID=%s\nWINESERVER_STARTED=\n' "$display" "$xvfb_pid" >"$state"

  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # No Mono or Gecko installer prompts while the prefix is made: nothing here needs them.
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >"$dir/wineboot.log" 2>&1 ||
      { echo "wineboot failed:"; cat "$dir/wineboot.log"; return 1; }
    wineserver -w
  fi
  if [ ! -f "$WINEPREFIX/.qm-configured" ]; then
    # A crashing test must end at once with the exception as its exit status: no crash dialog,
    # no debugger attaching to it.
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
    wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
      /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.qm-configured"
  fi
  if [ ! -f "$WINEPREFIX/.qm-unmanaged" ]; then
    # No window manager runs on the test display: Wine would wait two seconds for one at every
    # hide of a captioned window. Wine places its windows itself instead.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.qm-unmanaged"
  fi
  # A persistent server keeps every test .exe from paying for a server start. When one already
  # runs for this prefix it is somebody else's, and stop leaves it alone.
  if wineserver -p </dev/null >/dev/null 2>&1; then
    sed -i 's/^WINESERVER_STARTED=.*/WINESERVER_STARTED=1/' "$state"
  fi
  # The first program in a prefix starts Wine's background services, which live as long as the
  # server and would keep that program's output pipes open: start them here, detached.
  wine cmd /c exit </dev/null >/dev/null 2>&1
  echo "Wine ready on display $display (prefix $WINEPREFIX)"
}

stop() {
  [ -f "$state" ] || return 0
  # shellcheck disable=SC1090
  . "$state"
  [ -n "$WINESERVER_STARTED" ] && wineserver -k 2>/dev/null
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
  rm -f "$state"
  return 0
}

case "$cmd" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: wine-env.sh start|stop DIR"; exit 2 ;;
esac
