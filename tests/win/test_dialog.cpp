// The dialog base's own modal loop, message routing and command mapping, on
// a real window. Runs on Windows or Wine with a display.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "test_resources.h"
#include "win/dialog.h"

namespace win {
namespace {

constexpr UINT kScript = WM_APP + 1;     // runs the test's script inside the loop
constexpr UINT kSwallowed = WM_APP + 2;  // for the message filter only

// A dialog whose behaviour is given by the test: `script` runs once the
// modal loop pumps, and the calls of the base are recorded in `events`.
class ScriptedDialog : public Dialog {
 public:
  ScriptedDialog() : Dialog(IDD_TEST) {}

  std::function<void(ScriptedDialog&)> script;
  std::vector<std::string> events;

 protected:
  bool OnInit() override {
    // A stuck loop ends the test with -99 after 5 s instead of hanging it.
    ::SetTimer(Handle(), 1, 5000, nullptr);
    ::PostMessageA(Handle(), kScript, 0, 0);
    return true;
  }
  bool OnCommand(int id) override {
    events.push_back("command " + std::to_string(id));
    return true;
  }
  bool OnNotify(int id, int code, HWND /*control*/) override {
    if (code == EN_CHANGE || code == BN_DOUBLECLICKED)
      events.push_back("notify " + std::to_string(id) + " " + std::to_string(code));
    return true;
  }
  void OnOK() override {
    events.push_back("ok");
    Dialog::OnOK();
  }
  void OnCancel() override {
    events.push_back("cancel");
    Dialog::OnCancel();
  }
  void OnTimer(UINT_PTR /*timerId*/) override { End(-99); }
  bool OnMessage(UINT msg, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) override {
    EXPECT_NE(msg, kSwallowed);
    if (msg == kScript) script(*this);
    return msg == kScript;
  }
  void OnDestroy() override { events.push_back("destroy"); }
};

void Click(HWND dialog, int id) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// Swallows the messages kSwallowed and counts them.
struct SwallowingFilter : MessageFilter {
  bool Filter(MSG& msg) override {
    if (msg.message != kSwallowed) return false;
    ++swallowed;
    return true;
  }
  int swallowed = 0;
};

// The loop shows the dialog and ends it by End, by keys sent to a control (it
// must find the dialog from its child) and by the close box. End inside a
// sent message (here OK from another thread) must wake the loop: GetMessage
// handles sent messages without returning, and the loop would sleep until
// the next posted message (here only the 5 s timer that ends it with -99). A button acts on
// its click only: a radio button's double click must not choose an answer
// twice. Menu items and accelerators come without a control. The application
// filter sees every message before the dialog's pre-translation, which would
// dispatch it, and may consume it: the dialog never sees kSwallowed.
TEST(DialogModalLoop, EndsByEndOkOrCancelAndMapsCommandsByNotificationCode) {
  struct Case {
    const char* name;
    std::function<void(ScriptedDialog&)> act;
    INT_PTR result;
    std::vector<std::string> events;
  };
  const auto key = [](WPARAM vk) {
    return [vk](ScriptedDialog& d) { ::PostMessageA(d.Item(IDC_EDIT), WM_KEYDOWN, vk, 0); };
  };
  const auto commands = [](ScriptedDialog& d) {
    const auto radio = reinterpret_cast<LPARAM>(d.Item(IDC_RADIO));
    ::PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_RADIO, BN_CLICKED), radio);
    ::PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_RADIO, BN_DOUBLECLICKED), radio);
    ::PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(32813, 0), 0);  // menu item
    ::PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(32814, 1), 0);  // accelerator
    ::SetWindowTextA(d.Item(IDC_EDIT), "x");                          // sends EN_CHANGE
    ::PostMessageA(d.Handle(), kSwallowed, 0, 0);
    ::PostMessageA(d.Item(IDC_EDIT), kSwallowed, 0, 0);
    Click(d.Handle(), IDOK);
  };
  std::thread sender;
  const auto okFromThread = [&sender](ScriptedDialog& d) {
    ::SetFocus(d.Item(IDOK));  // no caret, whose blinking would wake the loop
    sender = std::thread([hwnd = d.Handle()] {
      ::Sleep(300);  // the loop is idle by then
      ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
    });
  };
  const auto closeBox = [](ScriptedDialog& d) { ::PostMessageA(d.Handle(), WM_CLOSE, 0, 0); };
  const Case cases[] = {
      {"End", [](ScriptedDialog& d) { d.End(1234); }, 1234, {"destroy"}},
      {"Esc in an edit", key(VK_ESCAPE), IDCANCEL, {"cancel", "destroy"}},
      {"Enter in an edit", key(VK_RETURN), IDOK, {"ok", "destroy"}},
      {"close box", closeBox, IDCANCEL, {"cancel", "destroy"}},
      {"OK sent from another thread", okFromThread, IDOK, {"ok", "destroy"}},
      {"commands, filtered messages",
       commands,
       IDOK,
       {"notify 100 768", "command 103", "notify 103 5", "command 32813", "command 32814", "ok",
        "destroy"}},
  };
  SwallowingFilter filter;
  SetMessageFilter(&filter);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialog dialog;
    HWND hwnd = nullptr;
    dialog.script = [&](ScriptedDialog& d) {
      hwnd = d.Handle();
      EXPECT_TRUE(::IsWindowVisible(hwnd));  // the template is not visible
      ::SetFocus(d.Item(IDC_EDIT));
      c.act(d);
    };
    EXPECT_EQ(dialog.RunModal(nullptr), c.result);
    EXPECT_EQ(dialog.events, c.events);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(dialog.Handle(), nullptr);
  }
  sender.join();
  SetMessageFilter(nullptr);
  EXPECT_EQ(filter.swallowed, 2);
}

// A loop disables the top-level window of its owner and gives it back, active,
// unless it was disabled already (by an outer loop); the outer loop goes on.
// WM_QUIT ends every loop and stays queued for the outermost one.
TEST(DialogModalLoop, NestedLoopsDisableTheirOwnerAndQuitEndsThemAll) {
  ScriptedDialog outer, inner, second, quitting;
  inner.script = [&](ScriptedDialog& d) {
    EXPECT_FALSE(::IsWindowEnabled(outer.Handle()));
    Click(d.Handle(), IDOK);
  };
  second.script = [](ScriptedDialog& d) { d.End(7); };
  quitting.script = [](ScriptedDialog&) { ::PostQuitMessage(3); };
  outer.script = [&](ScriptedDialog& d) {
    EXPECT_EQ(inner.RunModal(d.Item(IDC_EDIT)), IDOK);
    EXPECT_TRUE(::IsWindowEnabled(d.Handle()));
    EXPECT_EQ(::GetActiveWindow(), d.Handle());
    ::EnableWindow(d.Handle(), FALSE);
    EXPECT_EQ(second.RunModal(d.Handle()), 7);
    EXPECT_FALSE(::IsWindowEnabled(d.Handle()));
    ::EnableWindow(d.Handle(), TRUE);
    EXPECT_EQ(quitting.RunModal(d.Handle()), IDCANCEL);
  };
  EXPECT_EQ(outer.RunModal(nullptr), IDCANCEL);
  EXPECT_EQ(inner.events, (std::vector<std::string>{"ok", "destroy"}));
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

// Colour requests must be answered with the brush as the procedure's own
// result (not through DWLP_MSGRESULT), or the system grey shows through.
// Editable edits keep the system's look.
TEST(Dialog, ColourRequestsGetTheProgramColours) {
  const COLORREF paper = RGB(255, 255, 254), ink = RGB(1, 0, 0);
  SetDialogColours(paper, ink);
  ScriptedDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND label = ::GetWindow(dialog.Handle(), GW_CHILD);
  HDC dc = ::GetDC(label);
  const auto request = [&](UINT msg, HWND control) {
    return ::SendMessageA(dialog.Handle(), msg, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  };
  LOGBRUSH brush = {};
  ASSERT_TRUE(::GetObjectA(reinterpret_cast<HBRUSH>(request(WM_CTLCOLORSTATIC, label)),
                           sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, paper);
  EXPECT_EQ(::GetBkColor(dc), paper);
  EXPECT_EQ(::GetTextColor(dc), ink);
  EXPECT_EQ(request(WM_CTLCOLOREDIT, dialog.Item(IDC_EDIT)),
            ::DefWindowProcA(dialog.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(dialog.Item(IDC_EDIT))));
  ::ReleaseDC(label, dc);
}

}  // namespace
}  // namespace win
