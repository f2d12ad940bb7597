// A window of ours driven by a C++ object: an existing window (a dialog's
// control) subclassed in place. Its messages reach the virtual WindowProc;
// what that leaves goes on to the control's own procedure.
//
// Controls that want their parent's notifications about them (the click of a
// static, the colour request) get them back through ReflectToControl, which
// our dialog base calls for every such message; a control of ours also takes
// part in the pre-translation of the messages sent to it.
#pragma once

#include <windows.h>

namespace win {

class Window {
 public:
  Window() = default;
  // Gives the window back its own procedure.
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Takes over the messages of an existing window of this program.
  bool Subclass(HWND hwnd);

  HWND Handle() const { return hwnd_; }

  // The object of a window of ours, or nullptr.
  static Window* FromHandle(HWND hwnd);

  // Called for every message that one of our loops takes from the queue for
  // this window, before the dialog's pre-translation. Returning true
  // consumes the message.
  virtual bool PreTranslateMessage(MSG& /*msg*/) { return false; }

  // A message about this control that its parent reflected back: WM_COMMAND
  // with the control's notification code, or a WM_CTLCOLOR* request. Return
  // true with `result` set when handled; the parent then does no more.
  virtual bool OnReflectedMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                  LRESULT& /*result*/) {
    return false;
  }

 protected:
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return Default(msg, wParam, lParam);
  }
  // The window's own handling of a message.
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Bind(HWND hwnd);
  // Forgets the window: removes the binding and restores the procedure.
  void Unbind();

  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;
};

// True for a window of this process: only those can be objects of ours (the
// window properties that tie a window to its object are per process).
bool IsWindowOfThisProcess(HWND hwnd);

// Offers a message that a parent received about one of its controls
// (WM_COMMAND from a control, WM_CTLCOLOR*) to that control, when it is a
// window of ours. True when the control handled it, with `result` set.
bool ReflectToControl(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace win
