// The real program under Wine, worked through window messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fixture.h"
#include "res/resource.h"

namespace vodari::e2e {
namespace {

class MainWindowTest : public ProgramTest {
 protected:
  std::vector<std::string> ShownMeanings() {
    std::vector<std::string> meanings;
    for (int id = IDC_MEANING_A; id <= IDC_MEANING_D; ++id)
      meanings.push_back(program->ControlText(id));
    return meanings;
  }

  // Answers the question shown: right when asked and the right meaning is
  // in one slot only (the distractors may repeat the asked entry), wrong
  // otherwise. Returns whether the answer was right.
  bool Answer(bool wantRight, const FixtureBook& book) {
    const std::string word = program->ControlText(IDC_WORD);
    const std::string meaning = book.meanings.at(word);
    std::vector<std::string> shown = ShownMeanings();
    int rightSlots = 0, rightSlot = -1, wrongSlot = -1;
    for (int slot = 0; slot < 4; ++slot) {
      if (shown[slot] == meaning) {
        ++rightSlots;
        rightSlot = slot;
      } else {
        wrongSlot = slot;
      }
    }
    EXPECT_GE(rightSlots, 1) << word;
    const bool right = wantRight && rightSlots == 1;
    const std::string before = program->ControlText(right ? IDC_RIGHT_COUNT : IDC_WRONG_COUNT);
    program->PostCommand(IDC_ANSWER_A + (right ? rightSlot : wrongSlot));
    EXPECT_TRUE(VodariProcess::WaitUntil(
        [&] { return program->ControlText(right ? IDC_RIGHT_COUNT : IDC_WRONG_COUNT) != before; }));
    if (!right) missedRecords += "@" + word + "\r\n" + meaning + "\r\n";
    const std::string hint = program->ControlText(IDC_HINT);
    EXPECT_EQ(hint.rfind(right ? "对了" : "错了", 0), 0u);
    // The right meaning stays in view: the box wraps one paragraph.
    if (!right) {
      EXPECT_EQ(hint.find('\n'), std::string::npos);
    }
    return right;
  }

  std::string missedRecords;
};

TEST_F(MainWindowTest, WholeTestThenExitWithTheRunSummary) {
  StartProgram();
  EXPECT_EQ(program->ControlText(IDC_BOOK_TITLE), "");
  StartTest();
  EXPECT_EQ(program->ControlText(IDC_BOOK_TITLE), "GRE词汇");

  int right = 0, wrong = 0;
  for (int i = 0; i < 20 && (right < 2 || wrong < 1); ++i) {
    if (Answer(right < 2, gre))
      ++right;
    else
      ++wrong;
  }
  ASSERT_EQ(right, 2);
  EXPECT_EQ(program->ControlText(IDC_RIGHT_COUNT), "2");
  EXPECT_EQ(program->ControlText(IDC_WRONG_COUNT), std::to_string(wrong));
  EXPECT_EQ(folder.ReadFile("books\\重点单词记录.txt"),
            std::string(kMissedTitleLine) + missedRecords);

  program->PostCommand(IDC_END_TEST);
  const int percent = 200 / (2 + wrong);
  EXPECT_EQ(program->AcknowledgeMessageBox(), "正确: 2        错误: " + std::to_string(wrong) +
                                                  "\n正确率: " + std::to_string(percent) +
                                                  ".00%\n 得  分: " + std::to_string(percent));
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return program->ControlText(IDC_WORD).empty(); }));
  EXPECT_EQ(program->ControlText(IDC_WRONG_COUNT), "0");
  EXPECT_EQ(program->ControlText(IDC_MEANING_D), "");

  program->PostKey(IDC_WORD, VK_ESCAPE);
  MessageBoxInfo summary = program->WaitForMessageBox();
  EXPECT_EQ(summary.caption, "Vodari");
  EXPECT_EQ(summary.text, "这次你一共进行的1轮学习，共做了" + std::to_string(2 + wrong) +
                              "道题\n正确:2\n错误:" + std::to_string(wrong) +
                              "\n正确率为:" + std::to_string(percent) + ".00%");
  program->PressOk(summary);
  EXPECT_EQ(program->WaitForExit(), 0);
  EXPECT_EQ(folder.ReadFile("books\\重点单词记录.txt"),
            std::string(kMissedTitleLine) + missedRecords);
}

TEST(StartUp, MissingOrEmptyDistractorBookEndsWithExitCodeOne) {
  for (bool empty : {false, true}) {
    ProgramFolder folder;
    if (empty) folder.WriteFile("books\\单词本18.txt", "GRE词汇\r\n");
    auto program = folder.Start();
    ASSERT_TRUE(program && program->Started());
    MessageBoxInfo box = program->WaitForMessageBox();
    EXPECT_EQ(box.text, "不能初始化单词表\n请检查\"单词本18.txt\"是否为空");
    EXPECT_EQ(program->MainWindow(0), nullptr);  // never shown
    program->PressOk(box);
    EXPECT_EQ(program->WaitForExit(), 1);
    EXPECT_TRUE(folder.Exists("books\\单词本18.txt"));           // a missing book is created empty
    EXPECT_FALSE(folder.Exists("books\\曾经背记过的单词.txt"));  // history books not opened
  }
}

TEST_F(MainWindowTest, EnterInTheWordEditDoesNothing) {
  StartProgram();
  StartTest();
  const std::string word = program->ControlText(IDC_WORD);
  program->PostKey(IDC_WORD, VK_RETURN);
  // Posted after the Enter key, so handled after it: the dialog still runs
  // its test.
  program->PostCommand(IDC_START_TEST);
  EXPECT_EQ(program->AcknowledgeMessageBox(), "你已经开始测验了");
  EXPECT_EQ(program->ControlText(IDC_WORD), word);
  EXPECT_EQ(program->ControlText(IDC_RIGHT_COUNT), "");
  EXPECT_EQ(program->ControlText(IDC_WRONG_COUNT), "");
}

TEST_F(MainWindowTest, BooksAreChosenFromTheDictionaryMenu) {
  FixtureBook gmat = folder.WriteBook("单词本13.txt", "GMAT词汇", 12, "gmat");
  StartProgram();
  StartTest();
  program->PostCommand(32810);  // GMAT词汇
  ASSERT_TRUE(
      VodariProcess::WaitUntil([&] { return program->ControlText(IDC_BOOK_TITLE) == "GMAT词汇"; }));
  ASSERT_TRUE(VodariProcess::WaitUntil(
      [&] { return gmat.meanings.count(program->ControlText(IDC_WORD)) == 1; }));
  Answer(false, gmat);
}

// A radio button's double click is not a second answer.
TEST_F(MainWindowTest, DoubleClickOnAnAnswerIsJudgedOnce) {
  StartProgram();
  StartTest();
  HWND main = program->MainWindow();
  HWND radio = ::GetDlgItem(main, IDC_ANSWER_B);
  ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_ANSWER_B, BN_CLICKED),
                 reinterpret_cast<LPARAM>(radio));
  ::PostMessageA(main, WM_COMMAND, MAKEWPARAM(IDC_ANSWER_B, BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(radio));
  // One answer in all, right or wrong.
  program->PostCommand(IDCANCEL);
  EXPECT_NE(program->AcknowledgeMessageBox().find("共做了1道题"), std::string::npos);
  EXPECT_EQ(program->WaitForExit(), 0);
}

TEST_F(MainWindowTest, HidesIntoTheNotificationAreaAndComesBack) {
  StartProgram();
  HWND main = program->MainWindow();
  program->PostCommand(IDC_MINIMISE);
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindowVisible(main); }));
  program->PostCommand(ID_SHOW_MAIN_WINDOW);
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
  program->PostCommand(ID_TOGGLE_MAIN_WINDOW);  // 最  大  化 hides a shown window
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return !::IsWindowVisible(main); }));
  program->PostCommand(ID_TOGGLE_MAIN_WINDOW);
  ASSERT_TRUE(VodariProcess::WaitUntil([&] { return ::IsWindowVisible(main) != FALSE; }));
  program->PostCommand(IDCANCEL);  // no answers: no summary, exit code 0
  EXPECT_EQ(program->WaitForExit(), 0);
}

}  // namespace
}  // namespace vodari::e2e
