#include "app/drill_dlg.h"

#include <ctime>
#include <utility>

#include "app/about_dlg.h"
#include "app/settings_dlg.h"
#include "books/catalogue.h"
#include "capture/capture_binding.h"
#include "capture/capture_rules.h"
#include "lookup/lookup_dlg.h"
#include "res/resource.h"

namespace vodari {
namespace {

constexpr UINT_PTR kIdleTimer = 2;
constexpr UINT kIdleTickMs = 100;

// The speed menu's commands in the order of their seconds, 1 to 10 (the
// item for 9 seconds has the id after the one for 10).
constexpr int kIntervalCommands[] = {ID_INTERVAL_1, ID_INTERVAL_2, ID_INTERVAL_3, ID_INTERVAL_4,
                                     ID_INTERVAL_5, ID_INTERVAL_6, ID_INTERVAL_7, ID_INTERVAL_8,
                                     ID_INTERVAL_9, ID_INTERVAL_10};

}  // namespace

CDrillDlg::CDrillDlg(HINSTANCE instance)
    : win::Dialog(IDD_MAIN),
      instance_(instance),
      icon_(::LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAIN))) {}

bool CDrillDlg::OnInit() {
  SetItemText(IDC_BOOK_TITLE, view_.ShownTitle());
  AddAboutItemToSystemMenu();
  ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  AttachMenuBar();

  if (!state_.Initialise(static_cast<std::uint32_t>(std::time(nullptr)))) ::ExitProcess(1);

  ::SetTimer(Handle(), kIdleTimer, kIdleTickMs, nullptr);
  if (NHD_InitGetWords(instance_, Handle()))
    capturePopup_ = std::make_unique<CCapturePopup>(Handle());
  else
    view_.ShowMessage("NHD_InitGetWords error.");
  return true;
}

void CDrillDlg::AddAboutItemToSystemMenu() {
  char text[256] = {};
  ::LoadStringA(instance_, IDS_ABOUT_ITEM, text, sizeof text);
  HMENU systemMenu = ::GetSystemMenu(Handle(), FALSE);
  if (systemMenu && text[0]) {
    ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUT_ITEM, text);
  }
}

void CDrillDlg::AttachMenuBar() {
  menuBar_ = win::Menu::Load(IDR_MENU_BAR);
  RECT before;
  ::GetClientRect(Handle(), &before);
  ::SetMenu(Handle(), menuBar_.Get());
  // The menu bar takes its height from the client area; give it back, so
  // the bottom row of controls is not cut off.
  RECT after, window;
  ::GetClientRect(Handle(), &after);
  ::GetWindowRect(Handle(), &window);
  ::SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top + (before.bottom - after.bottom),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CDrillDlg::PreTranslateMessage(MSG& msg) {
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN) return true;
  if (msg.message == WM_KEYDOWN || msg.message == WM_MOUSEMOVE) idle_.Restart();
  return win::Dialog::PreTranslateMessage(msg);
}

bool CDrillDlg::OnCommand(int id) {
  switch (id) {
    case IDC_START_TEST:
      test_.StartTest();
      return true;
    case IDC_END_TEST:
      test_.EndTest();
      return true;
    case IDC_ANSWER_A:
    case IDC_ANSWER_B:
    case IDC_ANSWER_C:
    case IDC_ANSWER_D:
      test_.ChooseAnswer(id - IDC_ANSWER_A);
      return true;
    case IDC_ABOUT:
      ShowAbout();
      return true;
    case IDC_LOOKUP: {
      CLookupDlg lookup;
      lookup.RunModal(Handle());
      return true;
    }
    case IDC_SETTINGS:
    case IDC_RECITE_SETTINGS:
      EditSettings();
      return true;
    case IDC_RECITE:
      recitation_.ToggleRecitation();
      return true;
    case IDC_MINIMISE:
      tray_.MinimiseToTray();
      return true;
    case ID_TOGGLE_MAIN_WINDOW:
    case ID_SHOW_MAIN_WINDOW:
      tray_.ToggleMainWindow();
      return true;
    default:
      break;
  }
  for (int seconds = 1; seconds <= 10; ++seconds) {
    if (id == kIntervalCommands[seconds - 1]) {
      recitation_.SetReciteInterval(seconds);
      return true;
    }
  }
  if (const CatalogueBook* book = FindCatalogueBook(id)) {
    test_.ChooseBook(book->file);
    return true;
  }
  return false;
}

void CDrillDlg::EditSettings() {
  const std::string previousPath = state_.options.bookPath;
  CSettingsDlg panel;
  panel.fields = FieldsFromOptions(state_.options);
  const INT_PTR result = panel.RunModal(Handle());
  if (result == IDCANCEL) return;
  // A panel that could not open at all still reloads the book and restarts
  // the test, with the options as they were.
  test_.ApplySettings(result == IDOK ? std::optional<SettingsFields>(panel.fields) : std::nullopt,
                      previousPath);
}

void CDrillDlg::ShowAbout() {
  CAboutDlg about;
  about.RunModal(Handle());
}

void CDrillDlg::CloseWithSummary() {
  tray_.RemoveIcon();
  test_.ShowRunSummary();
  state_.CloseHistoryBooks();
  End(IDCANCEL);
}

void CDrillDlg::OnTimer(UINT_PTR timerId) {
  if (timerId == kIdleTimer)
    idle_.Tick();
  else
    recitation_.ReciteTick();
}

bool CDrillDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (msg == taskbarCreated_ && msg != 0) {
    tray_.OnShellRestart();
    return false;
  }
  switch (msg) {
    case WM_LBUTTONDOWN:
      win::DragByClientArea(Handle(), lParam);
      return false;
    case WM_RBUTTONDOWN:
      tray_.ShowMainMenu();
      return false;
    case WM_SYSCOMMAND:
      // The About item; every other system command gets the default.
      if ((wParam & 0xFFF0) != IDM_ABOUT_ITEM) return false;
      ShowAbout();
      result = 0;
      return true;
    case WM_CAPTURE_DONE:
      OnCaptureDone();
      return true;
    case WM_TRAY_CALLBACK:
      tray_.OnTrayCallback(static_cast<UINT>(lParam));
      return true;
    case WM_RECORD_SHOWN_WORD:
      recitation_.RecordShownWord();
      return true;
    case WM_PAINT:
      return PaintMinimised();
    case WM_QUERYDRAGICON:
      result = reinterpret_cast<LRESULT>(icon_);
      return true;
    default:
      return false;
  }
}

void CDrillDlg::OnDestroy() {
  CaptureShutdown();
  ::SetMenu(Handle(), nullptr);
  menuBar_.Reset();
}

void CDrillDlg::OnCaptureDone() {
  if (!capturePopup_) return;
  if (!state_.options.screenCapture) {
    capturePopup_->Hide();
    return;
  }
  char text[256];
  if (!CaptureTakeText(text, sizeof text)) return;  // 256 bytes or more
  // Blank space, or a text that begins where a word ends: nothing to show.
  std::string word = CutCapturedWord(text);
  if (word.empty()) return;
  capturedWord_ = std::move(word);
  capturePopup_->ShowCapture(capturedWord_, captureByKey_);
  // Refresh the bound controls from the fields; the title stays as shown.
  SetItemText(IDC_BOOK_TITLE, view_.ShownTitle());
}

bool CDrillDlg::PaintMinimised() {
  if (!::IsIconic(Handle())) return false;
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(Handle(), &paint);
  ::SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  ::GetClientRect(Handle(), &client);
  const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc, x, y, icon_);
  ::EndPaint(Handle(), &paint);
  return true;
}

}  // namespace vodari
