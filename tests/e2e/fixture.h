// A run of the real Vodari.exe in a fresh working folder, worked through
// window messages and, where focus matters, real input.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "real_input.h"
#include "res/resource.h"
#include "temp_folder.h"
#include "vodari_process.h"

namespace vodari::e2e {

using namespace remote;

// The program whose words the capture tests read (--capture-target=).
inline std::string captureTarget = VODARI_CAPTURE_TARGET;

// The folder holds a distractor book ("GRE词汇", 30 entries "greNN") and a
// missed-words book with its title only.
class ProgramTest : public ::testing::Test {
 protected:
  static constexpr const char* kMissedBook = "books\\重点单词记录.txt";
  static constexpr const char* kMissedTitleLine = "重点单词记录\r\n";

  void SetUp() override {
    gre = test::WriteBook(folder.File("books\\单词本18.txt"), 30, "gre", "GRE词汇");
    Write(kMissedBook, kMissedTitleLine);
  }
  void Write(const std::string& name, const std::string& bytes) {
    test::WriteBytes(folder.File(name), bytes);
  }
  std::string Read(const std::string& name) const { return test::ReadBytes(folder.File(name)); }
  // Starts a copy of the program in the folder, with `library` beside it as
  // its capture library; without, none (the program's own folder holds one).
  void Launch(const std::string& library = "") {
    ASSERT_TRUE(::CopyFileA(ProgramPath().c_str(), folder.File("Vodari.exe").c_str(), FALSE));
    if (!library.empty()) {
      ASSERT_TRUE(::CopyFileA(library.c_str(), folder.File("nhw32.dll").c_str(), FALSE));
    }
    program = std::make_unique<VodariProcess>(folder.Path(), folder.File("Vodari.exe"));
    ASSERT_TRUE(program->Started());
  }
  // Launches and gets past the start-up notice about capture.
  void StartProgram() {
    ASSERT_NO_FATAL_FAILURE(Launch());
    EXPECT_EQ(program->AcknowledgeMessageBox(), "NHD_InitGetWords error.");
    ASSERT_NE(program->MainWindow(), nullptr);
  }
  void SetScreenCapture(bool on) {
    program->PostCommand(IDC_SETTINGS);
    HWND panel = program->WaitForWindow("Vodari设置面板");
    ASSERT_NE(panel, nullptr);
    // Not by clicks: the popup may take the activation from the panel.
    ::SendMessageA(::GetDlgItem(panel, IDC_SCREEN_CAPTURE), BM_SETCHECK, on, 0);
    PressOk(panel);
    ASSERT_TRUE(Until([&] { return !::IsWindow(panel); }));
  }
  // Presses OK as a click does; a posted BM_CLICK can miss a window that is
  // not the active one.
  static void PressOk(HWND dialog) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, IDOK)));
  }
  template <typename Condition>
  static bool Until(Condition done, DWORD timeoutMs = 10000) {
    return VodariProcess::WaitUntil(done, timeoutMs);
  }
  static std::string TextOf(HWND dialog, int id) { return VodariProcess::TextOf(dialog, id); }

  test::TempFolder folder;
  test::FixtureBook gre;
  std::unique_ptr<VodariProcess> program;
};

}  // namespace vodari::e2e
