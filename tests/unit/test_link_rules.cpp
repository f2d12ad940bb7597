#include "app/link_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace vodari {
namespace {

TEST(FitRectToText, KeepsTheEdgeTheAlignmentNames) {
  const LinkRect box{10, 20, 110, 40};  // 100 x 20
  const struct {
    unsigned style;
    int cx, cy;
    LinkRect fitted;
  } cases[] = {
      {0, 30, 12, {10, 20, 40, 32}},                   // left keeps left and top
      {kStaticCenter, 31, 12, {44, 20, 76, 32}},       // odd spare width truncates
      {kStaticRight, 30, 12, {80, 20, 110, 32}},       // right keeps the right edge
      {kStaticCenter, 105, 12, {8, 20, 112, 32}},      // wider text grows about the centre
      {kStaticCenterImage | kStaticRight, 30, 25, {80, 18, 110, 42}},  // taller: towards zero
      {kStaticCenterImage, 30, 13, {10, 23, 40, 37}},  // centre image centres vertically
      {0x000B, 30, 12, {10, 20, 40, 32}},              // a simple static is not centred
  };
  for (const auto& c : cases)
    EXPECT_EQ(FitRectToText(box, c.cx, c.cy, c.style), c.fitted) << c.style << " " << c.cx;
}

TEST(FallbackCommandLine, CutsAtThePlaceholderAndAppendsTheTargetIfItFits) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"C:\\b\\iexplore.exe\" -nohome \"%1\" -x", "\"C:\\b\\iexplore.exe\" -nohome  t.htm"},
      {"browser.exe \"%1", "browser.exe \" t.htm"},
      {"browser.exe", "browser.exe t.htm"}};
  for (const auto& [registered, command] : cases)
    EXPECT_EQ(FallbackCommandLine(registered, "t.htm"), std::string(command)) << registered;
  const std::string program(500, 'p');
  EXPECT_EQ(FallbackCommandLine(program, std::string(18, 't'))->size(), kCommandBufferSize - 1);
  EXPECT_FALSE(FallbackCommandLine(program, std::string(19, 't')).has_value());
}

TEST(OpenErrorMessage, NamesTheCodeOrCallsItUnknown) {
  const std::string prefix = "Unable to open hyperlink:\n\n";
  EXPECT_EQ(OpenErrorMessage(26), prefix + "A sharing violation occurred. ");
  EXPECT_EQ(OpenErrorMessage(4), prefix + "Unknown Error (4) occurred.");
}

}  // namespace
}  // namespace vodari
