#!/usr/bin/env bash
# Installs what is missing, builds the native and Windows configurations and
# runs every test suite: the unit tests natively, again under AddressSanitizer
# and UndefinedBehaviorSanitizer, and the Windows unit and end-to-end tests
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

"$root/tools/setup.sh"

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

echo "== native unit tests under ASan and UBSan"
cmake --preset native-sanitize >/dev/null
cmake --build --preset native-sanitize -j "$jobs" --target vodari_unit_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --preset native-sanitize -R '^unit$'

echo "== Windows build, tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
. "$root/tools/wine_env.sh"
trap vodari_wine_stop EXIT
vodari_wine_start "$root/build/windows"
ctest --preset windows

echo "== all tests passed"
