#!/usr/bin/env bash
# The packages as a user gets them. The zip holds the whole runnable folder,
# and unpacked into a fresh folder the program runs and asks a question. The
# installer installs silently into a fresh folder; the installed program
# records a missed word; installing again over it keeps the record, and so
# does a silent uninstall (which keeps the user's books unless told).
# Run by tools/test.sh after tools/package.sh, inside its Wine set-up.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out="$root/build/package"
check="$root/build/windows/tests/e2e/vodari_package_check.exe"
zip=$(ls "$out"/Vodari-*-win32.zip)
setup=$(ls "$out"/Vodari-*-setup.exe)
fail() { echo "package test: $*" >&2; exit 1; }
windows_path() { local unix=${1//\//\\}; echo "Z:$unix"; }

# The installer's shortcuts stay inside the Wine prefix: no menu entries and
# no desktop links in the home folder.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
for desktop in "$WINEPREFIX"/drive_c/users/*/Desktop; do
  if [ -L "$desktop" ]; then rm "$desktop" && mkdir "$desktop"; fi
done

work=$(mktemp -d "$out/test.XXXXXX")
trap 'rm -rf "$work"' EXIT

names=$(unzip -Z1 "$zip")
top=${names%%/*}
count() { grep -c "$1" <<<"$names" || true; }
[ "$(count "^$top/books/[^/]*\.txt$")" = 39 ] || fail "the zip does not hold the 39 books"
[ "$(count "^$top/sound/[^/]*\.wav$")" = 4 ] || fail "the zip does not hold the 4 sounds"
pictures=$(grep -o 'guide/[^"]*\.png' "$root/docs/使用说明.htm" | sort -u || true)
library=
for name in nhw32.dll nhw32_64.dll nhw32_x64.exe; do
  if [ -f "$root/build/windows/app/$name" ]; then library="$library $name"; fi
done
for name in Vodari.exe $library 使用说明.htm LICENSE.txt $pictures; do
  grep -qx "$top/$name" <<<"$names" || fail "the zip lacks $name"
done
unzip -q "$zip" -d "$work/unpacked"
wine "$check" --vodari="$work/unpacked/$top/Vodari.exe" || fail "the unpacked program failed"

installed="$work/installed"
missed="$installed/books/重点单词记录.txt"
wine "$setup" /S "/D=$(windows_path "$installed")" 2>/dev/null
for name in Vodari.exe $library 使用说明.htm; do
  [ -f "$installed/$name" ] || fail "the installer did not install $name"
done
title_only=$(wc -c <"$missed")
wine "$check" --vodari="$installed/Vodari.exe" --miss-a-word || fail "the installed program failed"
[ "$(wc -c <"$missed")" -gt "$title_only" ] || fail "the installed program recorded no missed word"
cp "$missed" "$work/missed"
wine "$setup" /S "/D=$(windows_path "$installed")" 2>/dev/null
cmp -s "$missed" "$work/missed" || fail "installing again lost the missed-words book"
wine "$installed/uninstall.exe" /S "_?=$(windows_path "$installed")" 2>/dev/null
[ ! -e "$installed/Vodari.exe" ] || fail "uninstalling left the program"
cmp -s "$missed" "$work/missed" || fail "uninstalling deleted the missed-words book unasked"
echo "package test: zip and installer passed"
