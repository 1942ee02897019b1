#!/usr/bin/env bash
# Runs one Windows program of the build under Wine: the emulator through
# which ctest starts the cross-built tests. It uses the prefix and the
# display that scripts/test_windows.sh prepared for the run; without them
# the test fails (it never runs somewhere else or skips).
set -u
if [ -z "${WINEPREFIX:-}" ] || [ ! -d "${WINEPREFIX}/drive_c" ]; then
  echo "wine-run: no prepared Wine prefix (WINEPREFIX='${WINEPREFIX:-}'); run scripts/test_windows.sh" >&2
  exit 2
fi
if [ -z "${DISPLAY:-}" ]; then
  echo "wine-run: no X display; run scripts/test_windows.sh" >&2
  exit 2
fi
# Wine's own long-lived processes (services, the desktop) would inherit a
# pipe and keep it open after the test ends, so the output goes through a
# file.
output=$(mktemp)
trap 'rm -f "$output"' EXIT
wine "$@" >"$output" 2>&1 </dev/null
status=$?
cat "$output"
exit "$status"
