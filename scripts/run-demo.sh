#!/usr/bin/env bash
# Builds MarkupDemo.exe, the markup label's demo, and starts it under Wine. Without a display it
# runs on a private X display, saves a screenshot of the window and ends the program.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
scripts/setup.sh
cmake --preset windows
cmake --build --preset windows --target MarkupDemo
exe="$repo/build/windows/demo/MarkupDemo.exe"

source scripts/session.sh
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec wine "$exe"
fi

start_display
start_wineserver
trap stop_session EXIT
wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
shot="$repo/build/screenshots/markup-demo.png"
mkdir -p "$(dirname "$shot")"
sleep "${FENNICK_SHOT_DELAY:-6}"
# Only the demo's window, found by its size among the top-level windows; the screen otherwise.
window=$(xwininfo -root -children | awk '{ for (i = 2; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+[+-]/) {
  split($i, size, /[x+-]/); if (size[1] > 500 && size[2] > 400) print $1 } }' | head -n 1)
import -window "${window:-root}" "$shot"
kill "$app" 2>/dev/null || true
echo "MarkupDemo ran under Wine on a private display; screenshot saved to $shot"
