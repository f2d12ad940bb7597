// Shows Vodari ready for use without anyone at the keyboard: starts it in
// its own folder, passes the start-up notice, starts a test on the default
// book and leaves it running (for a screenshot).
//   vodari_demo_driver --vodari=<path of Vodari.exe>
#include <cstdio>
#include <cstring>
#include <string>

#include "res/resource.h"
#include "vodari_process.h"

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], "--vodari=", 9) == 0) vodari::e2e::SetProgramPath(argv[i] + 9);
  const std::string& exe = vodari::e2e::ProgramPath();
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));

  vodari::e2e::VodariProcess program(folder);
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
  program.PostCommand(IDC_START_TEST);
  vodari::e2e::VodariProcess::WaitUntil([&] { return !program.ControlText(IDC_WORD).empty(); });
  program.Detach();
  return 0;
}
