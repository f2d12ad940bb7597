#include "app/drill_dlg.h"

#include <mmsystem.h>
#include <shellapi.h>

#include <ctime>

#include "app/settings_dlg.h"
#include "books/catalogue.h"
#include "capture/capture_binding.h"
#include "res/resource.h"
#include "win/message_box.h"

namespace vodari {
namespace {

constexpr UINT_PTR kIdleTimer = 2;
constexpr UINT kIdleTickMs = 100;
constexpr UINT kTrayIconId = 10;
constexpr DWORD kClassicNotifyIconSize = 88;  // the first NOTIFYICONDATA layout

}  // namespace

CDrillDlg::CDrillDlg(HINSTANCE instance)
    : win::Dialog(IDD_MAIN),
      instance_(instance),
      icon_(::LoadIconA(instance, MAKEINTRESOURCEA(IDI_MAIN))) {}

bool CDrillDlg::OnInit() {
  SetItemText(IDC_BOOK_TITLE, shownTitle_);
  AddAboutItemToSystemMenu();
  ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
  AttachMenuBar();

  if (!session_.Initialise(static_cast<std::uint32_t>(std::time(nullptr)))) ::ExitProcess(1);

  ::SetTimer(Handle(), kIdleTimer, kIdleTickMs, nullptr);
  if (!NHD_InitGetWords(instance_, Handle())) ShowMessage("NHD_InitGetWords error.");
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
  if (msg.message == WM_KEYDOWN || msg.message == WM_MOUSEMOVE) idleTicks = 0;
  return win::Dialog::PreTranslateMessage(msg);
}

bool CDrillDlg::OnCommand(int id, int /*notifyCode*/, HWND /*control*/) {
  switch (id) {
    case IDC_START_TEST:
      session_.StartTest();
      return true;
    case IDC_END_TEST:
      session_.EndTest();
      return true;
    case IDC_ANSWER_A:
    case IDC_ANSWER_B:
    case IDC_ANSWER_C:
    case IDC_ANSWER_D:
      session_.ChooseAnswer(id - IDC_ANSWER_A);
      return true;
    case IDC_SETTINGS:
    case IDC_RECITE_SETTINGS:
      EditSettings();
      return true;
    default:
      break;
  }
  if (const CatalogueBook* book = FindCatalogueBook(id)) {
    session_.ChooseBook(book->file);
    return true;
  }
  return false;
}

void CDrillDlg::EditSettings() {
  const std::string previousPath = session_.options.bookPath;
  CSettingsDlg panel;
  panel.fields = FieldsFromOptions(session_.options);
  const INT_PTR result = panel.RunModal(Handle());
  if (result == IDCANCEL) return;
  // A panel that could not open at all still reloads the book and restarts
  // the test, with the options as they were.
  session_.ApplySettings(
      result == IDOK ? std::optional<SettingsFields>(panel.fields) : std::nullopt, previousPath);
}

void CDrillDlg::OnCancel() { session_.CloseWithSummary(); }

void CDrillDlg::OnTimer(UINT_PTR timerId) {
  if (timerId == kIdleTimer) {
    if (++idleTicks == 10) idleTicks = 0;
  }
}

bool CDrillDlg::OnMessage(UINT msg, WPARAM /*wParam*/, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      DragByClientArea(lParam);
      return false;
    case WM_RBUTTONDOWN:
      ShowMainMenu();
      return false;
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

void CDrillDlg::DragByClientArea(LPARAM position) {
  // Lets the system move the window as if its caption were dragged.
  ::PostMessageA(Handle(), WM_NCLBUTTONDOWN, HTCAPTION, position);
}

void CDrillDlg::ShowMainMenu() {
  win::Menu menu = win::Menu::Load(IDR_MAIN_POPUP_MENU);
  if (HMENU popup = menu.SubMenu(0)) {
    win::RemoveMenuItem(popup, ID_TOGGLE_MAIN_WINDOW);
    win::TrackPopupAtCursor(popup, Handle());
  }
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

// The view of the study session.

void CDrillDlg::ShowMessage(const std::string& text) { win::ShowMessageBox(text); }

void CDrillDlg::ShowWrongAnswerPopup(const std::string& text) {
  win::ShowMessageBox(text, MB_ICONINFORMATION, Handle());
}

void CDrillDlg::PlaySoundFile(const std::string& path) {
  ::PlaySoundA(path.c_str(), nullptr, SND_FILENAME);
}

void CDrillDlg::Speak(const std::string& text) { RequestSpeech(speech_, text, this); }

void CDrillDlg::StyleWordEdit() {
  // "Basemic" at 15 points; the edit keeps using this font object, so it
  // lives as long as the dialog.
  if (!wordFont_) wordFont_ = win::GdiFont::FromPointSize(150, "Basemic");
  SendItemMessage(IDC_WORD, WM_SETFONT, reinterpret_cast<WPARAM>(wordFont_.Get()), TRUE);
  SendItemMessage(IDC_WORD, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(10, 50));
}

void CDrillDlg::ShowQuestion(const std::string& word, const std::array<std::string, 4>& meanings) {
  StyleWordEdit();
  SetItemText(IDC_WORD, word);
  for (int slot = 0; slot < 4; ++slot) SetItemText(IDC_MEANING_A + slot, meanings[slot]);
}

void CDrillDlg::SetControlText(int controlId, const std::string& text) {
  SetItemText(controlId, text);
}

void CDrillDlg::ShowBookTitle(const std::string& title) {
  shownTitle_ = title;
  SetItemText(IDC_BOOK_TITLE, title);
}

void CDrillDlg::UncheckAnswer(int controlId) { CheckButton(controlId, false); }

void CDrillDlg::EnableSettingsButtons(bool enable) {
  EnableItem(IDC_SETTINGS, enable);
  EnableItem(IDC_RECITE_SETTINGS, enable);
}

void CDrillDlg::RemoveTrayIcon() {
  NOTIFYICONDATAA data = {};
  data.cbSize = kClassicNotifyIconSize;
  data.hWnd = Handle();
  data.uID = kTrayIconId;
  ::Shell_NotifyIconA(NIM_DELETE, &data);
}

void CDrillDlg::CloseMainWindow() { End(IDCANCEL); }

}  // namespace vodari
