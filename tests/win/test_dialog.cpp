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

constexpr UINT kScript = WM_APP + 1;  // runs the test's script inside the loop
constexpr UINT kEndFromThread = WM_APP + 2;
constexpr UINT kSwallowed = WM_APP + 3;
constexpr UINT_PTR kWatchdogTimer = 99;
constexpr INT_PTR kWatchdogResult = -99;

// A dialog whose behaviour is given by the test: `script` runs once the
// modal loop pumps (posted from OnInit), and every call of the base is
// recorded in `events`.
class ScriptedDialog : public Dialog {
 public:
  ScriptedDialog() : Dialog(IDD_TEST) {}

  std::function<void(ScriptedDialog&)> script;
  std::function<void(UINT_PTR)> timer;
  std::vector<std::string> events;
  std::vector<HWND> keyDownTargets;
  std::vector<UINT> seenMessages;

  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message == WM_KEYDOWN) keyDownTargets.push_back(msg.hwnd);
    return Dialog::PreTranslateMessage(msg);
  }

 protected:
  bool OnInit() override {
    // A stuck loop ends the test with a recognisable result instead of
    // hanging it.
    ::SetTimer(Handle(), kWatchdogTimer, 5000, nullptr);
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
  void OnTimer(UINT_PTR timerId) override {
    if (timerId == kWatchdogTimer) {
      End(kWatchdogResult);
    } else if (timer) {
      timer(timerId);
    }
  }
  bool OnMessage(UINT msg, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& result) override {
    seenMessages.push_back(msg);
    if (msg == kScript && script) {
      script(*this);
      result = 0;
      return true;
    }
    if (msg == kEndFromThread) {
      End(5);
      return true;
    }
    return false;
  }
  void OnDestroy() override { events.push_back("destroy"); }
};

void Click(HWND dialog, int id) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// Swallows the messages kSwallowed and counts them.
struct SwallowingFilter : MessageFilter {
  SwallowingFilter() { SetMessageFilter(this); }
  ~SwallowingFilter() override { SetMessageFilter(nullptr); }
  bool Filter(MSG& msg) override {
    if (msg.message != kSwallowed) return false;
    ++swallowed;
    return true;
  }
  int swallowed = 0;
};

TEST(DialogModalLoop, ReturnsTheValueGivenToEndAndDestroysTheWindow) {
  ScriptedDialog dialog;
  HWND seen = nullptr;
  dialog.script = [&](ScriptedDialog& d) {
    seen = d.Handle();
    EXPECT_TRUE(::IsWindowVisible(d.Handle()));  // shown although the template is not visible
    EXPECT_EQ(Dialog::FromHandle(seen), &d);
    EXPECT_EQ(Dialog::FromHandle(d.Item(IDOK)), nullptr);
    EXPECT_EQ(Dialog::FromHandle(::GetDesktopWindow()), nullptr);
    d.End(1234);
  };
  EXPECT_EQ(dialog.RunModal(nullptr), 1234);
  EXPECT_EQ(dialog.Handle(), nullptr);
  EXPECT_FALSE(::IsWindow(seen));
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"destroy"}));
}

// Each way of confirming or cancelling reaches OnOK or OnCancel, including
// keys sent to a control: the loop must find the dialog from its child.
TEST(DialogModalLoop, KeysCloseBoxAndMenuCommandsReachOkAndCancel) {
  struct Case {
    const char* name;
    std::function<void(HWND)> act;
    INT_PTR result;
    const char* event;
  };
  const Case cases[] = {
      {"Esc in an edit",
       [](HWND d) { ::PostMessageA(::GetDlgItem(d, IDC_EDIT), WM_KEYDOWN, VK_ESCAPE, 0); },
       IDCANCEL, "cancel"},
      {"close box", [](HWND d) { ::PostMessageA(d, WM_CLOSE, 0, 0); }, IDCANCEL, "cancel"},
      {"menu item 2", [](HWND d) { ::PostMessageA(d, WM_COMMAND, IDCANCEL, 0); }, IDCANCEL,
       "cancel"},
      {"Cancel button", [](HWND d) { Click(d, IDCANCEL); }, IDCANCEL, "cancel"},
      {"OK button", [](HWND d) { Click(d, IDOK); }, IDOK, "ok"},
      {"Enter in an edit",
       [](HWND d) { ::PostMessageA(::GetDlgItem(d, IDC_EDIT), WM_KEYDOWN, VK_RETURN, 0); },
       IDOK, "ok"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialog dialog;
    dialog.script = [&](ScriptedDialog& d) {
      ::SetFocus(d.Item(IDC_EDIT));
      c.act(d.Handle());
    };
    EXPECT_EQ(dialog.RunModal(nullptr), c.result);
    ASSERT_FALSE(dialog.events.empty());
    EXPECT_EQ(dialog.events.front(), c.event);
  }
}

// A button acts on its click only: a radio button's double click must not
// choose an answer twice. Menu items and accelerators come without a control.
TEST(DialogModalLoop, CommandsComeFromClicksMenusAndAcceleratorsOnly) {
  ScriptedDialog dialog;
  dialog.script = [](ScriptedDialog& d) {
    HWND radio = d.Item(IDC_RADIO);
    ::PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_RADIO, BN_CLICKED),
                   reinterpret_cast<LPARAM>(radio));
    ::PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(IDC_RADIO, BN_DOUBLECLICKED),
                   reinterpret_cast<LPARAM>(radio));
    ::PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(32813, 0), 0);  // menu item
    ::PostMessageA(d.Handle(), WM_COMMAND, MAKEWPARAM(32814, 1), 0);  // accelerator
    ::SetWindowTextA(d.Item(IDC_EDIT), "x");                          // sends EN_CHANGE
    Click(d.Handle(), IDOK);
  };
  EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
  EXPECT_EQ(dialog.events,
            (std::vector<std::string>{"notify 100 768", "command 103", "notify 103 5",
                                      "command 32813", "command 32814", "ok", "destroy"}));
}

TEST(DialogModalLoop, DisablesTheOwnerWhileRunningAndEnablesItAfter) {
  ScriptedDialog owner;
  ASSERT_TRUE(owner.CreateModeless(nullptr));
  ::ShowWindow(owner.Handle(), SW_SHOW);
  HWND child = owner.Item(IDC_EDIT);

  ScriptedDialog dialog;
  bool ownerEnabledInside = true;
  dialog.script = [&](ScriptedDialog& d) {
    ownerEnabledInside = ::IsWindowEnabled(owner.Handle()) != FALSE;
    d.End(IDOK);
  };
  // A control as owner stands for its top-level window.
  EXPECT_EQ(dialog.RunModal(child), IDOK);
  EXPECT_FALSE(ownerEnabledInside);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
  EXPECT_EQ(::GetActiveWindow(), owner.Handle());

  // An owner that was disabled already is left disabled for whoever did it.
  ::EnableWindow(owner.Handle(), FALSE);
  ScriptedDialog second;
  second.script = [](ScriptedDialog& d) { d.End(IDOK); };
  EXPECT_EQ(second.RunModal(owner.Handle()), IDOK);
  EXPECT_FALSE(::IsWindowEnabled(owner.Handle()));
  owner.Destroy();
}

TEST(DialogModalLoop, ModalDialogsNest) {
  ScriptedDialog outer;
  ScriptedDialog inner;
  INT_PTR innerResult = 0;
  bool outerEnabledDuringInner = true;
  bool outerEnabledAfterInner = false;
  inner.script = [&](ScriptedDialog& d) {
    outerEnabledDuringInner = ::IsWindowEnabled(outer.Handle()) != FALSE;
    Click(d.Handle(), IDOK);
  };
  outer.script = [&](ScriptedDialog& d) {
    innerResult = inner.RunModal(d.Handle());
    outerEnabledAfterInner = ::IsWindowEnabled(d.Handle()) != FALSE;
    // The outer loop goes on after the inner one ended.
    Click(d.Handle(), IDCANCEL);
  };
  EXPECT_EQ(outer.RunModal(nullptr), IDCANCEL);
  EXPECT_EQ(innerResult, IDOK);
  EXPECT_FALSE(outerEnabledDuringInner);
  EXPECT_TRUE(outerEnabledAfterInner);
  EXPECT_EQ(outer.events, (std::vector<std::string>{"cancel", "destroy"}));
  EXPECT_EQ(inner.events, (std::vector<std::string>{"ok", "destroy"}));
}

TEST(DialogModalLoop, QuitEndsEveryLoopAndStaysQueued) {
  ScriptedDialog outer;
  ScriptedDialog inner;
  INT_PTR innerResult = 0;
  inner.script = [](ScriptedDialog&) { ::PostQuitMessage(3); };
  outer.script = [&](ScriptedDialog& d) { innerResult = inner.RunModal(d.Handle()); };
  EXPECT_EQ(outer.RunModal(nullptr), IDCANCEL);
  EXPECT_EQ(innerResult, IDCANCEL);
  EXPECT_EQ(outer.Handle(), nullptr);
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

// End inside a sent message: GetMessage handles sent messages without
// returning, so the loop must be woken, or it sleeps until the next posted
// message (here only the watchdog's timer, 5 s later).
TEST(DialogModalLoop, EndInsideASentMessageStopsTheLoopAtOnce) {
  ScriptedDialog dialog;
  std::thread sender;
  dialog.script = [&](ScriptedDialog& d) {
    HWND hwnd = d.Handle();
    sender = std::thread([hwnd] {
      ::Sleep(300);  // the loop is idle by then
      ::SendMessageA(hwnd, kEndFromThread, 0, 0);
    });
  };
  EXPECT_EQ(dialog.RunModal(nullptr), 5);
  sender.join();
}

TEST(DialogModalLoop, FilterSeesMessagesFirstAndMayConsumeThem) {
  SwallowingFilter filter;
  ScriptedDialog dialog;
  HWND edit = nullptr;
  dialog.script = [&](ScriptedDialog& d) {
    edit = d.Item(IDC_OTHER_EDIT);
    ::PostMessageA(d.Handle(), kSwallowed, 0, 0);
    ::PostMessageA(d.Item(IDC_EDIT), kSwallowed, 0, 0);
    ::PostMessageA(edit, WM_KEYDOWN, 'A', 0);  // reaches the dialog's pre-translation
    Click(d.Handle(), IDOK);
  };
  EXPECT_EQ(dialog.RunModal(nullptr), IDOK);
  EXPECT_EQ(filter.swallowed, 2);
  for (UINT msg : dialog.seenMessages) EXPECT_NE(msg, kSwallowed);
  EXPECT_EQ(dialog.keyDownTargets, (std::vector<HWND>{edit}));
}

TEST(Dialog, ItemHelpersKeepGbkTextWhole) {
  ScriptedDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  // Longer than any fixed buffer a helper might use, with double-byte text.
  std::string text = "books\\用户自定义字典";
  while (text.size() < 600) text += "单词本";
  dialog.SetItemText(IDC_EDIT, text);
  EXPECT_EQ(dialog.ItemText(IDC_EDIT), text);
  dialog.SetItemText(IDC_EDIT, "");
  EXPECT_EQ(dialog.ItemText(IDC_EDIT), "");
  EXPECT_EQ(dialog.ItemText(4711), "");  // no such control

  dialog.SetItemInt(IDC_EDIT, -12);
  EXPECT_EQ(dialog.ItemText(IDC_EDIT), "-12");
  dialog.Destroy();
}

// Colour requests must be answered with the brush as the procedure's own
// result (not through DWLP_MSGRESULT), or the system grey shows through.
TEST(Dialog, ColourRequestsGetTheProgramColours) {
  const COLORREF paper = RGB(255, 255, 254);
  const COLORREF ink = RGB(1, 0, 0);
  SetDialogColours(paper, ink);
  ScriptedDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND label = ::GetWindow(dialog.Handle(), GW_CHILD);
  HDC dc = ::GetDC(label);
  ::SetBkColor(dc, RGB(9, 9, 9));
  ::SetTextColor(dc, RGB(9, 9, 9));

  auto brush = reinterpret_cast<HBRUSH>(::SendMessageA(dialog.Handle(), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(label)));
  ASSERT_NE(brush, nullptr);
  LOGBRUSH description = {};
  ::GetObjectA(brush, sizeof description, &description);
  EXPECT_EQ(description.lbColor, paper);
  EXPECT_EQ(::GetBkColor(dc), paper);
  EXPECT_EQ(::GetTextColor(dc), ink);

  // Editable edits keep the system's look.
  EXPECT_EQ(::SendMessageA(dialog.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(dialog.Item(IDC_EDIT))),
            ::DefWindowProcA(dialog.Handle(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(dialog.Item(IDC_EDIT))));
  ::ReleaseDC(label, dc);
  dialog.Destroy();
}

}  // namespace
}  // namespace win
