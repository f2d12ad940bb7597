// Checks a packaged Vodari from outside, as its user would meet it: starts
// it in its own folder, starts a test and waits for the first question; with
// --miss-a-word answers until one answer is wrong, so that the missed word is
// recorded; then closes it, through the run summary when there was one.
//   vodari_package_check --vodari=<path of Vodari.exe> [--miss-a-word]
// Exit code 0 when all went as expected; otherwise the failed step on stderr.
#include <cstdio>
#include <cstring>
#include <string>

#include "res/resource.h"
#include "vodari_process.h"

using namespace vodari::remote;

static int Fail(const char* step) {
  std::fprintf(stderr, "package check: %s\n", step);
  return 1;
}

int main(int argc, char** argv) {
  bool missAWord = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "--vodari=", 9) == 0) SetProgramPath(argv[i] + 9);
    if (std::strcmp(argv[i], "--miss-a-word") == 0) missAWord = true;
  }
  const std::string& exe = ProgramPath();
  VodariProcess program(exe.substr(0, exe.find_last_of('\\')));
  if (!program.Started()) return Fail("the program does not start");
  // Without the capture library the program says so first; with it, it does not.
  MessageBoxInfo notice;
  VodariProcess::WaitUntil(
      [&] { return (notice = program.WaitForMessageBox(30)) || program.MainWindow(30); }, 15000);
  if (notice) program.PressOk(notice);
  if (!program.MainWindow()) return Fail("no main window");

  program.PostCommand(IDC_START_TEST);
  if (!VodariProcess::WaitUntil([&] { return !program.ControlText(IDC_WORD).empty(); }))
    return Fail("no question after 开始");
  // The right meaning's slot is random: answer A until an answer is wrong.
  const auto counts = [&] {
    return program.ControlText(IDC_RIGHT_COUNT) + "/" + program.ControlText(IDC_WRONG_COUNT);
  };
  const auto missed = [&] {
    const std::string wrong = program.ControlText(IDC_WRONG_COUNT);
    return !wrong.empty() && wrong != "0";
  };
  for (int i = 0; missAWord && !missed(); ++i) {
    if (i == 50) return Fail("no answer was wrong");
    const std::string before = counts();
    program.PostCommand(IDC_ANSWER_A);
    VodariProcess::WaitUntil([&] { return counts() != before; });
  }

  program.PostCommand(IDCANCEL);
  const MessageBoxInfo summary = missAWord ? program.WaitForMessageBox() : MessageBoxInfo{};
  if (missAWord && !summary) return Fail("no run summary");
  if (summary) program.PressOk(summary);
  if (program.WaitForExit() != 0) return Fail("the program did not end well");
  return 0;
}
