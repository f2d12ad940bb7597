#include "capture/capture_popup.h"

#include <windows.h>

#include "capture/capture_search.h"
#include "lookup/book_search.h"
#include "res/resource.h"
#include "win/message_box.h"

namespace vodari {
namespace {

constexpr const char* kFirstSearchBook = "books\\考研单词表.txt";
constexpr std::size_t kWordLimit = 256;
constexpr std::size_t kMeaningLimit = 1024;

// Tells the user when `text` is longer than the field holds.
bool RefusedOverLimit(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return false;
  win::ShowMessageBox("“请填入不多于" + std::to_string(limit) + "个的字符。”", MB_ICONEXCLAMATION);
  return true;
}

}  // namespace

CCapturePopup::CCapturePopup(HWND owner)
    : win::Dialog(IDD_CAPTURE_POPUP),
      owner_(owner),
      searchTable([](const std::string& text) { win::ShowMessageBox(text); }) {}

void CCapturePopup::ShowCapture(const std::string& word, bool activate) {
  // A book's message box during a search runs a loop of its own, in which
  // the next capture may end: that capture is dropped rather than search
  // the table in the middle of this search.
  if (searching_) return;
  const bool existed = Handle() != nullptr;
  if (!existed && !CreateModeless(owner_)) return;
  SetWord(word);
  searching_ = true;
  SearchBooks();
  searching_ = false;
  if (activate) {
    if (existed) ::SetFocus(Handle());
    ::ShowWindow(Handle(), SW_SHOW);
  } else {
    ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
}

void CCapturePopup::Hide() {
  if (Handle() != nullptr) ::ShowWindow(Handle(), SW_HIDE);
}

bool CCapturePopup::OnInit() {
  SetItemText(IDC_CAPTURE_WORD, wordText);
  SetItemText(IDC_CAPTURE_MEANING, meaningText);
  ::SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  searchTable.LoadFile(kFirstSearchBook);
  return false;
}

void CCapturePopup::SetWord(const std::string& word) {
  wordText = word;
  SetItemText(IDC_CAPTURE_WORD, word);
}

void CCapturePopup::SearchBooks() {
  const auto found = SearchCapturedWord(searchTable, wordText);
  SetItemText(IDC_CAPTURE_MEANING, found ? LookupResultText(*found) : kLookupNotFoundText);
}

void CCapturePopup::OnOK() {
  const std::string word = ItemText(IDC_CAPTURE_WORD);
  const std::string meaning = ItemText(IDC_CAPTURE_MEANING);
  if (RefusedOverLimit(word, kWordLimit) || RefusedOverLimit(meaning, kMeaningLimit)) return;
  wordText = word;
  meaningText = meaning;
  Hide();
}

bool CCapturePopup::OnMessage(UINT msg, WPARAM /*wParam*/, LPARAM lParam, LRESULT& /*result*/) {
  if (msg != WM_LBUTTONDOWN) return false;
  win::DragByClientArea(Handle(), lParam);
  return true;
}

}  // namespace vodari
