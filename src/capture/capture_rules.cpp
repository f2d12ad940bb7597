#include "capture/capture_rules.h"

#include <cstring>

namespace vodari {
namespace {

// Text controls whose whole line the library should see.
constexpr const char* kTextWindowClasses[] = {
    "Edit",
    "Internet Explorer_Server",
    "RichEdit",
    "RichEdit20A",
    "RichEdit20W",
    "HTML_Internet Explorer",
    "ThunderTextBox",
    "ThunderRT5TextBox",
    "ThunderRT6TextBox",
    "EXCEL<",
    "EXCEL7",
    "EXCEL6",
    "ConsoleWindowClass",
    "_WwG",
    "tty",
    "ttyGrab",
};

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringAsciiCase(const std::string& a, const char* b) {
  if (a.size() != std::strlen(b)) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

}  // namespace

bool IsTextWindowClass(const std::string& className) {
  for (const char* name : kTextWindowClasses)
    if (EqualIgnoringAsciiCase(className, name)) return true;
  return false;
}

CaptureStrip CaptureStripAt(int x, int y, const ScreenRect* textWindow) {
  if (textWindow == nullptr) return {x, y - 1, 1, 1};
  CaptureStrip strip{textWindow->left - 4, y - 1, (textWindow->right - textWindow->left) - 8, 1};
  if (x - strip.x > 200) strip.x = x - 200;
  return strip;
}

bool CaptureText::CopyTo(char* destination, int size) const {
  const void* end = std::memchr(buffer_, '\0', kSize);
  const std::size_t length =
      end ? static_cast<std::size_t>(static_cast<const char*>(end) - buffer_) : kSize;
  if (size <= 0 || length + 1 > static_cast<std::size_t>(size)) return false;
  std::memset(destination, 0, static_cast<std::size_t>(size));
  std::memcpy(destination, buffer_, length);
  return true;
}

std::string CutCapturedWord(const std::string& text) {
  return text.substr(0, text.find_first_of(".,;-: "));
}

}  // namespace vodari
