#!/usr/bin/env bash
# Converts the same generated 64 MiB file of Korean text (code page 949, with ASCII markup) to
# UTF-8 with `iconv -f CP949 -t UTF-8` and with Fennick's converter, several times each, and
# prints the best throughput of both, their ratio and the converter's peak memory; then runs
# the Google Benchmark program of the converter.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
runs=${FENNICK_BENCH_RUNS:-5}
size=$((64 * 1024 * 1024))

cmake --preset bench >/dev/null
cmake --build --preset bench --target fennick_make_corpus fennick_convert_file fennick_convert_benchmark >/dev/null
bin="$repo/build/bench/bench/convert"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$bin/fennick_make_corpus" korean-cp949 "$size" "$work/corpus.txt"

now() { date +%s%N; }

# The best (shortest) of $runs timings, in nanoseconds, of the command given.
best_of() {
  local best="" start elapsed run
  for ((run = 0; run < runs; run++)); do
    "$@" prepare
    start=$(now)
    "$@" run
    elapsed=$(($(now) - start))
    if [ -z "$best" ] || [ "$elapsed" -lt "$best" ]; then best=$elapsed; fi
  done
  echo "$best"
}

with_iconv() {
  case $1 in
    prepare) ;;
    run) iconv -f CP949 -t UTF-8 "$work/corpus.txt" >"$work/iconv.txt" ;;
  esac
}

with_fennick() {
  case $1 in
    prepare) cp "$work/corpus.txt" "$work/fennick.txt" ;;
    run) /usr/bin/time -f %M -o "$work/fennick.rss" "$bin/fennick_convert_file" "$work/fennick.txt" ;;
  esac
}

iconv_ns=$(best_of with_iconv)
fennick_ns=$(best_of with_fennick)

# The converter's file must be iconv's output behind the byte-order mark.
if ! cmp -s <(printf '\xef\xbb\xbf'; cat "$work/iconv.txt") "$work/fennick.txt"; then
  echo "run-conversion-benchmark: Fennick's output differs from iconv's" >&2
  exit 1
fi

throughput() { awk -v bytes="$size" -v ns="$1" 'BEGIN { printf "%.0f", bytes / (ns / 1e9) / 1e6 }'; }
echo
echo "Converting $((size / 1024 / 1024)) MiB of Korean text from CP949 to UTF-8 (best of $runs runs, whole process):"
printf '  %-28s %6s MB/s  (%d ms)\n' "iconv -f CP949 -t UTF-8" "$(throughput "$iconv_ns")" $((iconv_ns / 1000000))
printf '  %-28s %6s MB/s  (%d ms)\n' "Fennick ConvertToUtf8" "$(throughput "$fennick_ns")" $((fennick_ns / 1000000))
awk -v f="$fennick_ns" -v i="$iconv_ns" 'BEGIN { printf "  Fennick / iconv throughput:  %.2f\n", i / f }'
echo "  Fennick's peak memory (maximum resident set): $(($(cat "$work/fennick.rss") / 1024)) MiB"
echo

"$bin/fennick_convert_benchmark"
