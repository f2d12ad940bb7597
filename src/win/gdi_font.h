// An owned GDI font.
#pragma once

#include <windows.h>

#include <string>

namespace win {

class GdiFont {
 public:
  GdiFont() = default;
  explicit GdiFont(HFONT font) : font_(font) {}
  ~GdiFont() { Reset(); }
  GdiFont(GdiFont&& other) noexcept : font_(other.Release()) {}
  GdiFont& operator=(GdiFont&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  GdiFont(const GdiFont&) = delete;
  GdiFont& operator=(const GdiFont&) = delete;

  // A screen font of `face` at `tenthsOfPoint` tenths of a point (150 is
  // 15 points), with the default character set; empty when it fails.
  static GdiFont FromPointSize(int tenthsOfPoint, const std::string& face);
  // A font made from a description, e.g. a control's font with one change.
  static GdiFont FromDescription(const LOGFONTA& description);

  HFONT Get() const { return font_; }
  explicit operator bool() const { return font_ != nullptr; }
  HFONT Release() {
    HFONT font = font_;
    font_ = nullptr;
    return font;
  }
  void Reset(HFONT font = nullptr);

 private:
  HFONT font_ = nullptr;
};

}  // namespace win
