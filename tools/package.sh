#!/usr/bin/env bash
# Builds the Windows packages of Vodari into build/package:
#   Vodari-<version>-win32.zip   the runnable folder Vodari-<version>\ (Vodari.exe,
#                                the capture library nhw32.dll with its 64-bit
#                                part nhw32_64.dll and nhw32_x64.exe when built,
#                                books\, sound\, the user guide and the
#                                licence), to unpack anywhere
#   Vodari-<version>-setup.exe   the installer (NSIS), per user, no administrator
# The version is the ProductVersion of the program's version record.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

"$root/tools/setup.sh"
cmake --preset windows >/dev/null
# Building the program builds our capture library nhw32.dll (and its 64-bit
# part) beside it too.
cmake --build --preset windows -j "$(nproc 2>/dev/null || echo 2)" --target Vodari

version=$(sed -n 's/.*VALUE "ProductVersion", "\([0-9.]*\)".*/\1/p' src/res/vodari.rc)
[ -n "$version" ] || { echo "package: no ProductVersion in src/res/vodari.rc" >&2; exit 1; }
quad=$version
while [ "$(tr -cd . <<<"$quad" | wc -c)" -lt 3 ]; do quad=$quad.0; done

out="$root/build/package"
name="Vodari-$version"
stage="$out/$name"
app="$root/build/windows/app"
rm -rf "$stage" "$out/$name-win32.zip" "$out/$name-setup.exe"
mkdir -p "$stage"
# A fresh lay-out from the sources, not the build's app folder, whose history
# books hold the records of test runs.
cmake -DSOURCE="$root/data" -DDEST="$stage" -P "$root/cmake/lay_out_app.cmake"
cp "$app/Vodari.exe" "$stage/"
for library in nhw32.dll nhw32_64.dll nhw32_x64.exe; do
  if [ -f "$app/$library" ]; then cp "$app/$library" "$stage/"; fi
done

# The Chinese names go in as UTF-8 with the zip's UTF-8 flag, which Windows
# and the common unpackers read correctly (Debian's zip leaves the flag off).
(cd "$out" && python3 - "$name-win32.zip" "$name" <<'PY'
import os, sys, zipfile
archive, top = sys.argv[1], sys.argv[2]
with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
    for folder, subfolders, files in os.walk(top):
        subfolders.sort()
        for name in sorted(files):
            z.write(os.path.join(folder, name))
PY
)
makensis -V2 -DVERSION="$version" -DVERSION_QUAD="$quad" -DSTAGE="$stage" \
  -DOUTFILE="$out/$name-setup.exe" -DICON="$root/src/res/vodari.ico" "$root/tools/installer/vodari.nsi"
echo "package: $out/$name-win32.zip"
echo "package: $out/$name-setup.exe"
