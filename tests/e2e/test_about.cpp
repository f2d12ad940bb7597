// The About dialog of the real program: opened from its button and from the
// system menu, showing its links, closed with "知道了" and with Esc.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "fixture.h"
#include "res/resource.h"

namespace vodari::e2e {
namespace {

class AboutTest : public ProgramTest {
 protected:
  // The About dialog: titled like the program's message boxes, told apart
  // by its links.
  HWND WaitForAbout() {
    HWND about = nullptr;
    VodariProcess::WaitUntil([&] {
      about = program->WaitForWindow("Vodari", 100);
      return about != nullptr && ::GetDlgItem(about, IDC_GUIDE_LINK) != nullptr;
    });
    return about;
  }
  static bool IsLink(HWND about, int id) {
    return (::GetWindowLongA(::GetDlgItem(about, id), GWL_STYLE) & SS_NOTIFY) != 0;
  }
  bool ClosedBackToMain(HWND about) {
    return VodariProcess::WaitUntil([&] {
      return !::IsWindow(about) && ::IsWindowEnabled(program->MainWindow());
    });
  }
};

TEST_F(AboutTest, OpensFromTheButtonWithItsLinksAndClosesWithItsButton) {
  StartProgram();
  program->PostCommand(IDC_ABOUT);
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_FALSE(::IsWindowEnabled(program->MainWindow()));  // modal
  EXPECT_EQ(VodariProcess::TextOf(about, IDC_DICTIONARY_LINK), "用户自定义字典.txt");
  EXPECT_EQ(VodariProcess::TextOf(about, IDC_GUIDE_LINK), "使用说明.htm");
  EXPECT_EQ(VodariProcess::TextOf(about, IDC_BOOKS_LINK), "books");
  for (int id : {IDC_DICTIONARY_LINK, IDC_GUIDE_LINK, IDC_BOOKS_LINK})
    EXPECT_TRUE(IsLink(about, id)) << id;
  VodariProcess::Click(about, IDOK);
  EXPECT_TRUE(ClosedBackToMain(about));
}

TEST_F(AboutTest, OpensFromTheSystemMenuAndClosesWithEsc) {
  StartProgram();
  ::PostMessageA(program->MainWindow(), WM_SYSCOMMAND, IDM_ABOUT_ITEM, 0);
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  HWND button = ::GetDlgItem(about, IDOK);
  ::PostMessageA(button, WM_KEYDOWN, VK_ESCAPE, 1);
  ::PostMessageA(button, WM_KEYUP, VK_ESCAPE, 0xC0000001);
  EXPECT_TRUE(ClosedBackToMain(about));
}

}  // namespace
}  // namespace vodari::e2e
