// Shows Vodari in use without anyone at the keyboard, for screenshots:
// starts it in its own folder, passes the start-up notice and sets up a
// scene, then leaves the program running.
//   vodari_demo_driver --vodari=<path of Vodari.exe> [--scene=test|recite]
//   test    a test on the default book with its first question (default)
//   recite  recitation at one word a second, the strip showing a word
#include <cstdio>
#include <cstring>
#include <string>

#include "res/resource.h"
#include "vodari_process.h"

using vodari::e2e::VodariProcess;

int main(int argc, char** argv) {
  std::string scene = "test";
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--vodari=", 9) == 0) vodari::e2e::SetProgramPath(argv[i] + 9);
    if (std::strncmp(argv[i], "--scene=", 8) == 0) scene = argv[i] + 8;
  }
  const std::string& exe = vodari::e2e::ProgramPath();
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));

  VodariProcess program(folder);
  if (!program.Started()) {
    std::fprintf(stderr, "demo: cannot start %s\n", exe.c_str());
    return 1;
  }
  vodari::e2e::MessageBoxInfo notice = program.WaitForMessageBox(15000);
  if (notice) program.PressOk(notice);
  if (!program.MainWindow()) {
    std::fprintf(stderr, "demo: the main window did not appear\n");
    return 1;
  }
  if (scene == "recite") {
    program.PostCommand(IDC_RECITE);
    HWND strip = program.WaitForWindowWith(IDC_RECORD_SHOWN);
    if (strip) ::PostMessageA(strip, WM_COMMAND, ID_INTERVAL_1, 0);
    ::Sleep(2500);
  } else {
    program.PostCommand(IDC_START_TEST);
    VodariProcess::WaitUntil([&] { return !program.ControlText(IDC_WORD).empty(); });
  }
  program.Detach();
  return 0;
}
