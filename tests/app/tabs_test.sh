#!/usr/bin/env bash
# The three snippet tabs as a user works them, with real mouse and keyboard:
#   tabs_test.sh WINE_DIR uiprobe.exe Quillmar.exe snippet.exe
# The program starts on "Create Account"; Ctrl+Tab reaches each snippet tab. There, values with
# quotes, ampersands and characters outside the ANSI code page are typed, "Generate Code"
# appends exactly what the snippet printer prints for them and disables itself, a second press
# adds nothing, "Copy to Clipboard" puts the memo's whole text on the clipboard and leaves it
# all selected (typing then replaces all of it), and "Clear" then "Generate Code" gives only
# the new snippet.
set -u
. "$(dirname "$0")/ui.sh"
ui_init "$1" "$2"
program=$3
snippet=$4
M="Quillmar Shopping Cart 1.0"
UI_SHOT_ON_FAIL=${TMPDIR:-/tmp}/tabs_test-failure.png

email='shop"owner"&co@x.example'
return_url='https://shop.example/thanks?a=1&b="2"€Ωĉ'
cancel_url='https://shop.example/cart é'

# expected KIND: the snippet printer's lines for the values, as the X clipboard gives text
# (line feeds only).
expected() {
  local args=(--kind "$1" --email "$email")
  [ "$1" != cart ] && args+=(--return-url "$return_url" --cancel-url "$cancel_url")
  wine "$snippet" "${args[@]}" 2>/dev/null | tr -d '\r' >"$UI_TMP/expected" ||
    ui_fail "snippet printer failed"
}

# enter_edit N TEXT: clicks the Nth edit of the visible page (top to bottom) and types TEXT.
enter_edit() {
  local h l t r b
  read -r h l t r b _ <<<"$(ui_controls "$M" QmSeEdit | sed -n "$1p")"
  [ -n "$h" ] || ui_fail "no edit $1 on page \"$(ui_page "$M")\""
  ui_click $(((l + r) / 2)) $(((t + b) / 2))
  ui_enter "$2"
}

press() {
  ui_control "$M" QmWinControl "$1"
  ui_click "$UI_X" "$UI_Y"
}

# copy_memo: "Copy to Clipboard", then the clipboard as another program reads it.
copy_memo() {
  ui_clip_mark
  press "Copy to Clipboard"
  ui_clip_wait
}

page_is() { [ "$(ui_page "$M")" = "$1" ]; }
enabled_is() {
  ui_control "$M" QmWinControl "Generate Code"
  [ "$UI_ENABLED" = "$1" ]
}

same() { cmp -s "$1" "$2" || { diff "$1" "$2" | head -20 >&2; return 1; }; }

ui_start "$program"
ui_wait_window "$M"
ui_check "the program starts on Create Account" [ "$(ui_page "$M")" = "Create Account" ]
ui_activate "$M"

# tab: page title, kind, Clear caption, edits (email return cancel, by position from the top)
for tab in "Single Item Purchase|single|Clear all|5 3 4" "Shopping Cart|cart|Clear All|3" \
  "Subscription Billing|subscription|Clear All|7 5 6"; do
  IFS='|' read -r page kind clear edits <<<"$tab"
  ui_key ctrl+Tab
  ui_poll 5 page_is "$page"
  ui_check "Ctrl+Tab shows $page" [ "$(ui_page "$M")" = "$page" ]
  read -r e_email e_return e_cancel <<<"$edits"
  enter_edit "$e_email" "$email"
  if [ "$kind" != cart ]; then
    enter_edit "$e_return" "$return_url"
    enter_edit "$e_cancel" "$cancel_url"
  fi
  expected "$kind"

  press "Generate Code"
  ui_check "$page: Generate Code is disabled after one press" ui_poll 5 enabled_is 0
  copy_memo
  ui_check "$page: the memo holds exactly the printer's lines (escaped)" \
    same "$UI_TMP/expected" "$UI_CLIP"

  press "Generate Code"
  copy_memo
  ui_check "$page: a second press adds nothing" same "$UI_TMP/expected" "$UI_CLIP"

  # Everything stays selected after the copy: back in the memo, typing replaces all of it.
  ui_key shift+Tab
  ui_type "typed by hand"
  copy_memo
  ui_check "$page: the copy left the whole text selected" \
    [ "$(cat "$UI_CLIP")" = "typed by hand" ]

  press "$clear"
  ui_check "$page: Clear enables Generate Code again" ui_poll 5 enabled_is 1
  press "Generate Code"
  copy_memo
  ui_check "$page: after Clear only the new snippet" same "$UI_TMP/expected" "$UI_CLIP"
done
