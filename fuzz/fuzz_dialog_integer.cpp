// Any text as the contents of a number box of the settings panel:
// ParseDialogInteger against the dialog exchange's own recipe on top of the
// C library's strtol (blanks and tabs, strtol, a zero only from a text that
// begins with "0", blanks and tabs, nothing else; 32-bit saturation).
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "study/settings_exchange.h"

namespace {

std::optional<int> ReadLikeTheDialogExchange(const std::string& text) {
  const char* at = text.c_str();
  while (*at == ' ' || *at == '\t') ++at;
  const char first = *at;
  char* end = nullptr;
  long value = std::strtol(at, &end, 10);
  // On the platform a long has 32 bits, so strtol saturates there.
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  if (value == 0 && first != '0') return std::nullopt;
  while (*end == ' ' || *end == '\t') ++end;
  if (*end != '\0') return std::nullopt;
  return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  text.resize(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));  // a box's text ends at NUL
  const std::optional<int> parsed = vodari::ParseDialogInteger(text);
  const std::optional<int> expected = ReadLikeTheDialogExchange(text);
  if (parsed != expected) {
    std::fprintf(stderr, "ParseDialogInteger(\"%s\") differs from the dialog exchange\n", text.c_str());
    std::abort();
  }
  return 0;
}
