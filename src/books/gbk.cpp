#include "books/gbk.h"

namespace vodari {
namespace {

// A run of upper-case double-byte characters and the run of their lower-case
// partners, as code page 936 lays them out.
struct CaseRun {
  unsigned upperFirst;
  unsigned upperLast;
  unsigned lowerFirst;
};

constexpr CaseRun kCaseRuns[] = {
    {0xA2F1, 0xA2FA, 0xA2A1},  // Roman numerals Ⅰ-Ⅹ (Ⅺ and Ⅻ have no partner in GBK)
    {0xA3C1, 0xA3DA, 0xA3E1},  // full-width Ａ-Ｚ
    {0xA6A1, 0xA6B8, 0xA6C1},  // Greek
    {0xA7A1, 0xA7C1, 0xA7D1},  // Cyrillic
};

unsigned MapCharacter(unsigned c, bool toLower) {
  for (const CaseRun& run : kCaseRuns) {
    const unsigned span = run.upperLast - run.upperFirst;
    const unsigned from = toLower ? run.upperFirst : run.lowerFirst;
    const unsigned to = toLower ? run.lowerFirst : run.upperFirst;
    if (c >= from && c <= from + span) return to + (c - from);
  }
  return c;
}

std::string MapCase(std::string_view text, bool toLower) {
  std::string out(text);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(out[i]);
    if (IsGbkLeadByte(c) && i + 1 < out.size()) {
      const unsigned mapped =
          MapCharacter(c * 256u + static_cast<unsigned char>(out[i + 1]), toLower);
      out[i] = static_cast<char>(mapped >> 8);
      out[++i] = static_cast<char>(mapped & 0xFF);
    } else if (toLower && c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c - 'A' + 'a');
    } else if (!toLower && c >= 'a' && c <= 'z') {
      out[i] = static_cast<char>(c - 'a' + 'A');
    }
  }
  return out;
}

// The character at `pos` and its length; 0 at the end of the text.
unsigned NextCharacter(std::string_view text, std::size_t& pos) {
  if (pos >= text.size()) return 0;
  const unsigned char c = static_cast<unsigned char>(text[pos++]);
  if (!IsGbkLeadByte(c)) return c;
  if (pos >= text.size()) return 0;
  return c * 256u + static_cast<unsigned char>(text[pos++]);
}

}  // namespace

std::size_t GbkCharLength(std::string_view text, std::size_t pos) {
  const unsigned char c = static_cast<unsigned char>(text[pos]);
  if (c < 0x80) return 1;
  if (!IsGbkLeadByte(c) || pos + 1 >= text.size()) return 0;
  const unsigned char trail = static_cast<unsigned char>(text[pos + 1]);
  const bool trailOk = (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE);
  return trailOk ? 2 : 0;
}

int CompareGbk(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  for (;;) {
    const unsigned ca = NextCharacter(a, i);
    const unsigned cb = NextCharacter(b, j);
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
}

std::string GbkToLower(std::string_view text) { return MapCase(text, true); }
std::string GbkToUpper(std::string_view text) { return MapCase(text, false); }

}  // namespace vodari
