#!/usr/bin/env bash
# bench/compare.sh [decode] [cli] [wine]: times our programs against the
# tools a user would otherwise reach for, on the same data, and prints the
# figures.
#   decode  our Base64 decoder against GNU base64 -d on a 64 MiB file
#   cli     linkconv-cli --to real against a plain Python script on
#           1,000,000 thunder links
#   wine    under Wine and Xvfb, the window's Convert of a 1 MiB thunder
#           link against linkconv-cli.exe doing the same four conversions
# With no argument it runs every comparison. Each comparison is one function
# below; a new one is added to COMPARISONS.
#
# Environment: BUILD_DIR (default build/native; built in Release if needed),
# MINGW_BUILD_DIR (the Windows build for wine; default build/mingw, cross-built
# if needed), RUNS (timed runs per program, the best counts; default 5).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR="${BUILD_DIR:-build/native}"
RUNS="${RUNS:-5}"
DATA="$BUILD_DIR/bench-data"
CLI="$BUILD_DIR/bin/linkconv-cli"
DECODE_FILE="$BUILD_DIR/bin/decode_file"
MINGW_BUILD_DIR="${MINGW_BUILD_DIR:-build/mingw}"
COMPARISONS=(decode cli wine)

build() {
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$BUILD_DIR" -j 2 --target linkconv-cli decode_file >/dev/null
}

now() { date +%s.%N; }

# best_time FUNCTION: the best wall time in seconds over RUNS calls.
best_time() {
  local best="" start end t i
  for ((i = 0; i < RUNS; i++)); do
    start=$(now)
    "$1" >/dev/null
    end=$(now)
    t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }')
    if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best="$t"; fi
  done
  echo "$best"
}

# calc EXPRESSION: evaluated by awk, printed with two decimals.
calc() { awk "BEGIN { printf \"%.2f\", $1 }"; }

# --- decode: our Decode against GNU base64 -d --------------------------------

make_base64_data() {
  mkdir -p "$DATA"
  if [ ! -s "$DATA/data.b64" ]; then
    head -c $((48 << 20)) /dev/urandom >"$DATA/raw.bin"
    base64 -w 0 "$DATA/raw.bin" >"$DATA/data.b64"  # 64 MiB, no line breaks
  fi
}

ours_in_pieces() { "$DECODE_FILE" "$DATA/data.b64"; }
ours_whole() { "$DECODE_FILE" --whole "$DATA/data.b64"; }
gnu_base64() { base64 -d "$DATA/data.b64"; }

compare_decode() {
  build
  make_base64_data
  local f
  for f in ours_in_pieces ours_whole gnu_base64; do
    "$f" | cmp -s - "$DATA/raw.bin" || { echo "decode: $f gives the wrong bytes" >&2; return 1; }
  done
  local size pieces whole gnu
  size=$(stat -c %s "$DATA/data.b64")
  pieces=$(best_time ours_in_pieces)
  whole=$(best_time ours_whole)
  gnu=$(best_time gnu_base64)
  echo "decode: $((size >> 20)) MiB of Base64 text, best of $RUNS runs, output to /dev/null"
  printf '  %-44s %8s s %10s MB/s\n' \
    "linkconv Decode, 64 KiB pieces" "$pieces" "$(calc "$size / $pieces / 1e6")" \
    "linkconv Decode, one call on the whole file" "$whole" "$(calc "$size / $whole / 1e6")" \
    "GNU base64 -d" "$gnu" "$(calc "$size / $gnu / 1e6")"
  echo "  speed of ours in pieces / base64 -d: $(calc "$gnu / $pieces")x"
}

# --- cli: linkconv-cli against the Python script a user would write ---------

make_link_data() {
  mkdir -p "$DATA"
  if [ ! -s "$DATA/links.txt" ]; then
    python3 - "$DATA/links.txt" <<'PY'
import base64, sys
with open(sys.argv[1], "wb") as f:
    for i in range(1000000):
        address = b"http://example.com/files/%d/file-%d.zip" % (i % 997, i)
        f.write(b"thunder://" + base64.b64encode(b"AA" + address + b"ZZ") + b"\n")
PY
  fi
  cat >"$DATA/thunder_to_real.py" <<'PY'
import base64
import sys

out = sys.stdout.buffer
for line in sys.stdin.buffer:
    line = line.strip()
    if line.startswith(b"thunder://"):
        line = base64.b64decode(line[10:])[2:-2]
    out.write(line + b"\n")
PY
}

cli_to_real() { "$CLI" --to real <"$DATA/links.txt"; }
python_to_real() { python3 "$DATA/thunder_to_real.py" <"$DATA/links.txt"; }

compare_cli() {
  build
  make_link_data
  cmp -s <(cli_to_real) <(python_to_real) || { echo "cli: the two outputs differ" >&2; return 1; }
  local lines cli python
  lines=$(wc -l <"$DATA/links.txt")
  cli=$(best_time cli_to_real)
  python=$(best_time python_to_real)
  echo "cli: $lines thunder links to real addresses, best of $RUNS runs"
  printf '  %-44s %8s s\n' "linkconv-cli --to real" "$cli" "python3 with the base64 module" "$python"
  echo "  speed of linkconv-cli / python: $(calc "$python / $cli")x"
}

# --- wine: the window's Convert against linkconv-cli.exe, both under Wine ---

build_mingw() {
  # Configured once; the build step configures again when a CMake file changed.
  if [ ! -f "$MINGW_BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S . -B "$MINGW_BUILD_DIR" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DLINKCONV_BENCH=OFF --no-warn-unused-cli >/dev/null
  fi
  cmake --build "$MINGW_BUILD_DIR" -j 2 --target linkconv linkconv-cli convert_timing >/dev/null
}

compare_wine() {
  build_mingw
  # shellcheck source=../scripts/wine_env.sh
  source scripts/wine_env.sh
  trap wine_env_stop EXIT
  trap 'exit 130' INT TERM
  wine_env_start "$MINGW_BUILD_DIR/wine-bench" || return 1
  # Through a file: Wine's long-lived helpers would keep a pipe open.
  local log="$MINGW_BUILD_DIR/wine-bench/convert_timing.log" status=0
  timeout 1800 wine "$MINGW_BUILD_DIR/bin/convert_timing.exe" "$RUNS" >"$log" 2>&1 </dev/null || status=$?
  wine_env_stop
  trap - EXIT INT TERM
  echo "wine: linkconv.exe and linkconv-cli.exe under Wine"
  sed 's/\r$//; s/^/  /' "$log"
  [ "$status" -eq 0 ] || { echo "wine: convert_timing failed with status $status" >&2; return 1; }
}

main() {
  local chosen=("$@")
  [ ${#chosen[@]} -gt 0 ] || chosen=("${COMPARISONS[@]}")
  local c
  for c in "${chosen[@]}"; do
    declare -F "compare_$c" >/dev/null || { echo "compare.sh: no comparison '$c' (${COMPARISONS[*]})" >&2; exit 2; }
    "compare_$c"
  done
}

main "$@"
