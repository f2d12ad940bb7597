// The settings panel, the About dialog and the lookup dialog of the real
// program, each modal over the main window.
#include <string>
#include <utility>

#include "fixture.h"

namespace vodari::e2e {
namespace {

TEST_F(ProgramTest, DialogsRunModallyOverTheMainWindowAndActOnTheBooksAndOptions) {
  const char kRecitedBook[] = "books\\曾经背记过的单词.txt";
  const test::FixtureBook recited =
      test::WriteBook(folder.File(kRecitedBook), 8, "rec", "曾经背记过的单词");
  Write(kMissedBook, std::string(kMissedTitleLine) + "@cat\r\n猫\r\n");
  Write("books\\考研单词表.txt", "考研\r\n@abandon\r\n放弃\r\n@ability\r\n能力\r\n");
  Write("books\\单词本7.txt", "七\r\n@zebra\r\n斑马\r\n");
  StartProgram();
  HWND main = program->MainWindow();
  const auto closed = [&](HWND dialog) {
    return Until([&] { return !::IsWindow(dialog) && ::IsWindowEnabled(main); });
  };
  // About, from its button and from the system menu.
  for (const auto& [message, id] :
       {std::pair<UINT, int>{WM_COMMAND, IDC_ABOUT}, {WM_SYSCOMMAND, IDM_ABOUT_ITEM}}) {
    ::PostMessageA(main, message, id, 0);
    HWND about = program->WaitForWindowWith(IDC_GUIDE_LINK);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(Until([&] { return !::IsWindowEnabled(main); }));
    for (int link : {IDC_DICTIONARY_LINK, IDC_GUIDE_LINK, IDC_BOOKS_LINK})
      EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(about, link), GWL_STYLE) & SS_NOTIFY) << link;
    VodariProcess::Click(about, IDOK);
    EXPECT_TRUE(closed(about));
  }

  VodariProcess::Click(main, IDC_LOOKUP);
  HWND lookup = program->WaitForWindow("请输入你想要查询的单词");
  ASSERT_NE(lookup, nullptr);
  EXPECT_TRUE(Until([&] { return !::IsWindowEnabled(main); }));
  const auto resultIs = [&](const std::string& text) {
    return Until([&] { return TextOf(lookup, IDC_LOOKUP_RESULT) == text; });
  };
  // Typed at once, as a person does: the keys reach the input box, also
  // after Esc has emptied it.
  ASSERT_TRUE(BringToFront(lookup));
  TypeText("abi");
  EXPECT_TRUE(resultIs("ability    能力"));  // while typing, in the first book
  PressKey(VK_ESCAPE);
  EXPECT_TRUE(resultIs("请输入您要查询的单词"));
  EXPECT_EQ(TextOf(lookup, IDC_LOOKUP_INPUT), "");
  TypeText("Zebra");
  PressKey(VK_RETURN);
  EXPECT_TRUE(resultIs("zebra    斑马"));  // Enter: in every book
  PressKey(VK_ESCAPE);
  TypeText(std::string(260, 'x'));
  EXPECT_TRUE(Until([&] { return TextOf(lookup, IDC_LOOKUP_INPUT) == std::string(255, 'x'); }));
  VodariProcess::Click(lookup, IDCANCEL);
  EXPECT_TRUE(closed(lookup));

  program->PostCommand(IDC_SETTINGS);
  HWND panel = program->WaitForWindow("Vodari设置面板");
  ASSERT_NE(panel, nullptr);
  // Commands of the "..." book menu: most books fill the path box; the
  // recited words switch the main window at once.
  ::PostMessageA(panel, WM_COMMAND, 32780, 0);
  ASSERT_TRUE(Until([&] { return recited.meanings.count(program->ControlText(IDC_WORD)) == 1; }));
  EXPECT_EQ(TextOf(panel, IDC_BOOK_PATH), "books\\单词本18.txt");
  ::PostMessageA(panel, WM_COMMAND, 32828, 0);
  EXPECT_TRUE(Until([&] { return TextOf(panel, IDC_BOOK_PATH) == "books\\单词本30.txt"; }));
  VodariProcess::Click(panel, IDC_TEST_MISSED);
  EXPECT_TRUE(Until([&] { return TextOf(panel, IDC_BOOK_PATH) == kMissedBook; }));
  EXPECT_FALSE(VodariProcess::IsCheckedIn(panel, IDC_RECORD_MISSED));
  // Clearing a history book acts at once, without a question.
  VodariProcess::Click(panel, IDC_CLEAR_MISSED);
  VodariProcess::Click(panel, IDC_CLEAR_RECITED);
  EXPECT_TRUE(Until([&] { return Read(kRecitedBook) == "曾经背记过的单词\r\n"; }));
  EXPECT_TRUE(program->NoMessageBoxFor(300));
  VodariProcess::Click(panel, IDCANCEL);
  ASSERT_TRUE(closed(panel));
  EXPECT_EQ(Read(kMissedBook), kMissedTitleLine);                      // not undone by Cancel
  EXPECT_FALSE(test::FileExists(folder.File("books\\单词本30.txt")));  // nothing loaded
  EXPECT_EQ(program->ControlText(IDC_BOOK_TITLE), "曾经背记过的单词");

  // The recitation group's button opens it too, with the options as they were.
  program->PostCommand(IDC_RECITE_SETTINGS);
  panel = program->WaitForWindow("Vodari设置面板");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(TextOf(panel, IDC_BOOK_PATH), kRecitedBook);
  EXPECT_TRUE(VodariProcess::IsCheckedIn(panel, IDC_RECORD_MISSED));
  // A refused value keeps the panel open with its edit focused and selected.
  VodariProcess::SetTextOf(panel, IDC_RANGE_LAST, "8000");
  VodariProcess::Click(panel, IDOK);
  EXPECT_NE(program->AcknowledgeMessageBox().find("整数"), std::string::npos);
  HWND edit = ::GetDlgItem(panel, IDC_RANGE_LAST);
  EXPECT_TRUE(Until([&] { return program->FocusedWindow() == edit; }));
  EXPECT_EQ(::SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(0, 4));
  VodariProcess::SetTextOf(panel, IDC_RANGE_LAST, "20");
  VodariProcess::SetTextOf(panel, IDC_BOOK_PATH, "books\\单词本18.txt");
  VodariProcess::Click(panel, IDC_PRONOUNCE);
  VodariProcess::Click(panel, IDC_POPUP_ON_WRONG);
  VodariProcess::Click(panel, IDOK);
  ASSERT_TRUE(closed(panel));
  // Confirming starts a test at once, with the options given.
  ASSERT_TRUE(Until([&] { return program->ControlText(IDC_BOOK_TITLE) == "GRE词汇"; }));
  const std::string meaning = gre.meanings.at(program->ControlText(IDC_WORD));
  int slot = 0;
  while (program->ControlText(IDC_MEANING_A + slot) == meaning) ++slot;
  program->PostCommand(IDC_ANSWER_A + slot);
  MessageBoxInfo popup = program->WaitForMessageBox();
  EXPECT_EQ(popup.text, "答错了!");
  EXPECT_EQ(::GetWindow(popup.window, GW_OWNER), main);
  // The correction shows before the popup; the counts only after it.
  EXPECT_EQ(program->ControlText(IDC_HINT).rfind("错了", 0), 0u);
  EXPECT_EQ(program->ControlText(IDC_WRONG_COUNT), "");
  program->PressOk(popup);
  ASSERT_TRUE(Until([&] { return program->ControlText(IDC_WRONG_COUNT) == "1"; }));
  // The next question is spoken: the speech worker neither complains nor
  // stops the program.
  EXPECT_TRUE(program->NoMessageBoxFor(500));
  program->PostCommand(IDCANCEL);
  program->AcknowledgeMessageBox();
  EXPECT_EQ(program->WaitForExit(), 0);
}

}  // namespace
}  // namespace vodari::e2e
