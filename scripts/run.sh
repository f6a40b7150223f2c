#!/usr/bin/env bash
# Builds Fennick.exe and starts it under Wine. Without a display it runs on a private X display,
# saves a screenshot of the window and ends the program.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
scripts/setup.sh
cmake --preset windows
cmake --build --preset windows --target Fennick
exe="$repo/build/windows/app/Fennick.exe"

source scripts/session.sh
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec wine "$exe"
fi

start_display
start_wineserver
trap stop_session EXIT
wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
shot="$repo/build/screenshots/fennick.png"
mkdir -p "$(dirname "$shot")"
sleep "${FENNICK_SHOT_DELAY:-6}"
import -window root "$shot"
kill "$app" 2>/dev/null || true
echo "Fennick ran under Wine on a private display; screenshot saved to $shot"
