// Works Vodari.exe from outside, as a user would, through window messages
// (keys pressed as a person does are real_input.h's): starts it in a working
// folder, finds its windows, message boxes and notification-area icon,
// presses its buttons. The demo driver and the end-to-end tests use it.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace vodari::remote {

// The path of Vodari.exe under test (set from the command line).
void SetProgramPath(const std::string& path);
// A path of the build as Wine shows it: a Unix path lies on drive Z:.
std::string WindowsPath(std::string path);
const std::string& ProgramPath();

// A message box of the program: its window, its caption and its text.
struct MessageBoxInfo {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  explicit operator bool() const { return window != nullptr; }
};

class VodariProcess {
 public:
  // Starts `program` (Vodari.exe under test unless given) in `workingFolder`.
  explicit VodariProcess(const std::string& workingFolder,
                         const std::string& program = ProgramPath());
  ~VodariProcess();  // ends the process if it still runs
  VodariProcess(const VodariProcess&) = delete;
  VodariProcess& operator=(const VodariProcess&) = delete;

  bool Started() const { return process_ != nullptr; }
  // Leaves the program running when this object goes.
  void Detach();

  // Waits for the program's next message box; an empty result on time-out.
  MessageBoxInfo WaitForMessageBox(DWORD timeoutMs = 10000);
  // Presses OK on a message box and waits until it has gone.
  void PressOk(const MessageBoxInfo& box);
  // Waits for a message box, checks nothing, presses OK; returns its text.
  std::string AcknowledgeMessageBox(DWORD timeoutMs = 10000);
  // True when no message box of the program shows up within `ms`.
  bool NoMessageBoxFor(DWORD ms);

  // The main window "Vodari1.3", waited for.
  HWND MainWindow(DWORD timeoutMs = 10000);
  // Posts a command to the main window, as a button or menu item would.
  void PostCommand(int id);
  // Posts a key press to a control of the main window.
  void PostKey(int controlId, WPARAM key);
  // The text of a control of the main window.
  std::string ControlText(int controlId);
  bool IsChecked(int controlId);
  // A visible top-level window of the program with this title, waited for.
  HWND WaitForWindow(const std::string& title, DWORD timeoutMs = 10000);
  // A visible top-level window of the program holding control `controlId`.
  HWND WaitForWindowWith(int controlId, DWORD timeoutMs = 10000);
  // Controls of any of the program's dialogs.
  static std::string TextOf(HWND dialog, int controlId);
  static void SetTextOf(HWND dialog, int controlId, const std::string& text);
  static bool IsCheckedIn(HWND dialog, int controlId);
  // Clicks a button as the mouse would; the click is handled later.
  static void Click(HWND dialog, int controlId);
  // The window that has the keyboard focus in the program.
  HWND FocusedWindow();
  // Whether the notification area holds the main window's icon; and deleting
  // it there, as a shell that restarts forgets it.
  bool TrayIconShown();
  bool ForgetTrayIcon();

  // Polls `done` until it is true or the time is up; returns its last value.
  template <typename Condition>
  static bool WaitUntil(Condition done, DWORD timeoutMs = 10000) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
      if (::GetTickCount() - start >= timeoutMs) return done();
      ::Sleep(20);
    }
    return true;
  }

  // Waits for the process to end; returns its exit code, or -1 on time-out.
  int WaitForExit(DWORD timeoutMs = 10000);

 private:
  std::vector<HWND> TopLevelWindows() const;

  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  HWND main_ = nullptr;
};

}  // namespace vodari::remote
