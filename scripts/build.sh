#!/usr/bin/env bash
# Builds everything: the native tree (codec, linkconv-cli, tests, benchmarks)
# into build/native and the Windows tree (linkconv.exe, linkconv-cli.exe,
# tests and fixtures) into build/mingw.
set -euo pipefail
cd "$(dirname "$0")/.."
JOBS="${JOBS:-$(nproc)}"

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Release -DLINKCONV_BENCH=ON >/dev/null
cmake --build build/native -j "$JOBS"

cmake -S . -B build/mingw -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DLINKCONV_BENCH=OFF --no-warn-unused-cli >/dev/null
cmake --build build/mingw -j "$JOBS"
