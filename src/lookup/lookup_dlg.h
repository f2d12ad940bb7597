// The lookup dialog: the incremental lookup while the user types, over the
// one book the dialog holds, and the full search over every book on "确定".
// Built and destroyed each time it is opened.
#pragma once

#include <windows.h>

#include "books/word_table.h"
#include "win/dialog.h"

namespace vodari {

class CLookupDlg : public win::Dialog {
 public:
  CLookupDlg();

  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool OnInit() override;  // the keyboard focus goes to the input box
  bool OnNotify(int id, int notifyCode, HWND control) override;
  void OnOK() override;  // the full search; the dialog stays open

 private:
  CWordTable searchTable;
  // A book's message box during a search runs a loop of its own, in which
  // the user could start another search on the same table.
  bool searching_ = false;
};

}  // namespace vodari
