#!/usr/bin/env bash
# Under Wine: one full paint of each label of the markup demo, the pointer moving across the
# label with the most links, and the label with the most markup painting 100 times.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"

cmake --build --preset windows --target markup_demo_timings
program="$repo/build/windows/demo/markup_demo_timings.exe"

source scripts/session.sh
start_display
start_wineserver || true  # a server already running is fine
echo "machine load: $(uptime)"
wine "$program" 2>/dev/null | tr -d '\r'
stop_session
