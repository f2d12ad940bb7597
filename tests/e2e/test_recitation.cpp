// Recitation in the real program: the strip, its timer and menu commands,
// the notification area and the recited-words book.
#include <gtest/gtest.h>

#include <string>

#include "fixture.h"
#include "res/resource.h"

namespace vodari::e2e {
namespace {

TEST_F(ProgramTest, RecitationRunsInTheStripWhileTheMainWindowHides) {
  folder.WriteFile("books\\曾经背记过的单词.txt", "曾经背记过的单词\r\n");
  StartProgram();
  HWND main = program->MainWindow();
  program->PostCommand(IDC_RECITE);
  HWND strip = program->WaitForWindowWith(IDC_RECORD_SHOWN);
  ASSERT_NE(strip, nullptr);
  HWND line = ::GetWindow(strip, GW_CHILD);
  auto lineText = [&] { return VodariProcess::TextOf(strip, ::GetDlgCtrlID(line)); };
  EXPECT_TRUE(VodariProcess::WaitUntil(
      [&] { return lineText() == "进入单词背记状态. (注意: 主窗口已经最小化到系统托盘)"; }));
  EXPECT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindowVisible(main); }));
  EXPECT_EQ(program->ControlText(IDC_RECITE), "结束");
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(main, IDC_SETTINGS)));

  // "1" in the strip's speed menu: the words come a second apart.
  ::PostMessageA(strip, WM_COMMAND, ID_INTERVAL_1, 0);
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return lineText().rfind("No.2 :  gre00", 0) == 0; }, 3000));
  const DWORD first = ::GetTickCount();
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return lineText().rfind("No.3 :  gre01", 0) == 0; }, 3000));
  const DWORD apart = ::GetTickCount() - first;
  EXPECT_GT(apart, 700u);
  EXPECT_LT(apart, 1600u);
  EXPECT_EQ(lineText(), "No.3 :  gre01    " + gre.meanings.at("gre01"));

  // "记录" records the word shown; its neighbour ticks must not slip in between.
  ::PostMessageA(strip, WM_COMMAND, ID_INTERVAL_10, 0);
  const std::string shown = lineText().substr(8, 5);
  ::SendMessageA(::GetDlgItem(strip, IDC_RECORD_SHOWN), BM_CLICK, 0, 0);
  EXPECT_EQ(folder.ReadFile("books\\曾经背记过的单词.txt"),
            "曾经背记过的单词\r\n@" + shown + "\r\n" + gre.meanings.at(shown) + "\r\n");

  // The icon's double click shows and hides the main window.
  ::PostMessageA(main, WM_TRAY_CALLBACK, 10, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(VodariProcess::WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
  ::PostMessageA(main, WM_TRAY_CALLBACK, 10, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindowVisible(main); }));

  program->PostCommand(IDC_RECITE);
  EXPECT_TRUE(VodariProcess::WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
  EXPECT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindow(strip); }));
  EXPECT_EQ(program->ControlText(IDC_RECITE), "开始");
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(main, IDC_SETTINGS)));
  program->PostCommand(IDCANCEL);
  EXPECT_EQ(program->WaitForExit(), 0);
}

}  // namespace
}  // namespace vodari::e2e
