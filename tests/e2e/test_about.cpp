// The About dialog of the real program: opened from its button and from the
// system menu, showing its links, closed with "知道了" and with Esc.
#include <gtest/gtest.h>
#include <windows.h>

#include "fixture.h"
#include "res/resource.h"

namespace vodari::e2e {
namespace {

class AboutTest : public ProgramTest {
 protected:
  // The About dialog, titled like the program's message boxes and told
  // apart from them by its links; waits until it shows modally.
  HWND WaitForAbout() {
    HWND about = nullptr;
    VodariProcess::WaitUntil([&] {
      about = program->WaitForWindow("Vodari", 100);
      return about != nullptr && ::GetDlgItem(about, IDC_GUIDE_LINK) != nullptr &&
             !::IsWindowEnabled(program->MainWindow());
    });
    return about;
  }
  bool ClosedBackToMain(HWND about) {
    return VodariProcess::WaitUntil(
        [&] { return !::IsWindow(about) && ::IsWindowEnabled(program->MainWindow()); });
  }
};

TEST_F(AboutTest, OpensFromTheButtonAndTheSystemMenuAndClosesWithItsButtonAndEsc) {
  StartProgram();
  program->PostCommand(IDC_ABOUT);
  HWND about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  for (int id : {IDC_DICTIONARY_LINK, IDC_GUIDE_LINK, IDC_BOOKS_LINK})
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(about, id), GWL_STYLE) & SS_NOTIFY) << id;
  EXPECT_EQ(VodariProcess::TextOf(about, IDC_GUIDE_LINK), "使用说明.htm");
  VodariProcess::Click(about, IDOK);
  EXPECT_TRUE(ClosedBackToMain(about));

  ::PostMessageA(program->MainWindow(), WM_SYSCOMMAND, IDM_ABOUT_ITEM, 0);
  about = WaitForAbout();
  ASSERT_NE(about, nullptr);
  HWND button = ::GetDlgItem(about, IDOK);
  ::PostMessageA(button, WM_KEYDOWN, VK_ESCAPE, 1);
  ::PostMessageA(button, WM_KEYUP, VK_ESCAPE, 0xC0000001);
  EXPECT_TRUE(ClosedBackToMain(about));
}

}  // namespace
}  // namespace vodari::e2e
