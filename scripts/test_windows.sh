#!/usr/bin/env bash
# The Windows test stage. Runs the cross-built tests of BUILD_DIR (the codec
# unit tests and the end-to-end tests of linkconv.exe) under Wine, on a
# private Xvfb display and in a fresh Wine prefix, then leaves a screenshot
# of the running window in BUILD_DIR/screenshot.png.
#
# Usage: scripts/test_windows.sh BUILD_DIR [CTEST_ARGUMENTS...]
#   (e.g. -R Copy to run some tests only)
# Exit code: 0 when every test passed and the screenshot was taken.
set -euo pipefail

if [ $# -lt 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 BUILD_DIR [CTEST_ARGUMENTS...] (BUILD_DIR: a built cross build)" >&2
  exit 2
fi
BUILD=$(cd "$1" && pwd)
shift
BIN="$BUILD/bin"
stage_start=$SECONDS

fail() { echo "test_windows: $*" >&2; exit 1; }
step() { echo "test_windows: [$((SECONDS - stage_start))s] $*"; }

for tool in wine wineserver wineboot Xvfb xdpyinfo import ctest timeout; do
  command -v "$tool" >/dev/null || fail "missing tool '$tool' (run scripts/setup.sh)"
done
for file in protocol_recorder.exe shdocvw_recording.dll shdocvw_no_export.dll linkconv_e2e.exe \
            linkconv_showcase.exe linkconv.exe; do
  [ -f "$BIN/$file" ] || fail "missing $BIN/$file: build the tree first"
done

export WINEPREFIX="$BUILD/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8
unset WINESERVER WINELOADER 2>/dev/null || true

XVFB_PID=""
SHOWCASE_PID=""
# Ends a child of this script: asks, waits up to 5 s, then forces.
stop_process() {
  kill "$1" 2>/dev/null || true
  for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -9 "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
cleanup() {
  local status=$?
  if [ -n "$SHOWCASE_PID" ]; then stop_process "$SHOWCASE_PID"; fi
  timeout 30 wineserver -k 2>/dev/null || true
  if [ -n "$XVFB_PID" ]; then stop_process "$XVFB_PID"; fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# --- X server: a free display chosen by Xvfb itself ---------------------
display_file="$BUILD/xvfb.display"
rm -f "$display_file"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >"$BUILD/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb exited at start: $(cat "$BUILD/xvfb.log")"
  sleep 0.1
done
[ -s "$display_file" ] || fail "Xvfb chose no display within 10 s"
export DISPLAY=":$(tr -d '[:space:]' <"$display_file")"
timeout 10 bash -c 'until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done' \
  || fail "Xvfb on $DISPLAY does not answer"
step "Xvfb answers on $DISPLAY"

# --- Wine prefix: new for every run --------------------------------------
rm -rf "$WINEPREFIX"
timeout 300 wineboot -i >"$BUILD/wineboot.log" 2>&1 || fail "wineboot failed or timed out: $(tail -5 "$BUILD/wineboot.log")"
# The server writes the registry out when it ends.
timeout 120 wineserver -w || fail "the Wine server did not end after wineboot"
[ -f "$WINEPREFIX/system.reg" ] || fail "wineboot made no prefix in $WINEPREFIX"

fixtures="$WINEPREFIX/drive_c/linkconv-e2e"
mkdir -p "$fixtures"
cp "$BIN/protocol_recorder.exe" "$fixtures/"
cp "$BIN/shdocvw_recording.dll" "$WINEPREFIX/drive_c/windows/system32/shdocvw.dll"

# A virtual desktop, so that Wine draws the frames and caption bars itself;
# the program's process takes the shdocvw.dll found in system32; the three
# download-manager protocols start the recorder; no crash dialogs.
command='@="\"C:\\linkconv-e2e\\protocol_recorder.exe\" \"%1\""'
{
  printf 'REGEDIT4\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\linkconv.exe\\DllOverrides]\r\n"shdocvw"="native"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n\r\n'
  for scheme in thunder flashget qqdl; do
    printf '[HKEY_CLASSES_ROOT\\%s]\r\n@="URL:%s Protocol"\r\n"URL Protocol"=""\r\n\r\n' "$scheme" "$scheme"
    printf '[HKEY_CLASSES_ROOT\\%s\\shell\\open\\command]\r\n%s\r\n\r\n' "$scheme" "$command"
  done
} >"$fixtures/setup.reg"
timeout 120 wine reg import 'C:\linkconv-e2e\setup.reg' >"$BUILD/wine-reg.log" 2>&1 \
  || fail "registry import failed: $(cat "$BUILD/wine-reg.log")"
# Restart the server so the desktop setting applies to every later process;
# then keep one server for the whole run.
timeout 60 wineserver -k || true
timeout 60 wineserver -w || true
wineserver -p
step "Wine prefix ready in $WINEPREFIX"

# --- the tests -----------------------------------------------------------
set +e
timeout 3600 ctest --test-dir "$BUILD" --output-on-failure "$@"
tests_status=$?
set -e
step "ctest finished with status $tests_status"

# --- screenshot of the window as Wine shows it ---------------------------
shot="$BUILD/screenshot.png"
ready="$BUILD/showcase.ready"
done_file="$BUILD/showcase.done"
rm -f "$shot" "$ready" "$done_file"
to_windows_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
wine "$BIN/linkconv_showcase.exe" "$(to_windows_path "$ready")" "$(to_windows_path "$done_file")" \
  >"$BUILD/showcase.log" 2>&1 &
SHOWCASE_PID=$!
shot_status=0
if timeout 120 bash -c "until [ -f '$ready' ]; do kill -0 $SHOWCASE_PID 2>/dev/null || exit 1; sleep 0.2; done"; then
  timeout 60 import -display "$DISPLAY" -window root "$shot" || shot_status=1
else
  echo "test_windows: the showcase did not show the window: $(cat "$BUILD/showcase.log")" >&2
  shot_status=1
fi
touch "$done_file"
if timeout 60 bash -c "while kill -0 $SHOWCASE_PID 2>/dev/null; do sleep 0.2; done"; then
  wait "$SHOWCASE_PID" || { echo "test_windows: the showcase failed: $(cat "$BUILD/showcase.log")" >&2; shot_status=1; }
else
  echo "test_windows: the showcase did not end within 60 s" >&2
  stop_process "$SHOWCASE_PID"
  shot_status=1
fi
SHOWCASE_PID=""
[ "$shot_status" -eq 0 ] && [ -s "$shot" ] && step "screenshot in $shot" || echo "test_windows: no screenshot" >&2

step "done in $((SECONDS - stage_start)) s"
if [ "$tests_status" -ne 0 ]; then exit "$tests_status"; fi
exit "$shot_status"
