#!/usr/bin/env bash
# Installs what is missing, builds the native and Windows configurations and
# runs every test suite: the unit tests natively, again under AddressSanitizer
# and UndefinedBehaviorSanitizer, and the Windows unit and end-to-end tests
# under the machine's Wine (the capture tests also over a 64-bit program, in a
# 64-bit prefix); then it builds the zip and the installer and tries them
# under Wine; last it runs the Windows tests again under Wine 10
# (tools/wine10.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

"$root/tools/setup.sh"

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

echo "== word books"
# The user dictionary's instruction lines are meant to be ignored lines, and
# the two history books hold only their title line.
books_ok=true
for book in data/books/*; do
  [ -f "$book" ] || continue
  case "${book##*/}" in
    用户自定义字典.txt) options=(--quiet) ;;
    重点单词记录.txt | 曾经背记过的单词.txt) options=(--werror --quiet --allow-empty) ;;
    *) options=(--werror --quiet) ;;
  esac
  "$root/build/native/tools/book_checker" "${options[@]}" "$book" || books_ok=false
done
[ "$books_ok" = true ] || { echo "word book check failed" >&2; exit 1; }

echo "== benchmarks, one short run (figures only, not checked)"
"$root/build/native/bench/vodari_bench" --benchmark_min_time=0.05 2>/dev/null | grep -E 'limit' || true

echo "== fuzzers, short runs"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
fuzz_dir=$(mktemp -d)
fuzz() {  # target, seconds, then more options and seed folders
  local target=$1 seconds=$2
  shift 2
  mkdir -p "$fuzz_dir/$target"
  if ! "$root/build/fuzz/fuzz/$target" -max_total_time="$seconds" -artifact_prefix="$fuzz_dir/" \
    "$fuzz_dir/$target" "$@" >"$fuzz_dir/$target.log" 2>&1; then
    tail -20 "$fuzz_dir/$target.log" >&2
    echo "$target failed; its input is in $fuzz_dir" >&2
    exit 1
  fi
  grep -E '^Done' "$fuzz_dir/$target.log"
}
fuzz fuzz_book_reader 35 -dict="$root/fuzz/book.dict" "$root/fuzz/seeds/book"
fuzz fuzz_dialog_integer 15
rm -rf "$fuzz_dir"

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
# The tests play sounds but need no sound device: keep Wine's audio
# drivers out, and their complaints with them.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv=d"
ctest --preset windows

echo "== packages: the zip and the installer under Wine"
"$root/tools/package.sh"
"$root/tests/package/test_package.sh"
vodari_wine_stop
trap - EXIT

echo "== Windows tests under Wine 10"
"$root/tools/wine10.sh"

echo "== all tests passed"
