#!/usr/bin/env bash
# "Save to File" through the platform's own Save dialog, with real mouse and keyboard:
#   save_test.sh WINE_DIR uiprobe.exe Quillmar.exe snippet.exe
# Each tab saves its own memo: every line, the last one too, ended by CR LF, in the ANSI code
# page with no byte-order mark; a name typed without an extension gets ".html", one with an
# extension keeps it. Saving over an existing file asks first: "No" leaves the file as it was,
# "Yes" replaces it. A file that cannot be written (its folder does not exist) shows "Cannot
# create file <name>." and changes nothing: not the memo, not the files there, and no temporary
# file stays behind.
set -u
. "$(dirname "$0")/ui.sh"
ui_init "$1" "$2"
program=$3
snippet=$4
M="Quillmar Shopping Cart 1.0"
S="Save As"
# Wine's dialog asks its overwrite question in a message box of this title.
Q="Error"
UI_SHOT_ON_FAIL=${TMPDIR:-/tmp}/save_test-failure.png

dir="$UI_TMP/saved"
mkdir -p "$dir"
windir="Z:$(sed 's|/|\\|g' <<<"$dir")"

# printed KIND EMAIL: the snippet printer's ANSI lines for EMAIL (the URLs left empty, as
# the test leaves their edits), each ended by CR LF.
printed() {
  local args=(--ansi --kind "$1" --email "$2")
  [ "$1" != cart ] && args+=(--return-url "" --cancel-url "")
  wine "$snippet" "${args[@]}" 2>/dev/null | tr -d '\r' | sed 's/$/\r/' ||
    ui_fail "snippet printer failed"
}

enter_edit() {
  local h l t r b
  read -r h l t r b _ <<<"$(ui_controls "$M" QmSeEdit | sed -n "$1p")"
  [ -n "$h" ] || ui_fail "no edit $1 on page \"$(ui_page "$M")\""
  ui_click $(((l + r) / 2)) $(((t + b) / 2))
  ui_key ctrl+a
  ui_enter "$2"
}

press() {
  ui_control "$M" QmWinControl "$1"
  ui_click "$UI_X" "$UI_Y"
}

page_is() { [ "$(ui_page "$M")" = "$1" ]; }
to_page() {
  ui_key ctrl+Tab
  ui_poll 5 page_is "$1" || ui_fail "Ctrl+Tab did not show $1"
}

# The visible page's memo: clicked at its top left, so the caret goes to its first line.
memo_home() {
  local h l t r b
  read -r h l t r b _ <<<"$(ui_controls "$M" 'Memo' | head -1)"
  [ -n "$h" ] || ui_fail "no memo on page \"$(ui_page "$M")\""
  ui_click $((l + 20)) $((t + 12))
  ui_key ctrl+Home
}

memo_text() {
  ui_clip_mark
  press "Copy to Clipboard"
  ui_clip_wait
  cat "$UI_CLIP"
}

# The Save dialog's own windows: the dialog, and its overwrite question on top of it.
dialog_up() { ui_probe tree "$S" | grep -q ' ComboBox '; }
question_up() { ui_probe tree "$Q" | grep -q ' Button 1 1 .* &Yes$'; }
error_up() {
  ui_probe tree "$M" >"$UI_TMP/top" && head -1 "$UI_TMP/top" | grep -q ' #32770 '
}
nothing_up() { ui_gone "$S" && ui_gone "$Q" && ! error_up; }

# save_as NAME: "Save to File", then NAME typed into the dialog and Enter.
save_as() {
  press "Save to File"
  ui_poll 10 dialog_up || ui_fail "no Save dialog"
  ui_key ctrl+a
  ui_type "$1"
  ui_key Return
}

answer() {
  ui_control "$Q" Button "$1"
  ui_click "$UI_X" "$UI_Y"
}

same_bytes() { cmp "$1" "$2" >&2 || { od -c "$2" | head -8 >&2; return 1; }; }
no_temporary() { [ -z "$(find "$dir" -name '*.tmp')" ]; }

ui_start "$program"
ui_wait_window "$M"
ui_activate "$M"

# One save per tab, each from its own memo. The second tab's memo gets a line typed by hand in
# front, with characters of the code page (é, €) and one outside it (Ω, saved as '?').
for tab in "Single Item Purchase|single|5|one|one.html" "Shopping Cart|cart|3|two.txt|two.txt" \
  "Subscription Billing|subscription|7|three|three.html"; do
  IFS='|' read -r page kind email_edit typed file <<<"$tab"
  to_page "$page"
  email="$kind&co@shop.example"
  enter_edit "$email_edit" "$email"
  press "Generate Code"
  printed "$kind" "$email" >"$UI_TMP/expected"
  if [ "$kind" = cart ]; then
    memo_home
    ui_enter "café € Ω"
    ui_key Return
    { printf 'caf\xe9 \x80 ?\r\n'; printed "$kind" "$email"; } >"$UI_TMP/expected"
  fi
  save_as "$windir\\$typed"
  ui_check "$page: the dialog closes and the file $file is written" \
    ui_poll 10 test -f "$dir/$file"
  ui_poll 5 nothing_up
  ui_check "$page: $file holds the memo's lines, each ended by CR LF, ANSI, no BOM" \
    same_bytes "$UI_TMP/expected" "$dir/$file"
done
ui_check "no other file was made" [ "$(ls "$dir" | tr '\n' ' ')" = "one.html three.html two.txt " ]

# Over an existing file: the question first. The memo now differs from three.html.
cp "$dir/three.html" "$UI_TMP/three.before"
memo_home
ui_type "changed"
ui_key Return
save_as three
ui_check "saving over three.html asks first" ui_poll 10 question_up
answer "&No"
ui_poll 5 dialog_up && ui_key Escape
ui_check "after No the dialog can be left" ui_poll 10 nothing_up
ui_check "after No three.html is byte for byte as it was" \
  same_bytes "$UI_TMP/three.before" "$dir/three.html"

{ printf 'changed\r\n'; cat "$UI_TMP/three.before"; } >"$UI_TMP/expected"
save_as three
ui_poll 10 question_up || ui_fail "no question before replacing three.html"
answer "&Yes"
ui_check "after Yes the dialog closes" ui_poll 10 nothing_up
ui_check "after Yes three.html holds the memo" same_bytes "$UI_TMP/expected" "$dir/three.html"

# error_box NAME: the program's error box says it cannot create NAME; OK closes it.
error_box() {
  local text
  ui_poll 10 error_up || { ui_check "an error box for $1" false; return; }
  text=$(awk '$3 == "Static" { s = ""; for (i = 11; i <= NF; ++i) s = s (i > 11 ? " " : "") $i;
              if (s != "") print s }' "$UI_TMP/top")
  ui_check "the error box says: Cannot create file $1." [ "$text" = "Cannot create file $1." ]
  ui_key Return
  ui_poll 10 nothing_up || ui_fail "the error box does not close"
}

# A folder that cannot be written. Run as root, as here, Wine ignores the read-only bit (it
# replaced a read-only file), so a folder that does not exist stands for it.
memo_home
ui_type "not saved"
ui_key Return
memo_before=$(memo_text)
cp "$dir/three.html" "$UI_TMP/three.before"
save_as "$windir\\missing\\four"
error_box "$windir\\missing\\four.html"
ui_check "no folder or file was made" [ ! -e "$dir/missing" ]
ui_check "the old files are as they were" same_bytes "$UI_TMP/three.before" "$dir/three.html"
ui_check "the memo is unchanged after the error" [ "$(memo_text)" = "$memo_before" ]
ui_check "no temporary file anywhere in the folder" no_temporary
ui_check "the program still runs" kill -0 "$UI_PID"
