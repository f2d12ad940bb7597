// The lookup dialog of the real program: opened by button and menu command
// 1017, the incremental result while typing, the full search on Enter,
// Escape, the input limit and closing.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "fixture.h"
#include "res/resource.h"

namespace vodari::e2e {
namespace {

class LookupTest : public ProgramTest {
 protected:
  HWND WaitForLookup() {
    HWND lookup = program->WaitForWindow("请输入你想要查询的单词");
    EXPECT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindowEnabled(program->MainWindow()); }));
    return lookup;
  }
  bool ResultIs(HWND lookup, const std::string& text) {
    return VodariProcess::WaitUntil(
        [&] { return VodariProcess::TextOf(lookup, IDC_LOOKUP_RESULT) == text; });
  }
  static void PostKey(HWND control, WPARAM key) {
    ::PostMessageA(control, WM_KEYDOWN, key, 1);
    ::PostMessageA(control, WM_KEYUP, key, 0xC0000001);
  }
};

TEST_F(LookupTest, TypeSearchEscapeAndCloseFromTheButtonAndTheMenu) {
  folder.WriteFile("books\\考研单词表.txt", "考研\r\n@abandon\r\n放弃\r\n@ability\r\n能力\r\n");
  folder.WriteFile("books\\单词本7.txt", "七\r\n@zebra\r\n斑马\r\n");
  StartProgram();

  VodariProcess::Click(program->MainWindow(), IDC_LOOKUP);
  HWND lookup = WaitForLookup();
  ASSERT_NE(lookup, nullptr);
  HWND input = ::GetDlgItem(lookup, IDC_LOOKUP_INPUT);
  for (char c : std::string("abi")) ::PostMessageA(input, WM_CHAR, c, 1);
  EXPECT_TRUE(ResultIs(lookup, "ability    能力"));

  VodariProcess::SetTextOf(lookup, IDC_LOOKUP_INPUT, "Zebra");
  PostKey(input, VK_RETURN);
  EXPECT_TRUE(ResultIs(lookup, "zebra    斑马"));
  EXPECT_TRUE(folder.Exists("books\\单词本6.txt"));  // created on the way

  PostKey(input, VK_ESCAPE);
  EXPECT_TRUE(ResultIs(lookup, "请输入您要查询的单词"));
  EXPECT_EQ(VodariProcess::TextOf(lookup, IDC_LOOKUP_INPUT), "");

  for (int i = 0; i < 260; ++i) ::PostMessageA(input, WM_CHAR, 'x', 1);
  EXPECT_TRUE(VodariProcess::WaitUntil(
      [&] { return VodariProcess::TextOf(lookup, IDC_LOOKUP_INPUT) == std::string(255, 'x'); }));
  VodariProcess::Click(lookup, IDCANCEL);
  EXPECT_TRUE(VodariProcess::WaitUntil(
      [&] { return !::IsWindow(lookup) && ::IsWindowEnabled(program->MainWindow()); }));

  program->PostCommand(IDC_LOOKUP);  // as the menu item sends it
  lookup = WaitForLookup();
  ASSERT_NE(lookup, nullptr);
  EXPECT_EQ(VodariProcess::TextOf(lookup, IDC_LOOKUP_RESULT), "");  // a fresh dialog
  VodariProcess::Click(lookup, IDCANCEL);
  EXPECT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindow(lookup); }));
}

}  // namespace
}  // namespace vodari::e2e
