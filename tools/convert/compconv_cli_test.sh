#!/usr/bin/env bash
# Runs the built converter on files: usage: compconv_cli_test.sh COMMAND...
# (COMMAND is the converter, behind the Wine runner in the Windows build). Files are named
# relative to a scratch folder so that Wine and the host see the same names.
set -u
fail() { echo "FAIL: $*"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || fail "no scratch folder"

printf 'object Form1: TForm1\r\n  Caption = '"'"'It'"''"'s'"'"'#8226\r\n  Data = {00000F00}\r\n  object Button1: TButton\r\n    Left = 300\r\n  end\r\nend\r\n' >in.txt
"$@" to-binary in.txt out.bin >out 2>err
[ $? -eq 0 ] || fail "to-binary exited with $?: $(cat err)"
[ -s out ] && fail "stdout not empty: $(cat out)"
[ "$(head -c 4 out.bin)" = "TPF0" ] || fail "no signature in out.bin"
"$@" to-text out.bin back.txt >out 2>err
[ $? -eq 0 ] || fail "to-text exited with $?: $(cat err)"
cmp -s in.txt back.txt || fail "text did not come back unchanged: $(od -c back.txt | head)"

printf 'object Form1: TForm1\r\n  Caption 5\r\nend\r\n' >bad.txt
"$@" to-binary bad.txt bad.bin >out 2>err
rc=$?
[ $rc -eq 1 ] || fail "malformed text exited with $rc, not 1"
grep -q "bad.txt: '=' expected on line 2" err || fail "no clear message: $(cat err)"
[ -e bad.bin ] && fail "an output file was left after a failure"

head -c 20 out.bin >cut.bin
"$@" to-text cut.bin cut.txt >out 2>err
[ $? -eq 1 ] || fail "a truncated stream did not exit with 1"
grep -q "cut.bin: Stream read error" err || fail "no clear message: $(cat err)"

"$@" to-text missing.bin x.txt >out 2>err
[ $? -eq 1 ] || fail "a missing input did not exit with 1"
grep -q "Cannot open file" err || fail "no clear message: $(cat err)"

"$@" convert a b >out 2>err
[ $? -eq 2 ] || fail "an unknown command did not exit with 2"
"$@" to-text only-one >out 2>err
[ $? -eq 2 ] || fail "a missing argument did not exit with 2"

"$@" --help >out 2>err || fail "--help failed"
grep -q '^Usage: compconv to-binary IN.txt OUT.bin' out || fail "--help printed no usage"
echo "compconv command line: all checks passed"
