#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "capture_words.h"

namespace nhw32 {
namespace {

using Spans = std::vector<std::pair<std::size_t, std::size_t>>;

TEST(CaptureWords, TextFromTheWordUnderThePointerToTheEndOfItsLineCutToFit) {
  const std::tuple<std::u16string, std::size_t, std::u16string> cases[] = {
      {u"hello world", 4, u"hello world"},
      {u"hello world", 8, u"world"},
      {u"hello world", 5, u""},   // on the blank
      {u"hello world", 11, u""},  // past the end
      {u"don't stop", 4, u"don't stop"},  // apostrophe inside the word
      {u"it\u2019s here", 0, u"it\u2019s here"},
      {u"say 'quoted' word", 6, u"quoted"},  // quotes are not the word's
      {u"well-known fact", 1, u"well-known fact"},  // the program cuts at '-'
      {u"well-known fact", 7, u"known fact"},
      {u"MP3 player", 2, u"MP3 player"},  // digits belong to words
      {u"caf\u00e9 au lait", 1, u"caf\u00e9 au lait"},
      {u"\u5b66\u4e60English\u5355\u8bcd", 3, u"English"},  // Chinese around it
      {u"first line\r\nsecond", 7, u"line"},
      {u"first line\nsecond", 0, u"first line"},
  };
  for (const auto& [text, index, expected] : cases)
    EXPECT_EQ(CaptureTextAt(text, index), expected) << "index " << index << " of " << text.size();
  // Long text is cut without splitting a character.
  const std::u16string line = u"start " + std::u16string(300, u'x');
  EXPECT_EQ(CaptureTextAt(line, 0, 100), line.substr(0, 100));
  std::u16string paired = u"go " + std::u16string(96, u'y') + u"\U0001F600 tail";
  EXPECT_EQ(CaptureTextAt(paired, 0, 100), paired.substr(0, 99));
  // Converted to GBK, the text is cut at a character boundary to fit.
  const std::string gbk = "ab\xD6\xD0\xCE\xC4";  // "ab" and two Chinese characters
  const Spans fits = {{0, 0}, {1, 0}, {3, 2}, {4, 2}, {5, 4}, {100, 6}};
  for (const auto& [capacity, expected] : fits)
    EXPECT_EQ(GbkFittingLength(gbk, capacity), expected) << "capacity " << capacity;
  EXPECT_EQ(GbkFittingLength("a\x81", 10), 2u);  // a lone lead byte at the end counts as one
}

// Every unit is 10 pixels wide.
int FixedWidth(std::size_t begin, std::size_t end) { return static_cast<int>(end - begin) * 10; }

TEST(CaptureWords, ControlTextIsLaidOutAsItIsDrawn) {
  EXPECT_EQ(WithoutMnemonics(u"&Open && a&&&b end&"), u"Open & a&b end");
  const std::tuple<std::u16string, int, Spans> cases[] = {
      {u"one two three", 70, {{0, 7}, {8, 13}}},
      {u"one two three", 60, {{0, 3}, {4, 7}, {8, 13}}},
      {u"one  two", 40, {{0, 3}, {5, 8}}},
      {u"abcdefgh", 30, {{0, 3}, {3, 6}, {6, 8}}},
      {u"ab\r\ncd\nef", 0, {{0, 2}, {4, 6}, {7, 9}}},
      {u"a\n\nb", 100, {{0, 1}, {2, 2}, {3, 4}}},
  };
  for (const auto& [text, width, lines] : cases) {
    Spans got;
    for (const TextLine& line : WrapLines(text, width, FixedWidth))
      got.emplace_back(line.begin, line.end);
    EXPECT_EQ(got, lines) << "width " << width;
  }
  // The character under an offset from the line's left edge.
  const TextLine line{4, 9};
  const std::pair<int, std::size_t> offsets[] = {{-1, 9}, {0, 4},  {9, 4},
                                                 {10, 5}, {49, 8}, {50, 9}};
  for (const auto& [x, expected] : offsets)
    EXPECT_EQ(CharacterAtOffset(line, x, FixedWidth), expected) << "x " << x;
}

}  // namespace
}  // namespace nhw32
