#include "book_checker/text_encoding.h"

#include <iconv.h>

#include <cstdio>

namespace vodari::book_checker {
namespace {

unsigned char Byte(std::string_view text, std::size_t pos) {
  return static_cast<unsigned char>(text[pos]);
}

std::string Escaped(unsigned char c) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
  return buffer;
}

// One iconv conversion descriptor, closed on destruction.
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (IsOpen()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  // Converts all of `in` (a few bytes: one character) and appends it to
  // `out`; false, with `out` unchanged, when iconv cannot.
  bool Convert(std::string_view in, std::string* out) {
    if (!IsOpen()) return false;
    char input[8];
    char output[16];
    if (in.size() > sizeof input) return false;
    in.copy(input, in.size());
    char* inPtr = input;
    char* outPtr = output;
    std::size_t inLeft = in.size();
    std::size_t outLeft = sizeof output;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // initial state
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0) {
      return false;
    }
    out->append(output, static_cast<std::size_t>(outPtr - output));
    return true;
  }

 private:
  bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t cd_;
};

}  // namespace

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
  const unsigned char c = Byte(text, pos);
  if (c < 0x80) return 1;
  std::size_t length;
  unsigned long code;
  unsigned long minimum;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2, code = c & 0x1F, minimum = 0x80;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3, code = c & 0x0F, minimum = 0x800;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4, code = c & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = Byte(text, pos + i);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

namespace {

unsigned long CodePoint(std::string_view character) {
  const std::size_t length = Utf8CharLength(character, 0);
  unsigned long code = Byte(character, 0);
  if (length > 1) {
    static const unsigned char kLeadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
    code &= kLeadMask[length];
    for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (Byte(character, i) & 0x3F);
  }
  return code;
}

// Characters a word book written in UTF-8 would hold: accented Latin
// letters, phonetic symbols, punctuation, CJK and full-width forms.
bool IsLikelyInBook(unsigned long code) {
  return (code >= 0xA0 && code <= 0x17F) || (code >= 0x250 && code <= 0x2FF) ||
         (code >= 0x2000 && code <= 0x206F) || (code >= 0x2E80 && code <= 0x9FFF) ||
         (code >= 0xF900 && code <= 0xFAFF) || (code >= 0xFF00 && code <= 0xFFEF);
}

}  // namespace

bool LooksLikeUtf8(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") return true;
  int multiByte = 0;
  int likely = 0;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = Utf8CharLength(bytes, pos);
    if (length == 0) return false;
    if (length > 1) {
      ++multiByte;
      likely += IsLikelyInBook(CodePoint(bytes.substr(pos, length)));
    }
    pos += length;
  }
  if (multiByte == 0) return false;

  // Valid UTF-8 that is no valid GBK is UTF-8. When it is valid as both
  // (short texts can be), the reading whose characters look more like a
  // word book's wins: for GBK, characters of the common GB2312 area.
  int pairs = 0;
  int common = 0;
  for (std::size_t pos = 0; pos < bytes.size();) {
    const std::size_t length = GbkCharLength(bytes, pos);
    if (length == 0) return true;
    if (length == 2) {
      ++pairs;
      common +=
          Byte(bytes, pos) >= 0xA1 && Byte(bytes, pos) <= 0xF7 && Byte(bytes, pos + 1) >= 0xA1;
    }
    pos += length;
  }
  return static_cast<long>(likely) * pairs > static_cast<long>(common) * multiByte;
}

std::string ForDisplay(std::string_view gbk, std::size_t maxBytes) {
  Iconv toUtf8("UTF-8", "GBK");
  std::string out;
  std::size_t pos = 0;
  while (pos < gbk.size()) {
    const std::size_t length = GbkCharLength(gbk, pos);
    if (pos + (length == 0 ? 1 : length) > maxBytes) break;
    const unsigned char c = Byte(gbk, pos);
    if (length == 1 && c >= 0x20 && c < 0x7F) {
      out.push_back(static_cast<char>(c));
    } else if (length == 2 && toUtf8.Convert(gbk.substr(pos, 2), &out)) {
      // converted
    } else {
      for (std::size_t i = 0; i < (length == 0 ? 1 : length); ++i)
        out += Escaped(Byte(gbk, pos + i));
    }
    pos += length == 0 ? 1 : length;
  }
  if (pos < gbk.size()) out += "...";
  return out;
}

std::vector<BadCharacter> Utf8ToGbk(std::string_view utf8, std::string* gbk) {
  Iconv toGbk("GBK", "UTF-8");
  std::vector<BadCharacter> bad;
  gbk->clear();
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t length = Utf8CharLength(utf8, pos);
    if (length == 0) {
      bad.push_back({pos, std::string(utf8.substr(pos, 1)), false});
      ++pos;
      continue;
    }
    const std::string_view character = utf8.substr(pos, length);
    if (length == 1) {
      gbk->push_back(character[0]);
    } else {
      // iconv's GBK is Windows' code page 936 here and there (the euro sign
      // becomes 0x80): only a proper double-byte character counts.
      std::string converted;
      if (toGbk.Convert(character, &converted) && converted.size() == 2 &&
          GbkCharLength(converted, 0) == 2) {
        *gbk += converted;
      } else {
        bad.push_back({pos, std::string(character), true});
      }
    }
    pos += length;
  }
  return bad;
}

std::string CodePointName(std::string_view character) {
  if (character.empty()) return "U+????";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "U+%04lX", CodePoint(character));
  return buffer;
}

}  // namespace vodari::book_checker
