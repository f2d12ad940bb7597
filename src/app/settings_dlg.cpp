#include "app/settings_dlg.h"

#include "books/catalogue.h"
#include "books/history_book.h"
#include "res/resource.h"
#include "win/menu.h"
#include "win/message_box.h"

namespace vodari {
namespace {

struct CheckBox {
  int id;
  int SettingsFields::*field;
};

constexpr CheckBox kCheckBoxes[] = {
    {IDC_RECORD_MISSED, &SettingsFields::recordMissedWords},
    {IDC_POPUP_ON_WRONG, &SettingsFields::popupOnWrong},
    {IDC_RESET_CHOICE, &SettingsFields::resetPreviousChoice},
    {IDC_SEQUENTIAL_TEST, &SettingsFields::sequentialTest},
    {IDC_RECORD_RECITED, &SettingsFields::recordRecitedWords},
    {IDC_SEQUENTIAL_RECITE, &SettingsFields::sequentialRecite},
    {IDC_PRONOUNCE, &SettingsFields::pronounceWords},
    {IDC_SCREEN_CAPTURE, &SettingsFields::screenCapture},
    {IDC_ANSWER_SOUNDS, &SettingsFields::playAnswerSounds},
};

}  // namespace

CSettingsDlg::CSettingsDlg() : win::Dialog(IDD_SETTINGS) {}

bool CSettingsDlg::OnInit() {
  // Values are shown as they are, in range or not.
  SetItemText(IDC_BOOK_PATH, fields.bookPath);
  SendItemMessage(IDC_BOOK_PATH, EM_LIMITTEXT, kMaxBookPathLength);
  SetItemInt(IDC_RANGE_FIRST, fields.rangeFirst);
  SetItemInt(IDC_RANGE_LAST, fields.rangeLast);
  SetItemInt(IDC_RECITE_INTERVAL, fields.reciteIntervalSeconds);
  for (const CheckBox& box : kCheckBoxes) CheckButton(box.id, fields.*box.field != 0);
  return true;
}

void CSettingsDlg::OnOK() {
  SettingsFields read;
  if (auto failure = ReadSettingsControls(*this, read)) {
    // The panel stays open, with the offending text ready to be retyped.
    win::ShowMessageBox(failure->message);
    ::SetFocus(Item(failure->controlId));
    SendItemMessage(failure->controlId, EM_SETSEL, 0, -1);
    return;
  }
  fields = read;
  End(IDOK);
}

bool CSettingsDlg::OnCommand(int id, int /*notifyCode*/, HWND /*control*/) {
  switch (id) {
    case IDC_BOOK_MENU:
      ShowBookMenu();
      return true;
    case IDC_TEST_MISSED:
      // Testing the missed words must not add to the book under test.
      CheckButton(IDC_RECORD_MISSED, false);
      SetItemText(IDC_BOOK_PATH, kMissedWordsBookPath);
      return true;
    case IDC_TEST_RECITED:
      SetItemText(IDC_BOOK_PATH, kRecitedWordsBookPath);
      return true;
    case IDC_CLEAR_MISSED:
      ClearHistoryBook(kMissedWordsBookPath, kMissedWordsBookTitle);
      return true;
    case IDC_CLEAR_RECITED:
      ClearHistoryBook(kRecitedWordsBookPath, kRecitedWordsBookTitle);
      return true;
    default:
      break;
  }
  if (FindCatalogueBook(id)) {
    ChooseCatalogueBook(id);
    return true;
  }
  return false;
}

void CSettingsDlg::ShowBookMenu() {
  win::Menu menu = win::Menu::Load(IDR_BOOK_MENU);
  if (HMENU popup = menu.SubMenu(0)) win::TrackPopupAtCursor(popup, Handle());
}

void CSettingsDlg::ChooseCatalogueBook(int menuId) {
  const CatalogueBook* book = FindCatalogueBook(menuId);
  if (book->settingsRole == SettingsRole::kPathBox) {
    SetItemText(IDC_BOOK_PATH, book->file);
    return;
  }
  // The main window switches to this book at once; the path box keeps its
  // text.
  if (HWND owner = ::GetWindow(Handle(), GW_OWNER))
    ::SendMessageA(owner, WM_COMMAND, MAKEWPARAM(menuId, 0), 0);
}

std::string CSettingsDlg::Text(int controlId) const { return ItemText(controlId); }

bool CSettingsDlg::Checked(int controlId) const { return IsButtonChecked(controlId); }

}  // namespace vodari
