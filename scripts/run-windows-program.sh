#!/usr/bin/env bash
# Builds one program of the Windows build and starts it under Wine. Without a display it runs on
# a private X display, saves a screenshot of the program's window and ends the program.
#   scripts/run-windows-program.sh <build target> <program in build/windows> <screenshot name>
set -euo pipefail
target=$1 program=$2 name=$3
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
scripts/setup.sh
cmake --preset windows
cmake --build --preset windows --target "$target"
exe="$repo/build/windows/$program"

source scripts/session.sh
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec wine "$exe"
fi

start_display
start_wineserver
trap stop_session EXIT
wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
shot="$repo/build/screenshots/$name.png"
mkdir -p "$(dirname "$shot")"
sleep "${FENNICK_SHOT_DELAY:-6}"
# The program's window is the largest top-level window smaller than the screen; else the screen.
screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
window=$(xwininfo -root -children | awk -v screen="$screen" '{
  for (i = 2; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+[+-]/) {
    split($i, size, /[x+-]/)
    if (size[1] "x" size[2] != screen && size[1] * size[2] > best) { best = size[1] * size[2]; id = $1 }
  } } END { print id }')
import -window "${window:-root}" "$shot"
kill "$app" 2>/dev/null || true
echo "$target ran under Wine on a private display; screenshot saved to $shot"
