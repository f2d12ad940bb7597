#include <gtest/gtest.h>

#include <string>

#include "app/link_rules.h"

namespace vodari {
namespace {

TEST(FitRectToText, KeepsTheEdgeTheAlignmentNames) {
  const LinkRect box{10, 20, 110, 40};  // 100 x 20
  struct Case {
    const char* name;
    unsigned style;
    int cx, cy;
    LinkRect fitted;
  };
  const Case cases[] = {
      {"left keeps left and top", 0, 30, 12, {10, 20, 40, 32}},
      {"centre keeps the centre", kStaticCenter, 30, 12, {45, 20, 75, 32}},
      {"odd spare width truncates", kStaticCenter, 31, 12, {44, 20, 76, 32}},
      {"right keeps the right edge", kStaticRight, 30, 12, {80, 20, 110, 32}},
      {"centre image centres vertically", kStaticCenterImage, 30, 13, {10, 23, 40, 37}},
      {"wider text grows about the centre", kStaticCenter, 105, 12, {8, 20, 112, 32}},
      {"taller text grows towards zero", kStaticCenterImage | kStaticRight, 30, 25,
       {80, 18, 110, 42}},
      {"a simple static is not centred", 0x000B, 30, 12, {10, 20, 40, 32}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitRectToText(box, c.cx, c.cy, c.style), c.fitted) << c.name;
  }
}

TEST(FallbackCommandLine, CutsAtThePlaceholderAndAppendsTheTarget) {
  struct Case {
    const char* registered;
    const char* command;
  };
  const Case cases[] = {
      {"\"C:\\b\\iexplore.exe\" -nohome \"%1\" -x", "\"C:\\b\\iexplore.exe\" -nohome  t.htm"},
      {"browser.exe %1 -new", "browser.exe  t.htm"},
      {"browser.exe \"%1", "browser.exe \" t.htm"},
      {"browser.exe", "browser.exe t.htm"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FallbackCommandLine(c.registered, "t.htm"), std::string(c.command)) << c.registered;
  }
}

TEST(FallbackCommandLine, GivesUpWhenTheCommandWouldNotFitTheBuffer) {
  const std::string program(500, 'p');
  EXPECT_EQ(FallbackCommandLine(program, std::string(18, 't'))->size(), kCommandBufferSize - 1);
  EXPECT_FALSE(FallbackCommandLine(program, std::string(19, 't')).has_value());
}

TEST(OpenErrorMessage, NamesTheCodeOrCallsItUnknown) {
  const std::string prefix = "Unable to open hyperlink:\n\n";
  EXPECT_EQ(OpenErrorMessage(26), prefix + "A sharing violation occurred. ");
  EXPECT_EQ(OpenErrorMessage(0), prefix + "The operating system is out\nof memory or resources.");
  EXPECT_EQ(OpenErrorMessage(4), prefix + "Unknown Error (4) occurred.");
}

}  // namespace
}  // namespace vodari
