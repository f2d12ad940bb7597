#!/usr/bin/env bash
# Installs what is missing, builds Vodari.exe for Windows and starts it under
# Wine from its runnable folder (build/windows/app: the program with books\
# and sound\ beside it).
#
# With a display (DISPLAY set) the program runs there until you close it.
# Without one, it runs on a virtual display: the script starts a test on the
# default book, saves a screenshot of the main window into the build folder,
# says where it is, and closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

"$root/tools/build_windows.sh"

app="$root/build/windows/app"
. "$root/tools/wine_env.sh"
had_display=${DISPLAY:-}
trap vodari_wine_stop EXIT
vodari_wine_start "$root/build/windows"

if [ -n "$had_display" ]; then
  cd "$app"
  wine Vodari.exe
  exit 0
fi

shot="$root/build/windows/vodari-main-window.png"
driver="$root/build/windows/tools/vodari_demo_driver.exe"
wine "$driver" --vodari="$app/Vodari.exe"
sleep 1
xwd -root -silent -display "$DISPLAY" | convert xwd:- -trim +repage "$shot"
echo "run: no display; Vodari ran on a virtual display. Screenshot of the main window: $shot"
