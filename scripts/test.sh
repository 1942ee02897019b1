#!/usr/bin/env bash
# Runs every test: sets the machine up, builds both trees, runs the native
# suites (codec, command line, window logic), a bounded fuzz run, then the
# Windows stage under Wine and Xvfb (unit tests as .exe, end-to-end tests
# of linkconv.exe, screenshot in build/mingw/screenshot.png).
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1
bash scripts/build.sh || exit 1

status=0
echo "== native tests =="
ctest --test-dir build/native --output-on-failure -j 2 || status=1
echo "== fuzzing =="
bash fuzz/run.sh "${FUZZ_SECONDS:-60}" || status=1
echo "== Windows tests under Wine =="
bash scripts/test_windows.sh build/mingw || status=1

if [ "$status" -ne 0 ]; then echo "test: FAILED"; else echo "test: all stages passed"; fi
exit "$status"
