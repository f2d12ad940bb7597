// Shows Vodari in use without anyone at the keyboard, for screenshots:
// starts it in its own folder, passes the start-up notice and sets up a
// scene, then leaves the program running.
//   vodari_demo_driver --vodari=<path of Vodari.exe> [--scene=NAME]
//   test      a test on the default book with its first question (default)
//   recite    recitation at one word a second, the strip showing a word
//   answer    a test after a first answer, with its feedback
//   settings  the settings panel, moved beside the main window
//   about     the About dialog, moved beside the main window
#include <cstdio>
#include <cstring>
#include <string>

#include "res/resource.h"
#include "vodari_process.h"

using vodari::e2e::VodariProcess;

namespace {

// Without a window manager a dialog over the main window stays unpainted
// until it moves; beside the main window both show whole.
void MoveBeside(HWND main, HWND dialog) {
  RECT place;
  ::GetWindowRect(main, &place);
  if (dialog) ::SetWindowPos(dialog, nullptr, place.right + 8, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ::Sleep(500);
}

void PrintScene(HWND first, HWND second = nullptr) {
  RECT scene = {}, other = {};
  ::GetWindowRect(first, &scene);
  if (second && ::GetWindowRect(second, &other)) ::UnionRect(&scene, &scene, &other);
  std::printf("%ldx%ld+%ld+%ld\n", scene.right - scene.left, scene.bottom - scene.top, scene.left,
              scene.top);
}

}  // namespace

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
    PrintScene(strip);
  } else if (scene == "settings") {
    program.PostCommand(IDC_SETTINGS);
    HWND panel = program.WaitForWindow("Vodari设置面板");
    MoveBeside(program.MainWindow(), panel);
    PrintScene(program.MainWindow(), panel);
  } else if (scene == "about") {
    program.PostCommand(IDC_ABOUT);
    HWND about = program.WaitForWindowWith(IDC_GUIDE_LINK);
    MoveBeside(program.MainWindow(), about);
    PrintScene(about);
  } else {
    program.PostCommand(IDC_START_TEST);
    VodariProcess::WaitUntil([&] { return !program.ControlText(IDC_WORD).empty(); });
    if (scene == "answer") {
      VodariProcess::Click(program.MainWindow(), IDC_ANSWER_B);
      VodariProcess::WaitUntil([&] { return !program.ControlText(IDC_HINT).empty(); });
      ::Sleep(300);
    }
    PrintScene(program.MainWindow());
  }
  program.Detach();
  return 0;
}
