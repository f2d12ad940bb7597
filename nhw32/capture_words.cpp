#include "capture_words.h"

namespace nhw32 {
namespace {

bool IsApostrophe(char16_t unit) { return unit == u'\'' || unit == u'\u2019'; }

bool IsLineBreak(char16_t unit) { return unit == u'\r' || unit == u'\n'; }

// The characters at which the program cuts the captured text.
bool IsProgramCut(char16_t unit) {
  return unit == u'.' || unit == u',' || unit == u';' || unit == u'-' || unit == u':' || unit == u' ';
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

// A unit that belongs to the word around it: a word unit, or an apostrophe
// with word units on both sides.
bool InWord(const std::u16string& text, std::size_t i) {
  if (IsWordUnit(text[i])) return true;
  return IsApostrophe(text[i]) && i > 0 && i + 1 < text.size() && IsWordUnit(text[i - 1]) &&
         IsWordUnit(text[i + 1]);
}

}  // namespace

bool IsWordUnit(char16_t unit) {
  if ((unit >= u'a' && unit <= u'z') || (unit >= u'A' && unit <= u'Z') || (unit >= u'0' && unit <= u'9'))
    return true;
  return unit >= 0x00C0 && unit <= 0x024F && unit != 0x00D7 && unit != 0x00F7;
}

WordSpan FindWordAt(const std::u16string& text, std::size_t index) {
  if (index >= text.size() || !IsWordUnit(text[index])) return {};
  std::size_t begin = index;
  while (begin > 0 && InWord(text, begin - 1)) --begin;
  std::size_t end = index + 1;
  while (end < text.size() && InWord(text, end)) ++end;
  return {begin, end};
}

std::u16string CaptureTextAt(const std::u16string& text, std::size_t index, std::size_t maxUnits) {
  const WordSpan word = FindWordAt(text, index);
  if (word.empty()) return {};
  std::size_t end = word.end;
  if (end < text.size() && IsProgramCut(text[end])) {
    while (end < text.size() && !IsLineBreak(text[end])) ++end;
  }
  if (end - word.begin > maxUnits) {
    end = word.begin + maxUnits;
    if (IsHighSurrogate(text[end - 1])) --end;
  }
  return text.substr(word.begin, end - word.begin);
}

std::size_t GbkFittingLength(const std::string& gbk, std::size_t capacity) {
  if (capacity == 0) return 0;
  std::size_t length = 0;
  while (length < gbk.size()) {
    const auto lead = static_cast<unsigned char>(gbk[length]);
    const std::size_t step = (lead >= 0x81 && lead <= 0xFE && length + 1 < gbk.size()) ? 2 : 1;
    if (length + step > capacity - 1) break;
    length += step;
  }
  return length;
}

std::u16string WithoutMnemonics(const std::u16string& text) {
  std::u16string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && ++i == text.size()) break;
    shown += text[i];
  }
  return shown;
}

std::vector<TextLine> WrapLines(const std::u16string& text, int width, const MeasureText& measure) {
  std::vector<TextLine> lines;
  std::size_t pos = 0;
  for (;;) {
    std::size_t hardEnd = pos;
    while (hardEnd < text.size() && !IsLineBreak(text[hardEnd])) ++hardEnd;
    std::size_t start = pos;
    if (width <= 0 || start == hardEnd) {
      lines.push_back({start, hardEnd});
    } else {
      while (start < hardEnd) {
        if (measure(start, hardEnd) <= width) {
          lines.push_back({start, hardEnd});
          break;
        }
        // The last blank before which the line still fits.
        std::size_t breakAt = start;
        for (std::size_t k = start + 1; k < hardEnd; ++k) {
          if (text[k] == u' ' && text[k - 1] != u' ') {
            if (measure(start, k) > width) break;
            breakAt = k;
          }
        }
        if (breakAt > start) {
          lines.push_back({start, breakAt});
          start = breakAt;
          while (start < hardEnd && text[start] == u' ') ++start;
        } else {
          // One word wider than the line: break it between characters.
          std::size_t cut = start + 1;
          while (cut < hardEnd && measure(start, cut + 1) <= width) ++cut;
          lines.push_back({start, cut});
          start = cut;
        }
      }
    }
    if (hardEnd >= text.size()) break;
    pos = hardEnd + ((text[hardEnd] == u'\r' && hardEnd + 1 < text.size() && text[hardEnd + 1] == u'\n') ? 2 : 1);
  }
  return lines;
}

std::size_t CharacterAtOffset(const TextLine& line, int x, const MeasureText& measure) {
  if (x < 0) return line.end;
  for (std::size_t i = line.begin; i < line.end; ++i) {
    if (measure(line.begin, i + 1) > x) return i;
  }
  return line.end;
}

}  // namespace nhw32
