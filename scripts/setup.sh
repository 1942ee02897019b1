#!/usr/bin/env bash
# Installs everything linkconv builds and tests with, on Debian 12.
# Idempotent: installs only what is missing; uses sudo when not root.
set -euo pipefail

PACKAGES=(
  build-essential cmake git ca-certificates python3
  clang libclang-rt-14-dev            # libFuzzer, ASan, UBSan
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64                # the Windows cross compiler
  wine wine64 xvfb xauth x11-utils    # run and test the .exe
  fonts-wqy-microhei locales          # CJK font, zh_CN.UTF-8 for code page 936
  imagemagick                         # screenshots
  coreutils
)

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# zh_CN.UTF-8 gives Wine the ANSI code page 936 (GBK).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  echo "setup: generating zh_CN.UTF-8"
  if [ -f /etc/locale.gen ]; then
    $SUDO sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  else
    $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  fi
fi
