// A small dialog base in the manner of 7-Zip's window layer: it holds the
// window handle, offers helpers keyed by control id, and turns messages into
// virtual calls. Dialogs come from resource templates of the module.
//
// Modal dialogs run on our own loop, not the system's internal dialog loop,
// so that the application's message filter sees every message of every
// dialog loop of the program (see SetMessageFilter).
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The application-wide filter: sees first every message that one of our
// loops takes from the queue. Returning true consumes the message.
class MessageFilter {
 public:
  virtual ~MessageFilter() = default;
  virtual bool Filter(MSG& msg) = 0;
};
// Installs `filter` (null removes it); it must outlive its installation.
void SetMessageFilter(MessageFilter* filter);

// Lets the system move `window` as if its caption were dragged: the handler
// of a left-button press on a window without a caption. `position` is the
// press's client position as the message carried it.
void DragByClientArea(HWND window, LPARAM position);

// The colours of every dialog of ours: the dialog's background, and the
// background and text of its statics, buttons, scroll bars and read-only or
// disabled edits (the requests WM_CTLCOLORDLG, WM_CTLCOLORSTATIC,
// WM_CTLCOLORBTN and WM_CTLCOLORSCROLLBAR). Until this is called the system
// colours apply; a dialog that answers one of these requests in OnMessage
// keeps its own answer. Message boxes are not ours and keep the system look.
void SetDialogColours(COLORREF background, COLORREF text);

// Routes one queued message the way all our loops do: the application
// filter, then the pre-translation of the message's window when it is a
// win::Window of ours, then that of the dialog the window belongs to, then
// translation and dispatch. The dialog hands its controls' notifications and
// colour requests back to them first (win::ReflectToControl).
void RouteMessage(MSG& msg);

class Dialog {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally on our own loop: disables the owner (the
  // top-level window of `owner`), creates and shows the dialog, pumps messages
  // through RouteMessage until End is called, then re-enables and activates
  // the owner and destroys the dialog. Loops nest: a modal dialog may run
  // another. Returns the value given to End; IDCANCEL when the loop stopped
  // for WM_QUIT (which is posted again for the outer loops) or because the
  // window was destroyed from elsewhere; -1 when the dialog could not be
  // created.
  INT_PTR RunModal(HWND owner);
  // Creates the dialog modeless (it shows itself when its template says so).
  // Returns true at once when the window exists already.
  bool CreateModeless(HWND owner);
  // Ends a modal dialog with `result`; a modeless one is destroyed.
  void End(INT_PTR result);
  void Destroy();

  HWND Handle() const { return hwnd_; }

  // The dialog object of a window of ours, or nullptr.
  static Dialog* FromHandle(HWND hwnd);

  // Helpers keyed by control id.
  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
  void SetItemText(int id, const std::string& text) const;
  std::string ItemText(int id) const;
  void SetItemInt(int id, int value) const;
  void CheckButton(int id, bool checked) const;
  bool IsButtonChecked(int id) const;
  void EnableItem(int id, bool enable) const;
  LRESULT SendItemMessage(int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;

  // Pre-translation of messages for this dialog and its controls. The default
  // runs the dialog navigation (IsDialogMessage). Returning true consumes the
  // message.
  virtual bool PreTranslateMessage(MSG& msg);

 protected:
  // Called once the controls exist. Return false when the focus was set.
  virtual bool OnInit() { return true; }
  // A command: a menu item, an accelerator, or the click of a button or a
  // notifying static. Return true when handled.
  virtual bool OnCommand(int id);
  // Any other notification of a control (an edit's change, a radio button's
  // double click). Return true when handled.
  virtual bool OnNotify(int id, int notifyCode, HWND control);
  virtual void OnOK() { End(IDOK); }
  virtual void OnCancel() { End(IDCANCEL); }
  virtual void OnTimer(UINT_PTR /*timerId*/) {}
  // Every other message; return true with `result` set when handled.
  virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  // Called when the window is being destroyed.
  virtual void OnDestroy() {}

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  int templateId_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;
  INT_PTR result_ = 0;
};

}  // namespace win
