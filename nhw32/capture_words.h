// Finding the word under the pointer in a piece of screen text, and fitting
// the result into the caller's buffer. Portable: no <windows.h>.
//
// Texts read from other programs are UTF-16 (char16_t, the same units as the
// platform's wide characters). What the library hands back is the text from
// the start of the word under the pointer to the end of its line, so that
// cutting it at the first of ".,;-: " yields the word.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace nhw32 {

// Most UTF-16 units handed back: with at most two GBK bytes per unit this
// keeps the converted text well under the 256 bytes the program accepts.
constexpr std::size_t kMaxCaptureUnits = 100;

// A letter or digit of a word: ASCII letters and digits and the Latin
// letters of U+00C0..U+024F. Chinese characters and punctuation are not.
bool IsWordUnit(char16_t unit);

// The word containing `index` in `text`: [begin, end). Apostrophes inside a
// word belong to it ("don't"); hyphens separate words. begin == end when
// `index` is past the end or not on a word.
struct WordSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
  bool empty() const { return begin == end; }
};
WordSpan FindWordAt(const std::u16string& text, std::size_t index);

// The text to hand back for the pointer at `index`: from the start of its
// word to the end of its line (a CR or LF ends it), at most `maxUnits`
// units, never ending inside a surrogate pair. When the word is followed by
// anything but one of ".,;-: " (Chinese text, a quote, a tab), the text
// ends with the word, so that the program's cut never keeps more. Empty when
// there is no word at `index`.
std::u16string CaptureTextAt(const std::u16string& text, std::size_t index,
                             std::size_t maxUnits = kMaxCaptureUnits);

// How many bytes of the GBK text `gbk` fit, with a terminating zero, in a
// buffer of `capacity` bytes, cut so that no double-byte character is split.
std::size_t GbkFittingLength(const std::string& gbk, std::size_t capacity);

// A control's text as it is drawn when '&' marks mnemonics: a single '&'
// is not drawn (it underlines the next character), "&&" draws one '&'.
std::u16string WithoutMnemonics(const std::u16string& text);

// Laying out a control's text the way the system draws it, to tell which
// character lies under the pointer. `measure` gives the width in pixels of
// text[begin, end) drawn with the control's font.
using MeasureText = std::function<int(std::size_t begin, std::size_t end)>;

struct TextLine {
  std::size_t begin = 0;
  std::size_t end = 0;  // excludes the line break and the blanks it swallowed
};

// Breaks `text` into lines at CR LF / LF and, when `width` > 0, also before a
// word that would run past `width` (a word wider than a whole line is broken
// between characters), as word-wrapped text is drawn.
std::vector<TextLine> WrapLines(const std::u16string& text, int width, const MeasureText& measure);

// The index of the character of `line` under horizontal offset `x` from the
// line's left edge; line.end when `x` lies past its end or before its start.
std::size_t CharacterAtOffset(const TextLine& line, int x, const MeasureText& measure);

}  // namespace nhw32
