#!/usr/bin/env bash
# fuzz/run.sh [SECONDS]: builds the link codec's libFuzzer target into
# build/fuzz and runs it for SECONDS (default 60). Exits non-zero on any
# finding (a violated property, a sanitizer report, a hang or a leak);
# the input that found it is kept in build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
out=build/fuzz
target="$out/link_codec_fuzz"
sources=(codec/text.cpp codec/event_pump.cpp codec/base64.cpp codec/shift_cipher.cpp
         codec/link_forms.cpp fuzz/link_codec_fuzz.cpp)

build() {
  mkdir -p "$out"
  local newest
  newest=$(ls -t "${sources[@]}" codec/*.h tests/codec/decode_by_the_rules.h fuzz/run.sh | head -n 1)
  if [ -x "$target" ] && [ "$target" -nt "$newest" ]; then return; fi
  echo "fuzz: building $target"
  clang++ -std=c++17 -g -O1 -I. -Wall -Wextra -Wshadow \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    "${sources[@]}" -o "$target"
}

run() {
  # New inputs go to the working corpus; the committed seeds are only read.
  mkdir -p "$out/corpus" "$out/artifacts"
  echo "fuzz: running for ${seconds} s (log: $out/fuzz.log)"
  local status=0
  "$target" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$out/artifacts/" -print_final_stats=1 \
    "$out/corpus" fuzz/corpus >"$out/fuzz.log" 2>&1 || status=$?
  local runs
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/fuzz.log" | tail -n 1)
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$out/fuzz.log"
    echo "fuzz: finding after ${runs:-?} runs, exit $status; input kept in $out/artifacts/"
    echo "fuzz: 0 passed, 1 failed"
    return 1
  fi
  echo "fuzz: ${runs:-?} runs in ${seconds} s, corpus $(ls "$out/corpus" | wc -l) inputs, no finding"
  echo "fuzz: 1 passed, 0 failed"
}

build
run
