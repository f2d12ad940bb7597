// The capture popup: a small modeless window owned by the main dialog that
// shows a captured word and what the search over all books found for it.
// It searches with a table of its own, so a capture never disturbs the book
// being studied. Its window is created on first use and afterwards only
// hidden and shown again.
#pragma once

#include <windows.h>

#include <string>

#include "books/word_table.h"
#include "win/dialog.h"

namespace vodari {

class CCapturePopup : public win::Dialog {
 public:
  explicit CCapturePopup(HWND owner);

  // Looks `word` up and shows it with the result, above other windows. With
  // `activate` (a capture the user asked for with a key) the popup takes the
  // activation; otherwise it shows without it, so that whatever the user is
  // typing into keeps the keyboard.
  void ShowCapture(const std::string& word, bool activate);
  void Hide();

 protected:
  bool OnInit() override;  // takes no focus: a new popup must not activate
  // OK or Enter: takes the edits' texts back and hides; a text over its
  // limit is refused with a message and the popup stays.
  void OnOK() override;
  void OnCancel() override { Hide(); }  // Esc
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void SetWord(const std::string& word);
  void SearchBooks();

  HWND owner_;
  std::string wordText;
  std::string meaningText;
  CWordTable searchTable;
  bool searching_ = false;
};

}  // namespace vodari
