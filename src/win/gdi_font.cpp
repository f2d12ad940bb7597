#include "win/gdi_font.h"

#include <cstdlib>

namespace win {

GdiFont GdiFont::FromPointSize(int tenthsOfPoint, const std::string& face) {
  LOGFONTA description = {};
  description.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(description.lfFaceName, face.c_str(), LF_FACESIZE);
  HDC screen = ::GetDC(nullptr);
  // Points to pixels on the screen: a negative height asks for the character
  // height rather than the cell height.
  description.lfHeight = -std::abs(::GetDeviceCaps(screen, LOGPIXELSY) * tenthsOfPoint / 720);
  ::ReleaseDC(nullptr, screen);
  return FromDescription(description);
}

GdiFont GdiFont::FromDescription(const LOGFONTA& description) {
  return GdiFont(::CreateFontIndirectA(&description));
}

void GdiFont::Reset(HFONT font) {
  if (font_ != nullptr && font_ != font) ::DeleteObject(font_);
  font_ = font;
}

}  // namespace win
