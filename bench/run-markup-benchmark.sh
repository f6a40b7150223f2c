#!/usr/bin/env bash
# The markup layout's measure and draw passes: natively with the recording surface (Google
# Benchmark, preset "bench"), then under Wine with GDI into a memory DC.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$repo"
repetitions=${FENNICK_BENCH_REPETITIONS:-50}

cmake --preset bench >/dev/null
cmake --build --preset bench --target markup_benchmark >/dev/null
build/bench/bench/markup/markup_benchmark

cmake --build --preset windows --target markup_timings >/dev/null
source scripts/session.sh
start_display
start_wineserver || true  # a server already running is fine
wine build/windows/tests/markup/markup_timings.exe "$repetitions" 2>/dev/null | tr -d '\r'
stop_session
