#!/usr/bin/env bash
# Runs the built snippet printer as a script would: usage: snippet_cli_test.sh COMMAND...
# (COMMAND is the printer, behind the Wine runner in the Windows build).
set -u
fail() { echo "FAIL: $*"; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"$@" --kind single --email 'm@shop.example' --return-url 'http://r.example/?a=1&b=2' \
  --cancel-url 'http://c.example' >"$tmp/out" 2>"$tmp/err"
[ $? -eq 0 ] || fail "a full run exited with $?: $(cat "$tmp/err")"
tr -d '\r' <"$tmp/out" >"$tmp/lines"
[ "$(wc -l <"$tmp/lines")" -eq 9 ] || fail "expected 9 lines, got: $(cat "$tmp/lines")"
grep -qxF '<input type="hidden" name="return_URL" value="http://r.example/?a=1&amp;b=2">' \
  "$tmp/lines" || fail "return line missing: $(cat "$tmp/lines")"
[ -s "$tmp/err" ] && fail "stderr not empty: $(cat "$tmp/err")"

"$@" --kind single --email 'm@shop.example' >"$tmp/out" 2>"$tmp/err"
rc=$?
[ $rc -eq 2 ] || fail "a missing option exited with $rc, not 2"
[ -s "$tmp/out" ] && fail "stdout not empty on a usage error"
grep -q "missing option '--return-url'" "$tmp/err" || fail "no clear message: $(cat "$tmp/err")"

"$@" --bogus >"$tmp/out" 2>"$tmp/err"
[ $? -eq 2 ] || fail "an unknown option did not exit with 2"
[ -s "$tmp/out" ] && fail "stdout not empty on an unknown option"

"$@" --help >"$tmp/out" 2>"$tmp/err" || fail "--help failed"
grep -q '^Usage: snippet' "$tmp/out" || fail "--help printed no usage"
echo "snippet command line: all checks passed"
