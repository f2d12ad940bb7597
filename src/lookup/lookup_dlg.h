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
  bool OnInit() override;
  bool OnNotify(int id, int notifyCode, HWND control) override;
  void OnOK() override;  // the full search; the dialog stays open

 private:
  CWordTable searchTable;
};

}  // namespace vodari
