# Sourced by scripts that run Windows programs outside ctest: a private
# Xvfb display and a fresh Wine prefix, and their teardown.
#   wine_env_start DIR  starts Xvfb on a free display, makes a new prefix in
#                       DIR/wineprefix (logs in DIR), keeps one Wine server
#                       running, and exports DISPLAY, WINEPREFIX and the
#                       Wine settings; returns non-zero on any failure
#   wine_env_stop       ends the Wine server and Xvfb; safe to call twice,
#                       so it can sit in an EXIT trap

WINE_ENV_XVFB_PID=""

wine_env_fail() { echo "wine_env: $*" >&2; return 1; }

wine_env_start() {
  local dir tool
  mkdir -p "$1" && dir=$(cd "$1" && pwd) || return 1
  for tool in wine wineserver wineboot Xvfb xdpyinfo timeout; do
    command -v "$tool" >/dev/null || { wine_env_fail "missing tool '$tool' (run scripts/setup.sh)"; return 1; }
  done
  export WINEPREFIX="$dir/wineprefix" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_CN.UTF-8
  unset WINESERVER WINELOADER

  # Xvfb picks a free display itself and writes its number to fd 3.
  local display_file="$dir/xvfb.display"
  rm -f "$display_file"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >"$dir/xvfb.log" 2>&1 &
  WINE_ENV_XVFB_PID=$!
  local i
  for ((i = 0; i < 100; i++)); do
    [ -s "$display_file" ] && break
    kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || { wine_env_fail "Xvfb exited at start: $(cat "$dir/xvfb.log")"; return 1; }
    sleep 0.1
  done
  [ -s "$display_file" ] || { wine_env_fail "Xvfb chose no display within 10 s"; return 1; }
  export DISPLAY=":$(tr -d '[:space:]' <"$display_file")"
  timeout 10 bash -c 'until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done' \
    || { wine_env_fail "Xvfb on $DISPLAY does not answer"; return 1; }

  rm -rf "$WINEPREFIX"
  timeout 300 wineboot -i >"$dir/wineboot.log" 2>&1 \
    || { wine_env_fail "wineboot failed or timed out: $(tail -5 "$dir/wineboot.log")"; return 1; }
  timeout 120 wineserver -w || { wine_env_fail "the Wine server did not end after wineboot"; return 1; }
  [ -f "$WINEPREFIX/system.reg" ] || { wine_env_fail "wineboot made no prefix in $WINEPREFIX"; return 1; }
  # One server for every program of the run, so none pays for its start.
  wineserver -p
}

wine_env_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then timeout 30 wineserver -k 2>/dev/null || true; fi
  if [ -n "$WINE_ENV_XVFB_PID" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    local i
    for ((i = 0; i < 50; i++)); do kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    WINE_ENV_XVFB_PID=""
  fi
}
