// The main window of the real program: the test, start-up, the book menu,
// the notification area and recitation.
#include <cstring>
#include <string>

#include "fixture.h"

namespace vodari::e2e {
namespace {

TEST_F(ProgramTest, TestFromTheButtonsAndTheBookMenuThenEscClosesWithTheSummary) {
  const test::FixtureBook gmat = test::WriteBook(folder.File("books\\单词本13.txt"), 12, "gmat");
  StartProgram();
  program->PostCommand(IDC_START_TEST);
  ASSERT_TRUE(Until([&] { return !program->ControlText(IDC_WORD).empty(); }));
  // Enter in the word edit neither closes the dialog nor restarts the test.
  std::string word = program->ControlText(IDC_WORD);
  program->PostKey(IDC_WORD, VK_RETURN);
  program->PostCommand(IDC_START_TEST);
  EXPECT_EQ(program->AcknowledgeMessageBox(), "你已经开始测验了");
  EXPECT_EQ(program->ControlText(IDC_WORD), word);

  program->PostCommand(32810);  // GMAT词汇 in the 选择字典 menu
  ASSERT_TRUE(Until([&] { return gmat.meanings.count(program->ControlText(IDC_WORD)) == 1; }));

  // A right answer, then a wrong one, each by its slot; the distractors
  // come from the GRE book.
  std::string missed = kMissedTitleLine;
  for (const bool right : {true, false}) {
    word = program->ControlText(IDC_WORD);
    const std::string meaning = gmat.meanings.at(word);
    int slot = 0;
    while (slot < 3 && (program->ControlText(IDC_MEANING_A + slot) == meaning) != right) ++slot;
    program->PostCommand(IDC_ANSWER_A + slot);
    const int count = right ? IDC_RIGHT_COUNT : IDC_WRONG_COUNT;
    ASSERT_TRUE(Until([&] { return program->ControlText(count) == "1"; })) << right;
    EXPECT_EQ(program->ControlText(IDC_HINT).rfind(right ? "对了" : "错了", 0), 0u);
    // The correction wraps in the hint box, keeping the meaning in view.
    EXPECT_EQ(program->ControlText(IDC_HINT).find('\n'), std::string::npos);
    if (!right) missed += "@" + word + "\r\n" + meaning + "\r\n";
  }
  EXPECT_EQ(Read(kMissedBook), missed);

  program->PostCommand(IDC_END_TEST);
  EXPECT_EQ(program->AcknowledgeMessageBox().rfind("正确: 1 ", 0), 0u);
  ASSERT_TRUE(Until([&] { return program->ControlText(IDC_WORD).empty(); }));
  program->PostKey(IDC_WORD, VK_ESCAPE);
  EXPECT_NE(program->AcknowledgeMessageBox().find("1轮学习，共做了2道题"), std::string::npos);
  EXPECT_EQ(program->WaitForExit(), 0);
  EXPECT_EQ(Read(kMissedBook), missed);
}

TEST_F(ProgramTest, MissingDistractorBookIsCreatedAndEndsTheProgramWithExitCodeOne) {
  ::DeleteFileA(folder.File("books\\单词本18.txt").c_str());
  Launch();
  MessageBoxInfo box = program->WaitForMessageBox();
  EXPECT_EQ(box.text, "不能初始化单词表\n请检查\"单词本18.txt\"是否为空");
  EXPECT_EQ(program->MainWindow(0), nullptr);
  program->PressOk(box);
  EXPECT_EQ(program->WaitForExit(), 1);
  EXPECT_TRUE(test::FileExists(folder.File("books\\单词本18.txt")));
}

TEST_F(ProgramTest, RecitationRunsInTheStripWhileTheMainWindowHidesInTheNotificationArea) {
  Write("books\\曾经背记过的单词.txt", "曾经背记过的单词\r\n");
  StartProgram();
  HWND main = program->MainWindow();
  const auto shown = [&](bool visible) {
    return Until([&] { return (::IsWindowVisible(main) != FALSE) == visible; });
  };
  // "最  大  化" on a fresh start hides the window into an icon, as "最小化" does.
  for (const int hide : {ID_TOGGLE_MAIN_WINDOW, IDC_MINIMISE}) {
    program->PostCommand(hide);
    EXPECT_TRUE(shown(false));
    EXPECT_TRUE(program->TrayIconShown()) << hide;
    program->PostCommand(ID_SHOW_MAIN_WINDOW);
    EXPECT_TRUE(shown(true));
  }
  // A restarted shell has lost the icon; it comes back.
  ASSERT_TRUE(program->ForgetTrayIcon());
  ::SendMessageA(main, ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_TRUE(program->TrayIconShown());

  program->PostCommand(IDC_RECITE);
  HWND strip = program->WaitForWindowWith(IDC_RECORD_SHOWN);
  ASSERT_NE(strip, nullptr);
  EXPECT_TRUE(shown(false));
  EXPECT_EQ(program->ControlText(IDC_RECITE), "结束");
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(main, IDC_SETTINGS)));

  // "1" in the strip's speed menu: the words come a second apart.
  const auto line = [&] { return TextOf(strip, ::GetDlgCtrlID(::GetWindow(strip, GW_CHILD))); };
  ::PostMessageA(strip, WM_COMMAND, ID_INTERVAL_1, 0);
  ASSERT_TRUE(Until([&] { return line().rfind("No.2 :  gre00", 0) == 0; }, 3000));
  const DWORD first = ::GetTickCount();
  ASSERT_TRUE(Until([&] { return line().rfind("No.3 :  gre01", 0) == 0; }, 3000));
  const DWORD apart = ::GetTickCount() - first;
  EXPECT_GT(apart, 700u);
  EXPECT_LT(apart, 1600u);

  // "记录" records the word shown; its neighbour ticks must not slip in between.
  ::PostMessageA(strip, WM_COMMAND, ID_INTERVAL_10, 0);
  const std::string word = line().substr(8, 5);
  ::SendMessageA(::GetDlgItem(strip, IDC_RECORD_SHOWN), BM_CLICK, 0, 0);
  EXPECT_EQ(Read("books\\曾经背记过的单词.txt"),
            "曾经背记过的单词\r\n@" + word + "\r\n" + gre.meanings.at(word) + "\r\n");

  // The icon's double click shows and hides the main window.
  ::PostMessageA(main, WM_TRAY_CALLBACK, 10, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(shown(true));
  ::PostMessageA(main, WM_TRAY_CALLBACK, 10, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(shown(false));

  program->PostCommand(IDC_RECITE);
  EXPECT_TRUE(shown(true));
  EXPECT_TRUE(Until([&] { return !::IsWindow(strip); }));
  EXPECT_EQ(program->ControlText(IDC_RECITE), "开始");
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(main, IDC_SETTINGS)));
  program->PostCommand(IDCANCEL);
  EXPECT_EQ(program->WaitForExit(), 0);
}

}  // namespace
}  // namespace vodari::e2e

// The suite is given the program under test on its command line:
//   vodari_e2e_tests --vodari=<path of Vodari.exe> [--capture-target=<program>]
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--vodari=", 9) == 0) {
      vodari::remote::SetProgramPath(argv[i] + 9);
    } else if (std::strncmp(argv[i], "--capture-target=", 17) == 0) {
      vodari::e2e::captureTarget = argv[i] + 17;
    }
  return RUN_ALL_TESTS();
}
