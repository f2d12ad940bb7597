// The program's own rules around capture: the captured text, the idle count,
// and the link control of the About dialog.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>

#include "app/idle_counter.h"
#include "app/link_rules.h"
#include "capture/capture_rules.h"

namespace vodari {
namespace {

TEST(CaptureRules, TextWindowsAreFoundByClassAndReadAlongAStrip) {
  for (const char* name : {"Edit", "EDIT", "edit", "RichEdit20W", "EXCEL<", "_WwG", "ttyGrab"})
    EXPECT_TRUE(IsTextWindowClass(name)) << name;
  for (const char* name : {"Edit1", "Edi", "#32770", "tt", ""})
    EXPECT_FALSE(IsTextWindowClass(name)) << name;
  // Over one the strip spans it, from at most 200 pixels left of the pointer.
  const ScreenRect window{100, 50, 1100, 80};
  const std::tuple<int, const ScreenRect*, int, int> cases[] = {
      {700, &window, 500, 992}, {296, &window, 96, 992}, {297, &window, 97, 992},
      {700, nullptr, 700, 1}};
  for (const auto& [x, textWindow, stripX, width] : cases) {
    const CaptureStrip strip = CaptureStripAt(x, 60, textWindow);
    EXPECT_EQ(std::tuple(strip.x, strip.y, strip.width, strip.height),
              std::tuple(stripX, 59, width, 1))
        << x;
  }
}

TEST(CaptureRules, TextIsTakenOnlyWhenItFitsAndCutToItsWord) {
  CaptureText text;
  char taken[256];
  std::memset(text.Buffer(), 'a', 256);
  std::memset(taken, 'x', sizeof taken);
  EXPECT_FALSE(text.CopyTo(taken, sizeof taken));  // 256 bytes and the terminator
  EXPECT_EQ(taken[0], 'x');                        // untouched
  text.Buffer()[255] = '\0';
  ASSERT_TRUE(text.CopyTo(taken, sizeof taken));
  EXPECT_EQ(std::string(taken), std::string(255, 'a'));

  // A library that fills the whole buffer without a terminator: sealed, the
  // text loses its last byte.
  std::memset(text.Buffer(), 'b', CaptureText::kSize);
  char whole[CaptureText::kSize];
  EXPECT_FALSE(text.CopyTo(whole, sizeof whole));
  text.Seal();
  ASSERT_TRUE(text.CopyTo(whole, sizeof whole));
  EXPECT_EQ(std::string(whole), std::string(CaptureText::kSize - 1, 'b'));

  // The word is the text up to the first cut character.
  const std::pair<const char*, const char*> cuts[] = {
      {"Hello, world", "Hello"}, {"end.", "end"},     {"a;b", "a"},       {"well-known", "well"},
      {"note: x", "note"},       {"two words", "two"}, {"whole", "whole"}};
  for (const auto& [captured, word] : cuts) EXPECT_EQ(CutCapturedWord(captured), word) << captured;
}

TEST(IdleCounter, CaptureIsDueOnTheNinthTickOnceASecond) {
  IdleCounter idle;
  std::string taken;
  for (int tick = 1; tick <= 20; ++tick) {
    idle.Tick();
    taken += idle.TakeDueCapture() ? '1' : '0';
  }
  EXPECT_EQ(taken, "00000000100000000010");
  for (int tick = 1; tick <= 9; ++tick) idle.Tick();
  EXPECT_TRUE(idle.TakeDueCapture());
  EXPECT_FALSE(idle.TakeDueCapture());  // one capture per due count
  idle.Restart();                       // a key press or a mouse move
  EXPECT_FALSE(idle.CaptureDue());
}

TEST(LinkRules, TheTextKeepsItsEdgeAndTheFallbackCommandFits) {
  const LinkRect box{10, 20, 110, 40};  // 100 x 20
  const std::tuple<unsigned, int, int, LinkRect> cases[] = {
      {0, 30, 12, {10, 20, 40, 32}},                   // left keeps left and top
      {kStaticCenter, 31, 12, {44, 20, 76, 32}},       // odd spare width truncates
      {kStaticRight, 30, 12, {80, 20, 110, 32}},       // right keeps the right edge
      {kStaticCenterImage | kStaticRight, 30, 25, {80, 18, 110, 42}},  // taller: towards zero
      {kStaticCenterImage, 30, 13, {10, 23, 40, 37}},  // centre image centres vertically
      {0x000B, 30, 12, {10, 20, 40, 32}},              // a simple static is not centred
  };
  for (const auto& [style, cx, cy, fitted] : cases)
    EXPECT_EQ(FitRectToText(box, cx, cy, style), fitted) << style << " " << cx;

  // Opening it without the shell: the registered command, cut at its
  // placeholder, with the target, if it fits; else the error text.
  const std::pair<const char*, const char*> commands[] = {
      {"\"C:\\b\\iexplore.exe\" -nohome \"%1\" -x", "\"C:\\b\\iexplore.exe\" -nohome  t.htm"},
      {"browser.exe \"%1", "browser.exe \" t.htm"},
      {"browser.exe", "browser.exe t.htm"}};
  for (const auto& [registered, command] : commands)
    EXPECT_EQ(FallbackCommandLine(registered, "t.htm"), std::string(command)) << registered;
  const std::string program(500, 'p');
  EXPECT_EQ(FallbackCommandLine(program, std::string(18, 't'))->size(), kCommandBufferSize - 1);
  EXPECT_FALSE(FallbackCommandLine(program, std::string(19, 't')).has_value());
  // When that fails too, a code without a text of its own is called unknown.
  EXPECT_EQ(OpenErrorMessage(4), "Unable to open hyperlink:\n\nUnknown Error (4) occurred.");
}

}  // namespace
}  // namespace vodari
