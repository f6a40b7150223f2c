#!/usr/bin/env bash
# Runs a Windows test program under Wine at another display density, then gives the prefix its
# default density back. Usage: run-at-dpi.sh <dots per inch> <program> [arguments...]
# The density is the whole prefix's, so CTest runs these alone (RUN_SERIAL).
set -u
dpi=$1
shift
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
key='HKCU\Control Panel\Desktop'
wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1
wine "$@"
status=$?
wine reg delete "$key" /v LogPixels /f </dev/null >/dev/null 2>&1
exit $status
