#!/usr/bin/env bash
# Draws Vodari's program icon, src/res/vodari.ico (icon resource 128): an open
# book with a red "A" on the left page and "词" on the right one, above its
# blue cover. Both sizes are drawn pixel by pixel so that they stay sharp, and
# each is stored twice: 32-bit with alpha for current systems, and 4-bit with a
# transparency mask for 16-colour displays.
#
# Needs ImageMagick (convert). Run from anywhere: tools/make_icon.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Colours: k outline, w page, s page shade by the spine, g text line,
# r the letter A, n the character 词, b cover, B cover edge, . transparent.
cat >"$work/book32.xpm" <<'XPM'
/* XPM */
static char *book32[] = {
"32 32 9 1",
". c None",
"B c #25509C",
"b c #3D7BD9",
"g c #9AA5B8",
"k c #243152",
"n c #1D3D8F",
"r c #D7263D",
"s c #D5DCE8",
"w c #FFFFFF",
"................................",
"................................",
"................................",
"................................",
"..kkkkkkkkkkkk....kkkkkkkkkkkk..",
".kwwwwwwwwwwwwk..kwwwwwwwwwwwwk.",
".kwwwwwwwwwwwwskkswwwwwwwwwwwwk.",
".kwwwwwwwwwwwwskkswwwwwwwwwwwwk.",
"BkwwwwwrrrwwwwskkswnwwwwwwwwwwkB",
"BkwwwwwrrrwwwwskkswwnwnnnnnnnwkB",
"BkwwwwrrwrrwwwskkswwwwwwwwwwnwkB",
"BkwwwwrrwrrwwwskksnnwwnnnnwwnwkB",
"BkwwwrrwwwrrwwskkswnwwwwwwwwnwkB",
"BkwwwrrwwwrrwwskkswnwwnnnnwwnwkB",
"BkwwwrrrrrrrwwskkswnwwnwwnwwnwkB",
"BkwwrrrrrrrrrwskkswnwwnwwnwwnwkB",
"BkwwrrwwwwwrrwskkswnnwnnnnwwnwkB",
"BkwrrwwwwwwwrrskkswnwwwwwwwwnwkB",
"BkwrrwwwwwwwrrskkswwwwwwwwwnnwkB",
"BkwwwwwwwwwwwwskkswwwwwwwwwwwwkB",
"BkwwwwwwwwwwwwskkswwwwwwwwwwwwkB",
"BkwggggggggggwskkswggggggggggwkB",
"BkwwwwwwwwwwwwskkswwwwwwwwwwwwkB",
"BkwggggggggwwwskkswggggggggwwwkB",
"BkwwwwwwwwwwwwskkswwwwwwwwwwwwkB",
"BkkkkkkkkkkkkkkkkkkkkkkkkkkkkkkB",
"BbbbbbbbbbbbbbbBBbbbbbbbbbbbbbbB",
"BbbbbbbbbbbbbbbBBbbbbbbbbbbbbbbB",
".BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB.",
"................................",
"................................",
"................................"
};
XPM

cat >"$work/book16.xpm" <<'XPM'
/* XPM */
static char *book16[] = {
"16 16 6 1",
". c None",
"b c #3D7BD9",
"g c #9AA5B8",
"k c #243152",
"r c #D7263D",
"w c #FFFFFF",
"................",
".kkkkkk..kkkkkk.",
"kwwwwwwkkwwwwwwk",
"kwwwrwwkkwwwwwwk",
"kwwrwrwkkwgggggk",
"kwwrwrwkkwwwwwwk",
"kwrwwwrkkwggggwk",
"kwrrrrrkkwwwwwwk",
"kwrwwwrkkwgggggk",
"kwrwwwrkkwwwwwwk",
"kwwwwwwkkwggggwk",
"kwwwwwwkkwwwwwwk",
"kkkkkkkkkkkkkkkk",
"bbbbbbbbbbbbbbbb",
".bbbbbbkkbbbbbb.",
"................"
};
XPM

convert \
  \( "$work/book32.xpm" -type TrueColorAlpha \) \
  \( "$work/book16.xpm" -type TrueColorAlpha \) \
  \( "$work/book32.xpm" -type PaletteAlpha \) \
  \( "$work/book16.xpm" -type PaletteAlpha \) \
  "$root/src/res/vodari.ico"
echo "make_icon: wrote src/res/vodari.ico"
