#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/idle_counter.h"
#include "capture/capture_rules.h"
#include "capture/capture_search.h"
#include "temp_folder.h"

namespace vodari {
namespace {

TEST(CaptureRules, WordEndsAtTheFirstCutCharacter) {
  const struct {
    const char* text;
    const char* word;
  } cases[] = {{"Hello, world", "Hello"}, {"end.", "end"},     {"a;b", "a"},
               {"well-known", "well"},    {"note: x", "note"}, {"two words", "two"},
               {"whole", "whole"},        {".lead", ""}};
  for (const auto& c : cases) EXPECT_EQ(CutCapturedWord(c.text), c.word) << c.text;
}

TEST(CaptureRules, TextWindowClassesMatchWholeNamesIgnoringAsciiCase) {
  for (const char* name : {"Edit", "EDIT", "edit", "RichEdit20W", "EXCEL<", "_WwG", "ttyGrab"})
    EXPECT_TRUE(IsTextWindowClass(name)) << name;
  for (const char* name : {"Edit1", "Edi", "#32770", "tt", ""})
    EXPECT_FALSE(IsTextWindowClass(name)) << name;
}

TEST(CaptureRules, StripSpansATextWindowFromAtMost200PixelsLeftOfThePointer) {
  const ScreenRect window{100, 50, 1100, 80};
  const struct {
    int x;
    const ScreenRect* textWindow;
    int stripX, width;
  } cases[] = {{700, &window, 500, 992},
               {296, &window, 96, 992},
               {297, &window, 97, 992},
               {700, nullptr, 700, 1}};
  for (const auto& c : cases) {
    const CaptureStrip strip = CaptureStripAt(c.x, 60, c.textWindow);
    EXPECT_EQ(strip.x, c.stripX) << c.x;
    EXPECT_EQ(strip.width, c.width) << c.x;
    EXPECT_EQ(strip.y, 59);
    EXPECT_EQ(strip.height, 1);
  }
}

TEST(CaptureRules, TextIsTakenOnlyWhenItFitsWithItsTerminator) {
  CaptureText text;
  char taken[256];
  std::memset(text.Buffer(), 'a', 255);
  std::memset(taken, 'x', sizeof taken);
  ASSERT_TRUE(text.CopyTo(taken, sizeof taken));
  EXPECT_EQ(std::string(taken), std::string(255, 'a'));

  text.Buffer()[255] = 'a';  // 256 bytes
  std::memset(taken, 'x', sizeof taken);
  EXPECT_FALSE(text.CopyTo(taken, sizeof taken));
  EXPECT_EQ(taken[0], 'x');  // untouched

  // A library that fills the whole buffer without a terminator.
  std::memset(text.Buffer(), 'b', CaptureText::kSize);
  text.Seal();
  char whole[CaptureText::kSize];
  ASSERT_TRUE(text.CopyTo(whole, sizeof whole));
  EXPECT_EQ(std::string(whole), std::string(CaptureText::kSize - 1, 'b'));
}

TEST(IdleCounter, CaptureIsDueOnTheNinthTickOnceASecond) {
  IdleCounter idle;
  for (int second = 0; second < 2; ++second) {
    for (int tick = 1; tick <= 8; ++tick) {
      idle.Tick();
      EXPECT_FALSE(idle.CaptureDue()) << tick;
    }
    idle.Tick();
    EXPECT_TRUE(idle.CaptureDue());
    EXPECT_TRUE(idle.TakeDueCapture());
    EXPECT_FALSE(idle.TakeDueCapture());  // one capture per due count
    idle.Tick();  // the tenth tick starts the count again
    EXPECT_FALSE(idle.CaptureDue());
  }
  for (int tick = 0; tick < 9; ++tick) idle.Tick();
  idle.Restart();  // a key press or a mouse move
  EXPECT_FALSE(idle.CaptureDue());
}

TEST(CaptureSearch, APluralFindsItsSingularOnlyAfterLowerAndUpperCase) {
  test::TempFolder folder(true);
  test::WriteBytes("books\\单词本3.txt", "三\r\n@book\r\n书\r\n@walke\r\nX\r\n@cat\r\n猫\r\n");
  test::WriteBytes("books\\单词本35.txt", "三十五\r\n@CATS\r\n大写\r\n");
  const struct {
    const char* word;
    const char* found;  // nullptr: not found
  } cases[] = {{"Books", "book"}, {"walked", nullptr}, {"Cats", "CATS"}};
  for (const auto& c : cases) {
    CWordTable table;
    const auto entry = SearchCapturedWord(table, c.word);
    EXPECT_EQ(entry ? entry->word : "", c.found ? c.found : "") << c.word;
  }
}

}  // namespace
}  // namespace vodari
