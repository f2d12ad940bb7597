#!/usr/bin/env bash
# Takes the user guide's pictures (docs/guide/*.png) from the real program
# under Wine on a virtual display of its own with a window manager (openbox),
# so every window has its proper frame: each scene of the demo driver, cut out
# of the screen. Usage: tools/guide_screenshots.sh [SCENE...] (default: all).
# The program runs in a fresh lay-out of the shipped books, so no record of a
# test run shows. It uses a Wine prefix of its own (build/windows/guide), in
# which Wine leaves the frames to the window manager; the tests' prefix keeps
# its unmanaged windows.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

# Scene of the demo driver and picture, all of them or those named.
declare -A pictures=([test]=main-window.png [answer]=answer.png [recite]=recitation-strip.png
  [settings]=settings.png [about]=about.png [lookup]=lookup.png [capture]=capture.png)
scenes=("$@")
[ ${#scenes[@]} -gt 0 ] || scenes=(test answer recite settings about lookup capture)
for scene in "${scenes[@]}"; do
  [ -n "${pictures[$scene]:-}" ] || { echo "guide: no scene \"$scene\"" >&2; exit 2; }
done

"$root/tools/build_windows.sh"

. "$root/tools/wine_env.sh"
unset DISPLAY                # always a virtual display of its own: nothing else on it
export VODARI_SCREEN=1280x1024x24  # room for a dialog beside the main window
wm_pid=
app=
books=
finish() {
  if [ -n "$wm_pid" ]; then
    kill "$wm_pid" 2>/dev/null || true
    wait "$wm_pid" 2>/dev/null || true
  fi
  [ -z "$app" ] || rm -rf "$app"
  [ -z "$books" ] || rm -rf "$books"
  vodari_wine_stop
}
trap finish EXIT
vodari_wine_start "$root/build/windows/guide"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winealsa.drv,winepulse.drv=d"
if [ ! -f "$WINEPREFIX/.vodari-managed" ]; then
  # Managed windows: the window manager draws their frames. Unmanaged ones
  # get Wine's own caption, whose buttons need a font the machine lacks.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.vodari-managed"
fi

openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
wm_ready() { xprop -root -display "$DISPLAY" _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
vodari_wait_for "$wm_pid" wm_ready || {
  echo "guide: the window manager did not start" >&2
  exit 1
}

app=$(mktemp -d "$root/build/windows/guide-app.XXXXXX")
cmake -DSOURCE="$root/data" -DDEST="$app" -P "$root/cmake/lay_out_app.cmake"
cp "$root/build/windows/app/Vodari.exe" "$app/"
if [ -f "$root/build/windows/app/nhw32.dll" ]; then cp "$root/build/windows/app/nhw32.dll" "$app/"; fi
books=$(mktemp -d "$root/build/windows/guide-books.XXXXXX")
cp -r "$app/books/." "$books/"

# Takes one picture; returns non-zero when the scene could not be set up.
shoot() {
  local scene=$1 picture=$2 started=$SECONDS rectangle
  # Each scene starts from the shipped books, without records of an earlier one.
  rm -rf "$app/books" && cp -r "$books" "$app/books"
  if ! timeout 90 wine "$root/build/windows/tools/vodari_demo_driver.exe" --vodari="$app/Vodari.exe" \
    --scene="$scene" >"$app/scene.txt"; then
    echo "guide: scene $scene could not be set up" >&2
    wineserver -k 2>/dev/null || true
    return 1
  fi
  sleep 1
  rectangle=$(tr -d '\r' <"$app/scene.txt" | tail -n 1)
  if ! [[ $rectangle =~ ^[1-9][0-9]*x[1-9][0-9]*\+-?[0-9]+\+-?[0-9]+$ ]]; then
    echo "guide: scene $scene gave no window rectangle (\"$rectangle\")" >&2
    wineserver -k 2>/dev/null || true
    return 1
  fi
  xwd -root -silent -display "$DISPLAY" | convert xwd:- -crop "$rectangle" +repage "$root/docs/guide/$picture"
  wineserver -k 2>/dev/null || true # ends the program of this scene
  echo "guide: docs/guide/$picture ($((SECONDS - started)) s)"
}

mkdir -p "$root/docs/guide"
failed=()
for scene in "${scenes[@]}"; do shoot "$scene" "${pictures[$scene]}" || failed+=("$scene"); done
if [ ${#failed[@]} -gt 0 ]; then
  echo "guide: no picture for ${failed[*]}" >&2
  exit 1
fi
echo "guide: all pictures taken in $SECONDS s"
