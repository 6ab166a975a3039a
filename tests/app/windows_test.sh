#!/usr/bin/env bash
# The two windows as a user meets them, with real mouse and keyboard:
#   windows_test.sh WINE_DIR uiprobe.exe Quillmar.exe
# Keyboard only: on every page Tab visits the controls in the TabOrder the window definition
# gives (then the page control, then round again), Space and Enter press the focused button.
# The frames: each window's caption corner is the skin's caption picture, the active one on
# the active window and the inactive one on the other; the first page's red hint is drawn in
# its own font colour (a plain label). The sign-up window: "Create" shows it, and it asks its
# browser for the sign-up page at every activation (seen in Wine's trace of the browser
# control); "Create" brings it to the front; its skinned close button hides it while the
# program goes on; the main window's close button ends the program.
set -u
here=$(dirname "$0")
. "$here/ui.sh"
# Wine's trace of the browser control names every address it is asked to open.
UI_WINEDEBUG=-all,trace+ieframe
ui_init "$1" "$2"
program=$3
M="Quillmar Shopping Cart 1.0"
F="Create Quillmar Account Form"
definition="$here/../../resources/app/Form1.txt"
caption_bmp="$here/../../resources/skin/bitmaps/FRAMECAPTION.BMP"
address='http://www.quillmar.example/?10362&soft'
UI_SHOT_ON_FAIL=${TMPDIR:-/tmp}/windows_test-failure.png

ui_start "$program"
ui_wait_window "$M"
ui_activate "$M"

# --- Keyboard only ----------------------------------------------------------------------------

# The header band spans the client area: its width over the written ClientWidth is the scale
# the definition was shown at.
ui_tree "$M"
client_width=$(awk '$1 == 1 { print $8 - $6; exit }' <<<"$UI_TREE")

focused_name() {
  ui_tree "$M"
  python3 "$here/tab_order.py" "$definition" "$1" "$(ui_focused "$M")" "$client_width" \
    <<<"$UI_TREE"
}

page_is() { [ "$(ui_page "$M")" = "$1" ]; }
to_page() {
  local i
  for ((i = 0; i < 5; ++i)); do
    page_is "$1" && return 0
    ui_key ctrl+Tab
    ui_poll 3 page_is "$1" && return 0
  done
  ui_fail "Ctrl+Tab does not reach the page $1"
}

# tab_to PAGE NAME: Tab until NAME has the focus.
tab_to() {
  local i
  for ((i = 0; i < 16; ++i)); do
    [ "$(focused_name "$1")" = "$2" ] && return 0
    ui_key Tab
  done
  ui_fail "Tab never reaches $2 on $1"
}

enabled_is() {
  ui_control "$M" QmWinControl "$1"
  [ "$UI_ENABLED" = "$2" ]
}

for page in "Single Item Purchase" "Shopping Cart" "Subscription Billing" "Create Account"; do
  to_page "$page"
  expected=$(python3 "$here/tab_order.py" "$definition" "$page" | cut -d' ' -f1)
  expected="$expected SeSkinPageControl1"
  expected=$(tr '\n' ' ' <<<"$expected")
  # From the page control one whole round, back to it.
  tab_to "$page" SeSkinPageControl1
  seen=""
  for ((i = 0; i < $(wc -w <<<"$expected"); ++i)); do
    ui_key Tab
    seen="$seen$(focused_name "$page") "
  done
  ui_check "$page: Tab visits ${expected% }" [ "$seen" = "$expected" ]
done

# Space presses the focused "Generate Code", Enter the focused "Clear All".
to_page "Shopping Cart"
tab_to "Shopping Cart" SeSkinButton5
ui_key space
ui_check "Space on the focused Generate Code generates (and disables it)" \
  ui_poll 5 enabled_is "Generate Code" 0
tab_to "Shopping Cart" SeSkinButton6
ui_key Return
ui_check "Enter on the focused Clear All enables Generate Code again" \
  ui_poll 5 enabled_is "Generate Code" 1

# --- Frames and labels ----------------------------------------------------------------------

# corner_is TITLE ROW: the window's caption corner (10 by 29 from its top left) on the screen is
# the skin's caption picture, row 0 (active) or 29 (inactive); magenta is cut away.
corner_is() {
  local l t
  read -r _ _ _ _ _ l t _ <<<"$(ui_probe tree "$1" | head -1 | cut -f1)"
  [ -n "$t" ] || return 1
  import -window root -crop "10x29+$l+$t" +repage -depth 8 rgb:"$UI_TMP/screen.rgb" 2>/dev/null
  convert "$caption_bmp" -alpha off -crop "10x29+0+$2" +repage -depth 8 rgb:"$UI_TMP/skin.rgb"
  python3 - "$UI_TMP/screen.rgb" "$UI_TMP/skin.rgb" <<'EOF'
import sys
screen, skin = (open(p, "rb").read() for p in sys.argv[1:3])
pixels = [(screen[i:i + 3], skin[i:i + 3]) for i in range(0, len(skin), 3)]
kept = [(a, b) for a, b in pixels if b != b"\xff\x00\xff"]
bad = sum(1 for a, b in kept if max(abs(x - y) for x, y in zip(a, b)) > 8)
sys.exit(0 if len(screen) == len(skin) and kept and bad == 0 else 1)
EOF
}

ui_check "the active main window's caption is the skin's active caption" \
  ui_poll 5 corner_is "$M" 0

# The red hint of the first page, a plain label: its text in pure red.
to_page "Single Item Purchase"
ui_tree "$M"
read -r _ _ _ _ _ pl pt _ <<<"$(awk '$1 == 2 && $4 == 1' <<<"$UI_TREE")"
scale() { echo $((($1 * client_width + 349) / 698)); }
red=$(import -window root -crop "$(scale 87)x$(scale 60)+$((pl + $(scale 232)))+$((pt + $(scale 72)))" \
  -depth 8 txt:- 2>/dev/null | grep -c '#FF0000')
ui_check "the hint label draws its text in its own red ($red pixels)" [ "$red" -gt 20 ]

# --- The sign-up window -----------------------------------------------------------------------

navigations() { grep -F WebBrowser_Navigate "$UI_TMP/program.log" | grep -cF "(L\"$address\""; }
navigated() { [ "$(navigations)" -ge "$1" ]; }
active_is() { [ "$(ui_active "$M")" = "$(ui_probe tree "$1" | head -1 | cut -d' ' -f2)" ]; }
rect() { ui_probe tree "$1" | head -1 | cut -f1 | awk '{ print $6, $7, $8, $9 }'; }

to_page "Create Account"
tab_to "Create Account" SeSkinButton13
ui_key Return
ui_wait_window "$F" 10
ui_check "Enter on Create shows the sign-up window, active" ui_poll 5 active_is "$F"
ui_check "showing it opens the sign-up page" ui_poll 10 navigated 1
ui_check "the active sign-up window's caption is the skin's active caption" \
  ui_poll 5 corner_is "$F" 0
ui_check "the inactive main window's caption is the skin's inactive caption" \
  ui_poll 5 corner_is "$M" 29

read -r ml mt mr mb <<<"$(rect "$M")"
read -r fl ft fr fb <<<"$(rect "$F")"
n=$(navigations)
# Away (the main window's caption left of the sign-up window) and back (the sign-up window
# right of the main window).
ui_click $((ml + 60)) $((mt + 12))
ui_check "a click on the main window activates it" ui_poll 5 active_is "$M"
ui_check "the active main window's caption is active again" ui_poll 5 corner_is "$M" 0
ui_click $(((mr + fr) / 2)) $(((ft + fb) / 2))
ui_check "a click on the sign-up window activates it" ui_poll 5 active_is "$F"
ui_check "activating it again opens the sign-up page again" ui_poll 10 navigated $((n + 1))

# Create while it is open but behind: to the front (its corner, under the main window
# before, shows on the screen), active, and the page once more.
ui_click $((ml + 60)) $((mt + 12))
ui_poll 5 active_is "$M" || ui_fail "the main window does not come back"
corner_covered() { ! corner_is "$F" 0 && ! corner_is "$F" 29; }
ui_check "the main window now covers the sign-up window's corner" ui_poll 5 corner_covered
n=$(navigations)
ui_control "$M" QmWinControl "Create"
ui_click "$UI_X" "$UI_Y"
ui_check "Create brings the open sign-up window to the front" ui_poll 5 corner_is "$F" 0
ui_check "... and activates it" ui_poll 5 active_is "$F"
ui_check "... which opens the sign-up page again" ui_poll 10 navigated $((n + 1))

# The skinned close button (the caption's right end) hides it; the program goes on.
read -r fl ft fr fb <<<"$(rect "$F")"
ui_click $((fr - 15)) $((ft + 15))
ui_check "its close button hides the sign-up window" ui_poll 5 ui_gone "$F"
ui_check "... which still exists" ui_probe exists "$F"
ui_check "... and the program goes on" kill -0 "$UI_PID"
ui_activate "$M"
ui_control "$M" QmWinControl "Create"
ui_click "$UI_X" "$UI_Y"
ui_check "Create shows it again" ui_poll 10 ui_visible "$F"
read -r fl ft fr fb <<<"$(rect "$F")"
ui_click $((fr - 15)) $((ft + 15))
ui_poll 5 ui_gone "$F" || ui_fail "the sign-up window does not hide"

# The main window's close button ends the program.
read -r ml mt mr mb <<<"$(rect "$M")"
ui_click $((mr - 15)) $((mt + 15))
ui_check "the main window's close button ends the program" ui_poll 10 ui_program_ended
ui_check "... with exit status 0" [ "${UI_STATUS:-}" = 0 ]
