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
cmake --preset fuzz
cmake --build --preset fuzz

source scripts/session.sh
start_display
start_wineserver
trap stop_session EXIT

status=0
scripts/check-format.sh || { echo "format: run scripts/check-format.sh --fix" >&2; status=1; }
ctest --preset native || status=1
ctest --preset windows || status=1

# A short libFuzzer run of every markup scanner from its checked-in seed corpus; new inputs go
# to build/fuzz/corpus. Longer runs by hand, for example:
#   build/fuzz/tests/markup/fuzz_markup_layout -max_total_time=600 build/fuzz/corpus/fuzz_markup_layout
for seeds in tests/markup/fuzz/corpus/*/; do
  fuzzer=$(basename "$seeds")
  mkdir -p "build/fuzz/corpus/$fuzzer"
  if ! "build/fuzz/tests/markup/$fuzzer" -max_total_time=5 -timeout=10 \
      "build/fuzz/corpus/$fuzzer" "$seeds" >"build/fuzz/$fuzzer.log" 2>&1; then
    echo "fuzz: $fuzzer found a fault, see build/fuzz/$fuzzer.log" >&2
    status=1
  fi
done
exit $status
