#include "win/dialog.h"

#include <vector>

#include "win/window.h"

namespace win {
namespace {

// The window property that ties a dialog window to its object. A property,
// not DWLP_USER: message boxes and other dialogs of the system use that slot.
const char kDialogProperty[] = "win.Dialog";

// The application-wide filter. Global because it stands for the one
// pre-translation hook of the whole thread, as the platform's own loops have.
MessageFilter* g_messageFilter = nullptr;

// The colours set by SetDialogColours, with the brush that paints the
// background. Global like the filter: one look for the whole program.
struct DialogColours {
  COLORREF background = 0;
  COLORREF text = 0;
  HBRUSH brush = nullptr;
  ~DialogColours() {
    if (brush != nullptr) ::DeleteObject(brush);
  }
};
DialogColours g_dialogColours;

bool IsColourRequest(UINT msg) {
  return msg == WM_CTLCOLORDLG || msg == WM_CTLCOLORSTATIC || msg == WM_CTLCOLORBTN ||
         msg == WM_CTLCOLORSCROLLBAR;
}

// Answers a colour request with the program's dialog colours; null when none
// are set, so that the system colours apply.
HBRUSH ApplyDialogColours(HDC dc) {
  if (g_dialogColours.brush == nullptr || dc == nullptr) return nullptr;
  ::SetBkColor(dc, g_dialogColours.background);
  ::SetTextColor(dc, g_dialogColours.text);
  return g_dialogColours.brush;
}

// Dialog messages whose result is the procedure's return value itself rather
// than DWLP_MSGRESULT (the same list as SetDlgMsgResult of <windowsx.h>).
bool ReturnsResultDirectly(UINT msg) {
  switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

// The nearest of our dialogs that `hwnd` is, or lies inside.
Dialog* OwningDialog(HWND hwnd) {
  while (hwnd != nullptr) {
    if (Dialog* dialog = Dialog::FromHandle(hwnd)) return dialog;
    if ((::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) == 0) break;
    hwnd = ::GetParent(hwnd);
  }
  return nullptr;
}

}  // namespace

void SetMessageFilter(MessageFilter* filter) { g_messageFilter = filter; }

void DragByClientArea(HWND window, LPARAM position) {
  ::PostMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, position);
}

void SetDialogColours(COLORREF background, COLORREF text) {
  HBRUSH brush = ::CreateSolidBrush(background);
  if (brush == nullptr) return;
  if (g_dialogColours.brush != nullptr) ::DeleteObject(g_dialogColours.brush);
  g_dialogColours.brush = brush;
  g_dialogColours.background = background;
  g_dialogColours.text = text;
}

void RouteMessage(MSG& msg) {
  if (g_messageFilter != nullptr && g_messageFilter->Filter(msg)) return;
  Window* window = Window::FromHandle(msg.hwnd);
  if (window != nullptr && window->PreTranslateMessage(msg)) return;
  Dialog* dialog = OwningDialog(msg.hwnd);
  if (dialog != nullptr && dialog->PreTranslateMessage(msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageA(&msg);
}

Dialog::~Dialog() {
  if (hwnd_ == nullptr) return;
  // The derived part is gone already: detach first, so that the messages of
  // the destruction no longer reach this object.
  HWND hwnd = hwnd_;
  ::RemovePropA(hwnd, kDialogProperty);
  hwnd_ = nullptr;
  ::DestroyWindow(hwnd);
}

INT_PTR Dialog::RunModal(HWND owner) {
  if (hwnd_ != nullptr) return -1;
  if (owner != nullptr) owner = ::GetAncestor(owner, GA_ROOT);

  modal_ = true;
  ended_ = false;
  result_ = IDCANCEL;
  // EnableWindow returns nonzero when the window was disabled already; such
  // an owner (another modal loop's) is left for its own loop to enable.
  const bool ownerDisabledHere = owner != nullptr && !::EnableWindow(owner, FALSE);

  ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                       DialogProc, reinterpret_cast<LPARAM>(this));
  if (hwnd_ == nullptr) {
    if (ownerDisabledHere) ::EnableWindow(owner, TRUE);
    modal_ = false;
    return ended_ ? result_ : -1;
  }
  if (!ended_) ::ShowWindow(hwnd_, SW_SHOW);

  MSG msg;
  while (!ended_ && hwnd_ != nullptr) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // WM_QUIT belongs to the outermost loop: leave it in the queue for it.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    RouteMessage(msg);
  }

  // The owner is enabled before the dialog goes, so that the system hands the
  // activation back to it rather than to some other program.
  if (ownerDisabledHere) ::EnableWindow(owner, TRUE);
  if (hwnd_ != nullptr) {
    if (owner != nullptr && ::GetActiveWindow() == hwnd_ && ::IsWindowVisible(owner))
      ::SetActiveWindow(owner);
    ::DestroyWindow(hwnd_);
  }
  modal_ = false;
  return result_;
}

bool Dialog::CreateModeless(HWND owner) {
  if (hwnd_ != nullptr) return true;
  modal_ = false;
  ended_ = false;
  ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                       DialogProc, reinterpret_cast<LPARAM>(this));
  return hwnd_ != nullptr;
}

void Dialog::End(INT_PTR result) {
  result_ = result;
  if (!modal_) {
    Destroy();
    return;
  }
  ended_ = true;
  // End may run inside a sent message, which GetMessage handles without
  // returning; a posted message lets the loop see the flag at once.
  if (hwnd_ != nullptr) ::PostMessageA(hwnd_, WM_NULL, 0, 0);
}

void Dialog::Destroy() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

Dialog* Dialog::FromHandle(HWND hwnd) {
  if (!IsWindowOfThisProcess(hwnd)) return nullptr;
  return static_cast<Dialog*>(::GetPropA(hwnd, kDialogProperty));
}

void Dialog::SetItemText(int id, const std::string& text) const {
  ::SetDlgItemTextA(hwnd_, id, text.c_str());
}

std::string Dialog::ItemText(int id) const {
  HWND item = Item(id);
  if (item == nullptr) return std::string();
  std::vector<char> buffer(static_cast<size_t>(::GetWindowTextLengthA(item)) + 1);
  const int length = ::GetWindowTextA(item, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
}

void Dialog::SetItemInt(int id, int value) const { ::SetDlgItemInt(hwnd_, id, value, TRUE); }

void Dialog::CheckButton(int id, bool checked) const {
  ::CheckDlgButton(hwnd_, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool Dialog::IsButtonChecked(int id) const {
  return ::IsDlgButtonChecked(hwnd_, id) == BST_CHECKED;
}

void Dialog::EnableItem(int id, bool enable) const { ::EnableWindow(Item(id), enable); }

LRESULT Dialog::SendItemMessage(int id, UINT msg, WPARAM wParam, LPARAM lParam) const {
  return ::SendDlgItemMessageA(hwnd_, id, msg, wParam, lParam);
}

bool Dialog::PreTranslateMessage(MSG& msg) {
  return hwnd_ != nullptr && ::IsDialogMessageA(hwnd_, &msg);
}

bool Dialog::OnCommand(int /*id*/) { return false; }

bool Dialog::OnNotify(int /*id*/, int /*notifyCode*/, HWND /*control*/) { return false; }

bool Dialog::OnMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) {
  return false;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    ::SetPropA(hwnd, kDialogProperty, self);
    self->hwnd_ = hwnd;
  } else {
    self = FromHandle(hwnd);
  }
  // Messages before WM_INITDIALOG (WM_SETFONT, creation) get the default.
  if (self == nullptr) return FALSE;
  return self->HandleMessage(msg, wParam, lParam);
}

INT_PTR Dialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  // A control of ours that wants its own notification or colour request
  // handles it, and the dialog does no more.
  LRESULT reflected = 0;
  if (ReflectToControl(msg, wParam, lParam, reflected))
    return msg == WM_COMMAND ? TRUE : static_cast<INT_PTR>(reflected);

  switch (msg) {
    case WM_INITDIALOG:
      return OnInit() ? TRUE : FALSE;

    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      const int code = HIWORD(wParam);
      HWND control = reinterpret_cast<HWND>(lParam);
      // Menu items and accelerators come without a control; from a control
      // only a click (BN_CLICKED, STN_CLICKED) is a command. A radio
      // button's double click is a notification of its own and must not
      // choose an answer twice. Esc and the close box arrive as a click of
      // IDCANCEL.
      if (control != nullptr && code != BN_CLICKED)
        return OnNotify(id, code, control) ? TRUE : FALSE;
      if (id == IDOK) {
        OnOK();
        return TRUE;
      }
      if (id == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
      return OnCommand(id) ? TRUE : FALSE;
    }

    case WM_TIMER:
      OnTimer(static_cast<UINT_PTR>(wParam));
      return FALSE;

    case WM_DESTROY: {
      OnDestroy();
      ::RemovePropA(hwnd_, kDialogProperty);
      hwnd_ = nullptr;
      return FALSE;
    }

    default: {
      LRESULT result = 0;
      if (!OnMessage(msg, wParam, lParam, result)) {
        if (IsColourRequest(msg))
          return reinterpret_cast<INT_PTR>(ApplyDialogColours(reinterpret_cast<HDC>(wParam)));
        return FALSE;
      }
      if (ReturnsResultDirectly(msg)) return static_cast<INT_PTR>(result);
      ::SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
      return TRUE;
    }
  }
}

}  // namespace win
