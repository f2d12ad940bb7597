// Shows Vodari in use without anyone at the keyboard, for screenshots:
// starts it in its own folder, passes the start-up notice and sets up a
// scene, then leaves the program running.
//   vodari_demo_driver --vodari=<path of Vodari.exe> [--scene=NAME]
//   test      a test on the default book with its first question (default)
//   recite    recitation at one word a second, the strip showing a word
//   answer    a test after a first answer, with its feedback
//   settings  the settings panel, moved beside the main window
//   about     the About dialog, moved beside the main window
//   lookup    the lookup dialog with a word found, moved beside the main window
//   capture   screen capture on: the capture popup over a word in Notepad
#include <cstdio>
#include <cstring>
#include <string>

#include "res/resource.h"
#include "vodari_process.h"

using vodari::remote::VodariProcess;

namespace {

// Puts a dialog of the program beside the main window, where the picture
// shows both whole: to its right, else below it, else at the screen's top
// left corner, always inside the screen.
void MoveBeside(HWND main, HWND dialog) {
  RECT place = {}, size = {};
  ::GetWindowRect(main, &place);
  if (dialog && ::GetWindowRect(dialog, &size)) {
    const int width = size.right - size.left, height = size.bottom - size.top;
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    POINT at = {place.right + 8, place.top};
    if (at.x + width > screenWidth) at = {place.left, place.bottom + 8};
    if (at.y + height > screenHeight) at = {0, 0};
    ::SetWindowPos(dialog, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }
  ::Sleep(500);
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisibleWindowOf(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !::IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// Starts Notepad on `text` in a file of `folder` and puts the mouse pointer
// on `word`.
HWND ShowWordUnderPointer(const std::string& folder, const std::string& text, const std::string& word) {
  const std::string file = folder + "\\capture-example.txt";
  if (FILE* out = std::fopen(file.c_str(), "wb")) {
    std::fputs(text.c_str(), out);
    std::fclose(out);
  }
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::string commandLine = "notepad.exe \"" + file + "\"";
  if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
    return nullptr;
  ::WaitForInputIdle(info.hProcess, 10000);
  WindowSearch search{info.dwProcessId, nullptr};
  VodariProcess::WaitUntil([&] {
    ::EnumWindows(&FindVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  ::CloseHandle(info.hThread);
  ::CloseHandle(info.hProcess);
  if (!search.found) return nullptr;
  ::SetWindowPos(search.found, nullptr, 0, 150, 420, 120, SWP_NOZORDER);
  HWND edit = ::FindWindowExA(search.found, nullptr, "Edit", nullptr);
  const LRESULT place = ::SendMessageA(edit, EM_POSFROMCHAR, text.find(word) + word.size() / 2, 0);
  POINT pointer = {static_cast<short>(LOWORD(place)), static_cast<short>(HIWORD(place)) + 6};
  ::ClientToScreen(edit, &pointer);
  ::SetCursorPos(pointer.x, pointer.y);
  return search.found;
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
    if (std::strncmp(argv[i], "--vodari=", 9) == 0) vodari::remote::SetProgramPath(argv[i] + 9);
    if (std::strncmp(argv[i], "--scene=", 8) == 0) scene = argv[i] + 8;
  }
  const std::string& exe = vodari::remote::ProgramPath();
  const std::string folder = exe.substr(0, exe.find_last_of('\\'));

  VodariProcess program(folder);
  if (!program.Started()) {
    std::fprintf(stderr, "demo: cannot start %s\n", exe.c_str());
    return 1;
  }
  // A notice shows at start only when the capture library is missing: wait
  // for it or for the main window, whichever comes first.
  VodariProcess::WaitUntil(
      [&] {
        if (vodari::remote::MessageBoxInfo notice = program.WaitForMessageBox(1))
          program.PressOk(notice);
        return program.MainWindow(1) != nullptr;
      },
      20000);
  if (!program.MainWindow(1)) {
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
  } else if (scene == "lookup") {
    program.PostCommand(IDC_LOOKUP);
    HWND lookup = program.WaitForWindow("请输入你想要查询的单词");
    VodariProcess::SetTextOf(lookup, IDC_LOOKUP_INPUT, "Abandon");
    ::PostMessageA(lookup, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(lookup, IDOK)));
    VodariProcess::WaitUntil(
        [&] { return VodariProcess::TextOf(lookup, IDC_LOOKUP_RESULT).rfind("abandon ", 0) == 0; });
    MoveBeside(program.MainWindow(), lookup);
    PrintScene(lookup);
  } else if (scene == "capture") {
    program.PostCommand(IDC_SETTINGS);
    HWND panel = program.WaitForWindow("Vodari设置面板");
    ::SendMessageA(::GetDlgItem(panel, IDC_SCREEN_CAPTURE), BM_SETCHECK, BST_CHECKED, 0);
    ::PostMessageA(panel, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(panel, IDOK)));
    VodariProcess::WaitUntil([&] { return !::IsWindow(panel); });
    ::SetWindowPos(program.MainWindow(), nullptr, 440, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    HWND notepad = ShowWordUnderPointer(folder, "Vodari looks up the word under the pointer: abandon", "abandon");
    HWND popup = program.WaitForWindow("", 15000);  // the popup has no caption
    // It shows over the main window; above Notepad it paints whole.
    ::SetWindowPos(popup, nullptr, 40, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::Sleep(500);
    PrintScene(popup, notepad);
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
