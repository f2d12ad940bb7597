#include "app/settings_dlg.h"

#include "books/catalogue.h"
#include "books/history_book.h"
#include "res/resource.h"
#include "win/menu.h"
#include "win/message_box.h"

namespace vodari {
namespace {

// The control of each field, in the order of SettingsField.
constexpr int kControlOf[kSettingsFieldCount] = {
    IDC_BOOK_PATH,      IDC_RECORD_MISSED,    IDC_POPUP_ON_WRONG,  IDC_RANGE_LAST,
    IDC_RANGE_FIRST,    IDC_RESET_CHOICE,     IDC_SEQUENTIAL_TEST, IDC_RECORD_RECITED,
    IDC_RECITE_INTERVAL, IDC_SEQUENTIAL_RECITE, IDC_PRONOUNCE,      IDC_SCREEN_CAPTURE,
    IDC_ANSWER_SOUNDS,
};

int ControlOf(SettingsField field) { return kControlOf[static_cast<int>(field)]; }

}  // namespace

CSettingsDlg::CSettingsDlg() : win::Dialog(IDD_SETTINGS) {}

bool CSettingsDlg::OnInit() {
  // Values are shown as they are, in range or not.
  for (const SettingsRow& row : SettingsRows()) {
    const int id = ControlOf(row.key);
    switch (row.kind) {
      case FieldKind::kText:
        SetItemText(id, fields.*row.text);
        SendItemMessage(id, EM_LIMITTEXT, static_cast<WPARAM>(row.high));
        break;
      case FieldKind::kCheckBox:
        CheckButton(id, fields.*row.number != 0);
        break;
      case FieldKind::kInteger:
        SetItemInt(id, fields.*row.number);
        break;
    }
  }
  return true;
}

void CSettingsDlg::OnOK() {
  SettingsFields read;
  if (auto failure = ReadSettingsControls(*this, read)) {
    // The panel stays open, with the offending text ready to be retyped.
    const int id = ControlOf(failure->field);
    win::ShowMessageBox(failure->message);
    ::SetFocus(Item(id));
    SendItemMessage(id, EM_SETSEL, 0, -1);
    return;
  }
  fields = read;
  End(IDOK);
}

bool CSettingsDlg::OnCommand(int id) {
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

std::string CSettingsDlg::Text(SettingsField field) const { return ItemText(ControlOf(field)); }

bool CSettingsDlg::Checked(SettingsField field) const {
  return IsButtonChecked(ControlOf(field));
}

}  // namespace vodari
