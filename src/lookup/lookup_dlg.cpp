#include "lookup/lookup_dlg.h"

#include <windows.h>

#include "lookup/book_search.h"
#include "res/resource.h"
#include "win/message_box.h"

namespace vodari {
namespace {

constexpr int kMaxInputLength = 255;
constexpr const char* kFirstBook = "books\\考研单词表.txt";

}  // namespace

CLookupDlg::CLookupDlg()
    : win::Dialog(IDD_LOOKUP),
      searchTable([](const std::string& text) { win::ShowMessageBox(text); }) {}

bool CLookupDlg::OnInit() {
  SendItemMessage(IDC_LOOKUP_INPUT, EM_LIMITTEXT, kMaxInputLength);
  searchTable.LoadFile(kFirstBook);
  ::SetFocus(Item(IDC_LOOKUP_INPUT));
  return false;
}

bool CLookupDlg::OnNotify(int id, int notifyCode, HWND /*control*/) {
  if (id != IDC_LOOKUP_INPUT || notifyCode != EN_CHANGE) return false;
  if (searching_) return true;  // the table is the running search's
  // Nothing at or after the input leaves the result as it was.
  if (auto entry = IncrementalLookup(searchTable, ItemText(IDC_LOOKUP_INPUT)))
    SetItemText(IDC_LOOKUP_RESULT, LookupResultText(*entry));
  return true;
}

void CLookupDlg::OnOK() {
  if (searching_) return;
  searching_ = true;
  const auto entry = SearchAllBooks(searchTable, ItemText(IDC_LOOKUP_INPUT));
  searching_ = false;
  SetItemText(IDC_LOOKUP_RESULT, entry ? LookupResultText(*entry) : kLookupNotFoundText);
}

bool CLookupDlg::PreTranslateMessage(MSG& msg) {
  // Escape empties the input and asks for a word; it does not close.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
    SetItemText(IDC_LOOKUP_INPUT, "");
    SetItemText(IDC_LOOKUP_RESULT, kLookupPromptText);
    ::SetFocus(Item(IDC_LOOKUP_INPUT));
    return true;
  }
  return win::Dialog::PreTranslateMessage(msg);
}

}  // namespace vodari
