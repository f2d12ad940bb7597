// The settings panel of the real program, worked through window messages.
#include <gtest/gtest.h>

#include <string>

#include "fixture.h"
#include "res/resource.h"

namespace vodari::e2e {
namespace {

const char kPanelTitle[] = "Vodari设置面板";

class SettingsTest : public ProgramTest {
 protected:
  HWND OpenPanel(int command = IDC_SETTINGS) {
    program->PostCommand(command);
    HWND panel = program->WaitForWindow(kPanelTitle);
    EXPECT_NE(panel, nullptr);
    return panel;
  }
  static std::string Text(HWND panel, int id) { return VodariProcess::TextOf(panel, id); }
  static void Type(HWND panel, int id, const std::string& text) {
    VodariProcess::SetTextOf(panel, id, text);
  }
  static bool Closed(HWND panel) {
    return VodariProcess::WaitUntil([&] { return !::IsWindow(panel); });
  }
  // Presses OK and returns the refusal the panel shows, checking that the
  // panel stays open with the offending edit focused and its text selected.
  std::string RefusedOk(HWND panel, int failingId) {
    VodariProcess::Click(panel, IDOK);
    const std::string message = program->AcknowledgeMessageBox();
    HWND edit = ::GetDlgItem(panel, failingId);
    EXPECT_TRUE(VodariProcess::WaitUntil([&] { return program->FocusedWindow() == edit; }))
        << failingId;
    const DWORD selection = static_cast<DWORD>(::SendMessageA(edit, EM_GETSEL, 0, 0));
    EXPECT_EQ(LOWORD(selection), 0);
    EXPECT_EQ(HIWORD(selection), Text(panel, failingId).size()) << failingId;
    EXPECT_TRUE(::IsWindow(panel));
    return message;
  }
};

TEST_F(SettingsTest, WrongValuesAreRefusedInOrderUntilAllAreRight) {
  StartProgram();
  HWND panel = OpenPanel();
  EXPECT_EQ(Text(panel, IDC_BOOK_PATH), "books\\单词本18.txt");
  EXPECT_EQ(Text(panel, IDC_RANGE_LAST), "30");  // the default book's size
  EXPECT_EQ(Text(panel, IDC_RECITE_INTERVAL), "5");

  Type(panel, IDC_RANGE_LAST, "8000");
  Type(panel, IDC_RANGE_FIRST, "abc");  // examined only after the last position
  EXPECT_EQ(RefusedOk(panel, IDC_RANGE_LAST), "“请填入一个在0和7000之间的整数。”");
  Type(panel, IDC_RANGE_LAST, "20");
  EXPECT_EQ(RefusedOk(panel, IDC_RANGE_FIRST), "请键入一个整数。");
  Type(panel, IDC_RANGE_FIRST, " 3 ");
  Type(panel, IDC_RECITE_INTERVAL, "7");
  VodariProcess::Click(panel, IDOK);
  ASSERT_TRUE(Closed(panel));
  // Confirming starts a test at once.
  ASSERT_TRUE(VodariProcess::WaitUntil(
      [&] { return gre.meanings.count(program->ControlText(IDC_WORD)) == 1; }));
  EXPECT_EQ(program->ControlText(IDC_BOOK_TITLE), "GRE词汇");

  panel = OpenPanel(IDC_RECITE_SETTINGS);  // the recitation group's button too
  EXPECT_EQ(Text(panel, IDC_RANGE_FIRST), "3");
  EXPECT_EQ(Text(panel, IDC_RANGE_LAST), "20");
  EXPECT_EQ(Text(panel, IDC_RECITE_INTERVAL), "7");
  VodariProcess::Click(panel, IDCANCEL);
  EXPECT_TRUE(Closed(panel));
}

TEST_F(SettingsTest, BookMenuFillsThePathAndCancelKeepsEverything) {
  StartProgram();
  StartTest();
  HWND panel = OpenPanel();
  ::PostMessageA(panel, WM_COMMAND, 32828, 0);  // 高中英语第二册 from the "..." menu
  EXPECT_TRUE(VodariProcess::WaitUntil(
      [&] { return Text(panel, IDC_BOOK_PATH) == "books\\单词本30.txt"; }));
  VodariProcess::Click(panel, IDC_TEST_MISSED);
  EXPECT_TRUE(VodariProcess::WaitUntil(
      [&] { return Text(panel, IDC_BOOK_PATH) == "books\\重点单词记录.txt"; }));
  EXPECT_FALSE(VodariProcess::IsCheckedIn(panel, IDC_RECORD_MISSED));
  VodariProcess::Click(panel, IDC_TEST_RECITED);
  EXPECT_TRUE(VodariProcess::WaitUntil(
      [&] { return Text(panel, IDC_BOOK_PATH) == "books\\曾经背记过的单词.txt"; }));
  VodariProcess::Click(panel, IDCANCEL);
  ASSERT_TRUE(Closed(panel));
  EXPECT_FALSE(folder.Exists("books\\单词本30.txt"));  // nothing was loaded

  panel = OpenPanel();
  EXPECT_EQ(Text(panel, IDC_BOOK_PATH), "books\\单词本18.txt");
  EXPECT_TRUE(VodariProcess::IsCheckedIn(panel, IDC_RECORD_MISSED));
  VodariProcess::Click(panel, IDCANCEL);
  EXPECT_TRUE(Closed(panel));
}

TEST_F(SettingsTest, ClearingActsAtOnceEvenWhenCancelled) {
  folder.WriteFile("books\\重点单词记录.txt", "重点单词记录\r\n@cat\r\n猫\r\n");
  folder.WriteFile("books\\曾经背记过的单词.txt", "曾经背记过的单词\r\n@dog\r\n狗\r\n");
  StartProgram();
  HWND panel = OpenPanel();
  VodariProcess::Click(panel, IDC_CLEAR_MISSED);
  EXPECT_TRUE(VodariProcess::WaitUntil(
      [&] { return folder.ReadFile("books\\重点单词记录.txt") == kMissedTitleLine; }));
  VodariProcess::Click(panel, IDC_CLEAR_RECITED);
  EXPECT_TRUE(VodariProcess::WaitUntil(
      [&] { return folder.ReadFile("books\\曾经背记过的单词.txt") == "曾经背记过的单词\r\n"; }));
  EXPECT_TRUE(program->NoMessageBoxFor(300));  // no question, no report
  VodariProcess::Click(panel, IDCANCEL);
  ASSERT_TRUE(Closed(panel));
  EXPECT_EQ(folder.ReadFile("books\\重点单词记录.txt").size(), 14u);
  EXPECT_EQ(program->ControlText(IDC_WORD), "");  // Cancel starts no test
}

TEST_F(SettingsTest, RecitedWordsItemSwitchesTheMainWindowWhileThePanelStaysOpen) {
  FixtureBook recited = folder.WriteBook("曾经背记过的单词.txt", "曾经背记过的单词", 8, "rec");
  StartProgram();
  HWND panel = OpenPanel();
  ::PostMessageA(panel, WM_COMMAND, 32780, 0);  // 曾经背记过的单词 from the "..." menu
  ASSERT_TRUE(VodariProcess::WaitUntil(
      [&] { return program->ControlText(IDC_BOOK_TITLE) == "曾经背记过的单词"; }));
  EXPECT_EQ(recited.meanings.count(program->ControlText(IDC_WORD)), 1u);
  EXPECT_TRUE(::IsWindow(panel));
  EXPECT_EQ(Text(panel, IDC_BOOK_PATH), "books\\单词本18.txt");
  VodariProcess::Click(panel, IDCANCEL);
  ASSERT_TRUE(Closed(panel));
  EXPECT_EQ(program->ControlText(IDC_BOOK_TITLE), "曾经背记过的单词");
}

TEST_F(SettingsTest, SpokenWordsAndWrongAnswerPopupsOnceSwitchedOn) {
  StartProgram();
  HWND panel = OpenPanel();
  VodariProcess::Click(panel, IDC_PRONOUNCE);
  VodariProcess::Click(panel, IDC_POPUP_ON_WRONG);
  VodariProcess::Click(panel, IDOK);
  ASSERT_TRUE(Closed(panel));
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return !program->ControlText(IDC_WORD).empty(); }));
  // Answer every slot holding another meaning than the right one: a wrong
  // answer, so the popup comes; the speech worker of the next question must
  // neither complain nor stop the program.
  const std::string meaning = gre.meanings.at(program->ControlText(IDC_WORD));
  int slot = 0;
  while (program->ControlText(IDC_MEANING_A + slot) == meaning) ++slot;
  program->PostCommand(IDC_ANSWER_A + slot);
  MessageBoxInfo popup = program->WaitForMessageBox();
  EXPECT_EQ(popup.text, "答错了!");
  EXPECT_EQ(::GetWindow(popup.window, GW_OWNER), program->MainWindow());
  // The correction shows before the popup; the counts only after it.
  EXPECT_EQ(program->ControlText(IDC_HINT).rfind("错了, 继续努力!~", 0), 0u);
  EXPECT_EQ(program->ControlText(IDC_WRONG_COUNT), "");
  program->PressOk(popup);
  ASSERT_TRUE(
      VodariProcess::WaitUntil([&] { return program->ControlText(IDC_WRONG_COUNT) == "1"; }));
  EXPECT_TRUE(program->NoMessageBoxFor(500));
  program->PostCommand(IDCANCEL);
  EXPECT_EQ(program->AcknowledgeMessageBox().rfind("这次你一共进行的0轮学习", 0), 0u);
  EXPECT_EQ(program->WaitForExit(), 0);
}

}  // namespace
}  // namespace vodari::e2e
