#!/bin/sh
# The command line: usage errors, unreadable skins and planted faults end with status 1 and a
# message that names the fault; the real skin passes.
set -u
skinart=$1
skin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$skinart" >/dev/null 2>&1 && fail "no arguments must fail"
"$skinart" --check >/dev/null 2>&1 && fail "--check without a folder must fail"
"$skinart" --help | grep -q "usage: skinart" || fail "--help prints the usage"
out=$("$skinart" --check "$work/none" 2>&1) && fail "a missing skin must fail"
echo "$out" | grep -q "cannot open" || fail "missing skin message: $out"

cp -r "$skin" "$work/skin"
"$skinart" --check "$work/skin" >/dev/null || fail "the copied skin must pass"
sed 's/^  Width = 375\r$/  Width = 376\r/' "$skin/objects/Form.txt" > "$work/skin/objects/Form.txt"
out=$("$skinart" --check "$work/skin" 2>&1) && fail "a frame of the wrong width must fail"
echo "$out" | grep -q "Form.Width is 376, expected 375" || fail "width message: $out"

cp "$skin/objects/Form.txt" "$work/skin/objects/Form.txt"
printf 'junk' >> "$work/skin/bitmaps/BUTTON.bmp"
"$skinart" --check "$work/skin" >/dev/null || fail "trailing bytes after the pixels are harmless"
out=$("$skinart" --compare "$work/skin/bitmaps" 2>&1) && fail "a changed picture must fail"
echo "$out" | grep -q "BUTTON.bmp differs" || fail "compare message: $out"
head -c 100 "$skin/bitmaps/BUTTON.bmp" > "$work/skin/bitmaps/BUTTON.bmp"
out=$("$skinart" --check "$work/skin" 2>&1) && fail "a truncated picture must fail"
echo "$out" | grep -q "BUTTON.bmp: BMP pixel data truncated" || fail "truncated message: $out"

"$skinart" "$work/out" >/dev/null || fail "drawing into a new folder"
"$skinart" --compare "$work/out" >/dev/null || fail "what it draws compares equal"
echo "ok"
