#!/usr/bin/env bash
# Under Wine: drops a generated tree of 100,000 small files in 1,000 folders on the real main
# window and times the walk, the lists, ticking by extension and a header-click sort; then
# converts 10,000 ticked CP949 files of 4 KiB through the window, once without and once with
# each file flushed to the disk, noting the longest time the window took to answer meanwhile,
# side by side with a shell loop running iconv once per file on a copy of the same files.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
folders=${FENNICK_BENCH_FOLDERS:-1000}
converted=${FENNICK_BENCH_CONVERTED:-10000}

cmake --build --preset windows --target main_window_timings >/dev/null
program="$repo/build/windows/tests/ui/main_window_timings.exe"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Folders of 100 files, half .txt and half .md.
for ((folder = 0; folder < folders; folder++)); do
  mkdir -p "$work/tree/f$((folder / 100))/d$folder"
  for ((file = 0; file < 100; file++)); do
    extension=$([ $((file % 2)) -eq 0 ] && echo txt || echo md)
    : >"$work/tree/f$((folder / 100))/d$folder/file$file.$extension"
  done
done

# 4 KiB of Korean text in code page 949 ("가나다라 " repeated), once per file to convert, in
# folders of 100 as in the tree.
printf '\xb0\xa1\xb3\xaa\xb4\xd9\xb6\xf3 %.0s' $(seq 455) | head -c 4096 >"$work/sample.txt"
for ((file = 0; file < converted; file++)); do
  folder="$work/convert/d$((file / 100))"
  mkdir -p "$folder"
  cp "$work/sample.txt" "$folder/text$file.txt"
done
cp -r "$work/convert" "$work/unflushed"
cp -r "$work/convert" "$work/iconv"
# The set-up's writes reach the disk before anything is timed, so none of them stalls a run.
sync

source scripts/session.sh
start_display
start_wineserver || true  # a server already running is fine
wine "$program" "$(winepath -w "$work/tree")" "$(winepath -w "$work/convert")" "$(winepath -w "$work/unflushed")" \
  2>/dev/null | tr -d '\r'
stop_session

start=$(date +%s%N)
for file in "$work/iconv/"*/*.txt; do
  iconv -f CP949 -t UTF-8 "$file" >"$file.utf8" && mv "$file.utf8" "$file"
done
elapsed=$(($(date +%s%N) - start))
awk -v ns="$elapsed" -v n="$converted" 'BEGIN { printf "iconv once per file: %d files in %.0f ms, %.0f files/s\n", n, ns / 1e6, n / (ns / 1e9) }'

if ! cmp -s <(printf '\xef\xbb\xbf'; cat "$work/iconv/d0/text0.txt") "$work/convert/d0/text0.txt"; then
  echo "run-main-window-benchmark: the window's output differs from iconv's" >&2
  exit 1
fi
