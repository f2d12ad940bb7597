#!/usr/bin/env bash
# Installs, only where missing, every Debian package that building, running and
# testing Vodari needs. Safe to run again; it changes nothing when all is there.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi

missing=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# The x86_64 compiler builds the capture library's 64-bit part. The extra
# fonts are what a browser brings: the capture tests run with them, since
# they change how other programs' text is laid out.
native_pkgs=(cmake make g++ libgtest-dev googletest
  g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb x11-apps x11-utils openbox imagemagick xauth locales fonts-wqy-microhei
  fonts-noto-core fonts-liberation fonts-droid-fallback fonts-urw-base35
  libbenchmark-dev clang libclang-rt-dev
  nsis python3 unzip debootstrap)

# 32-bit Windows programs need wine32 from the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi

for p in "${native_pkgs[@]}"; do have "$p" || missing+=("$p"); done
have wine32:i386 || missing+=("wine32:i386")

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
elif [ -n "${need_update:-}" ]; then
  $SUDO apt-get update -qq
fi

# Wine only runs with code page 936 when the zh_CN.UTF-8 locale exists.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  echo "setup: generating zh_CN.UTF-8"
  $SUDO sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
echo "setup: all build and test packages present"
