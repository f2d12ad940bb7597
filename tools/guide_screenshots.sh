#!/usr/bin/env bash
# Takes the user guide's pictures (docs/guide/*.png) from the real program
# under Wine on a virtual display: each scene of the demo driver, cut out of
# the screen. Usage: tools/guide_screenshots.sh [SCENE...] (default: all). The program runs in a fresh lay-out of the shipped books, so no
# record of a test run shows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

"$root/tools/build_windows.sh"

. "$root/tools/wine_env.sh"
unset DISPLAY  # always a virtual display of its own: nothing else on it
trap vodari_wine_stop EXIT
vodari_wine_start "$root/build/windows"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv=d"

app=$(mktemp -d "$root/build/windows/guide-app.XXXXXX")
trap 'rm -rf "$app"; vodari_wine_stop' EXIT
cmake -DSOURCE="$root/data" -DDEST="$app" -P "$root/cmake/lay_out_app.cmake"
cp "$root/build/windows/app/Vodari.exe" "$app/"
if [ -f "$root/build/windows/app/nhw32.dll" ]; then cp "$root/build/windows/app/nhw32.dll" "$app/"; fi

shoot() {
  local scene=$1 picture=$2
  wine "$root/build/windows/tools/vodari_demo_driver.exe" --vodari="$app/Vodari.exe" \
    --scene="$scene" >"$app/scene.txt"
  sleep 1
  local rectangle
  rectangle=$(tr -d '\r' <"$app/scene.txt" | tail -n 1)
  xwd -root -silent -display "$DISPLAY" | convert xwd:- -crop "$rectangle" +repage "$root/docs/guide/$picture"
  wineserver -k  # ends the program of this scene
  echo "guide: docs/guide/$picture"
}

# Scene of the demo driver and picture, all of them or those named.
declare -A pictures=([test]=main-window.png [answer]=answer.png [recite]=recitation-strip.png
  [settings]=settings.png [about]=about.png [lookup]=lookup.png [capture]=capture.png)
scenes=("$@")
[ ${#scenes[@]} -gt 0 ] || scenes=(test answer recite settings about lookup capture)
mkdir -p "$root/docs/guide"
for scene in "${scenes[@]}"; do shoot "$scene" "${pictures[$scene]}"; done
