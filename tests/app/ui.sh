# Driving a real Windows program under Wine as a user would: real X11 mouse and keyboard
# (xdotool), the clipboard read from the X side (xclip), pixels from the screen (ImageMagick),
# and the window tree read by uiprobe.exe (like a window-spy tool; it never sends input).
# Sourced by the end-to-end tests:   . ui.sh; ui_init WINE_DIR UIPROBE.exe
# Every wait polls with a timeout; a failed check ends the test with a message (ui_fail).

ui_init() {
  UI_WINE_DIR=$(cd "${1:?ui_init WINE_DIR UIPROBE}" && pwd)
  UI_PROBE=$(realpath "${2:?ui_init WINE_DIR UIPROBE}")
  if [ ! -f "$UI_WINE_DIR/state" ]; then
    echo "no Wine environment in $UI_WINE_DIR (wine-env.sh start)" >&2
    exit 125
  fi
  # shellcheck disable=SC1091
  . "$UI_WINE_DIR/state"
  export DISPLAY WINEPREFIX="$UI_WINE_DIR/prefix" WINEARCH=win32 LC_ALL=C.UTF-8
  export WINEDEBUG=${UI_WINEDEBUG:--all}
  UI_TMP=$(mktemp -d)
  UI_PID=""
  UI_FAILS=0
  trap ui_cleanup EXIT
}

ui_cleanup() {
  local status=$?
  [ -n "$UI_PID" ] && ui_kill_program
  rm -rf "$UI_TMP"
  [ $status -eq 0 ] && [ "$UI_FAILS" -ne 0 ] && status=1
  exit $status
}

ui_fail() {
  echo "FAIL: $*" >&2
  if [ -n "${UI_SHOT_ON_FAIL:-}" ]; then
    import -window root "$UI_SHOT_ON_FAIL" 2>/dev/null && echo "  screen: $UI_SHOT_ON_FAIL" >&2
  fi
  exit 1
}

# A check that lets the test go on, so one run shows every difference.
ui_check() {
  local what=$1
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAIL: $what" >&2
    UI_FAILS=$((UI_FAILS + 1))
  fi
}

# ui_start PROGRAM.exe [ARGS]: starts the program in the background; its output goes to
# $UI_TMP/program.log.
ui_start() {
  wine "$@" >"$UI_TMP/program.log" 2>&1 &
  UI_PID=$!
}

# The program's wine process has ended (the program ended): its exit status in UI_STATUS.
ui_program_ended() {
  kill -0 "$UI_PID" 2>/dev/null && return 1
  wait "$UI_PID"
  UI_STATUS=$?
  UI_PID=""
  return 0
}

ui_kill_program() {
  kill "$UI_PID" 2>/dev/null
  wait "$UI_PID" 2>/dev/null
  UI_PID=""
}

# ui_poll SECONDS COMMAND...: runs COMMAND until it succeeds or SECONDS pass.
ui_poll() {
  local limit=$1 deadline
  shift
  deadline=$(($(date +%s%N) + limit * 1000000000))
  while ! "$@"; do
    [ "$(date +%s%N)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

ui_probe() { wine "$UI_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# The X window of a visible top-level window by its exact title.
ui_xwindow() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
ui_visible() { [ -n "$(ui_xwindow "$1")" ]; }
ui_gone() { [ -z "$(ui_xwindow "$1")" ]; }

ui_wait_window() {
  ui_poll "${2:-20}" ui_visible_or_ended "$1"
  if ! ui_visible "$1"; then
    [ -f "$UI_TMP/program.log" ] && cat "$UI_TMP/program.log" >&2
    ui_fail "no window \"$1\" within ${2:-20} s"
  fi
}
ui_visible_or_ended() { ui_visible "$1" || ! kill -0 "$UI_PID" 2>/dev/null; }

# ui_tree TITLE: the window tree (uiprobe tree) into $UI_TREE.
ui_tree() {
  UI_TREE=$(ui_probe tree "$1") || ui_fail "cannot read the window tree of \"$1\""
}

# ui_controls TITLE CLASS-REGEX: the visible descendants whose class matches, sorted top to
# bottom then left to right, as "hwnd left top right bottom enabled text" lines.
ui_controls() {
  ui_tree "$1"
  awk -v re="$2" '$1 > 0 && $3 ~ re && $4 == 1 {
      text = ""; for (i = 11; i <= NF; ++i) text = text (i > 11 ? " " : "") $i
      print $2, $6, $7, $8, $9, $5, text }' <<<"$UI_TREE" | sort -k3,3n -k2,2n
}

# ui_control TITLE CLASS-REGEX TEXT [N]: the Nth (from 1) visible control with that class and
# window text; sets UI_HWND, UI_X, UI_Y (its centre) and UI_ENABLED.
ui_control() {
  local line
  line=$(ui_controls "$1" "$2" | awk -v t="$3" '{ s = ""; for (i = 7; i <= NF; ++i)
      s = s (i > 7 ? " " : "") $i; if (s == t) print }' | sed -n "${4:-1}p")
  [ -n "$line" ] || ui_fail "no visible control \"$3\" ($2) in \"$1\""
  read -r UI_HWND l t r b UI_ENABLED _ <<<"$line"
  UI_X=$(((l + r) / 2))
  UI_Y=$(((t + b) / 2))
}

# The client origin of a top-level window (screen coordinates), from the tree's first line.
ui_client_origin() {
  ui_tree "$1"
  read -r UI_CX UI_CY <<<"$(head -1 <<<"$UI_TREE" | cut -f2)"
}

ui_focused() { ui_probe focus "$1" | cut -d' ' -f1; }
ui_active() { ui_probe focus "$1" | cut -d' ' -f2; }

ui_click() { xdotool mousemove --sync "$1" "$2" click 1; }

# ui_activate TITLE: gives the window the keyboard focus as a click on it would.
ui_activate() {
  local w
  w=$(ui_xwindow "$1")
  [ -n "$w" ] || ui_fail "no window \"$1\" to activate"
  xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
}

ui_key() { xdotool key --delay 30 "$@"; }
ui_type() { xdotool type --delay 20 -- "$1"; }

# The clipboard as other programs see it. ui_clip_mark puts a marker there, so that
# ui_clip_wait can tell a new copy from the old content.
ui_clip() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }
ui_clip_mark() {
  # xclip stays behind to serve the selection: it must not hold the caller's output open.
  printf 'clipboard-marker-%s' "$$" | timeout 5 xclip -i -selection clipboard >/dev/null 2>&1
}
ui_clip_changed() { [ "$(ui_clip)" != "clipboard-marker-$$" ]; }
ui_clip_wait() {
  ui_poll "${1:-5}" ui_clip_changed || ui_fail "nothing came to the clipboard"
  ui_clip >"$UI_TMP/clip"
  UI_CLIP="$UI_TMP/clip"
}

# ui_shot FILE [TITLE]: the screen, or one top-level window, as an image.
ui_shot() {
  if [ -n "${2:-}" ]; then
    import -window "$(ui_xwindow "$2")" "$1"
  else
    import -window root "$1"
  fi
}

# ui_pixel X Y: the screen's colour at X Y as "R G B" (0..255).
ui_pixel() {
  import -window root -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n '2s/.*(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p' |
    awk '{ printf "%d %d %d\n", $1, $2, $3 }'
}

# ui_enter TEXT: enters TEXT into the focused control. Plain ASCII is typed key by key; xdotool
# loses characters it has to map to a spare key code first (Wine reads the new mapping late),
# so other text comes in as a user's paste (Ctrl+V) from the X clipboard.
ui_enter() {
  if LC_ALL=C grep -q '^[ -~]*$' <<<"$1"; then
    ui_type "$1"
  else
    printf '%s' "$1" | timeout 5 xclip -i -selection clipboard >/dev/null 2>&1
    ui_key ctrl+v
  fi
}

# ui_page TITLE: the caption of the visible page of TITLE's page control.
ui_page() {
  ui_tree "$1"
  awk '$1 == 2 && $4 == 1 { s = ""; for (i = 11; i <= NF; ++i) s = s (i > 11 ? " " : "") $i;
       print s }' <<<"$UI_TREE"
}
