#!/usr/bin/env bash
# Replays every fuzzer's committed seed corpus, then fuzzes each target for a bounded time.
#   bash fuzz/run-fuzzers.sh <sanitizer build dir> [seconds per target]
# The targets exist only in a clang build with QM_SANITIZE (the host-sanitize preset). New
# inputs go to a scratch corpus, so the committed seeds stay small. Exits non-zero on the first
# finding; the crashing input is left in the scratch directory, whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: run-fuzzers.sh <build dir> [seconds per target]}
seconds=${2:-30}
scratch=$(mktemp -d "${TMPDIR:-/tmp}/qm-fuzz.XXXXXX")

declare -A corpus=(
  [component_stream_fuzzer]=fuzz/framework/corpus/binary
  [object_text_fuzzer]=fuzz/framework/corpus/text
  [fuzz_skin_load_uskn]=fuzz/skin/corpus/load_uskn
  [fuzz_skin_load_cskn]=fuzz/skin/corpus/load_cskn
  [fuzz_skin_load_xskn]=fuzz/skin/corpus/load_xskn
  [fuzz_skin_load_mskn]=fuzz/skin/corpus/load_mskn
  [fuzz_skin_packed_content]=fuzz/skin/corpus/packed_content
  [fuzz_skin_object_text]=fuzz/skin/corpus/object_text
  [fuzz_skin_packed_bitmap]=fuzz/skin/corpus/packed_bitmap
  [fuzz_skin_bitmap_file]=fuzz/tools/corpus/bitmap_file
  [fuzz_skin_manifest_file]=fuzz/tools/corpus/manifest_file
)

total=0
for target in $(printf '%s\n' "${!corpus[@]}" | sort); do
  exe=$(find "$(realpath "$build")/fuzz" -type f -name "$target" -perm -u+x | head -n 1)
  if [[ -z $exe ]]; then
    echo "missing fuzz target $target in $build (build it with the host-sanitize preset)" >&2
    exit 1
  fi
  seeds=${corpus[$target]}
  work=$scratch/$target
  mkdir -p "$work"
  echo "== $target: replaying $seeds"
  "$exe" -runs=0 "$seeds"
  echo "== $target: fuzzing for ${seconds}s"
  log=$scratch/$target.log
  if ! (cd "$work" && "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -print_final_stats=1 . "$OLDPWD/$seeds") >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "finding in $target; inputs and log in $scratch" >&2
    exit 1
  fi
  runs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' || echo 0)
  echo "   $runs executions"
  total=$((total + runs))
done
echo "all fuzzers clean: $total executions in total"
rm -rf "$scratch"
