#!/usr/bin/env bash
# Builds both configurations and runs every test: the portable code natively (with sanitizers)
# and the Windows programs under Wine, GUI tests on a private X display.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
scripts/setup.sh

cmake --preset native
cmake --build --preset native
cmake --preset windows
cmake --build --preset windows

source scripts/session.sh
start_display
start_wineserver
trap stop_session EXIT

status=0
ctest --preset native || status=1
ctest --preset windows || status=1
exit $status
