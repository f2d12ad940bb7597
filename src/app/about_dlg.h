// The About dialog: the program's name and version, and three links to
// things every user has beside the program: the user dictionary (opened in
// the text editor, where the user adds words of their own), the user guide,
// and the folder of word books.
#pragma once

#include "app/link_static.h"
#include "win/dialog.h"

namespace vodari {

class CAboutDlg : public win::Dialog {
 public:
  CAboutDlg();

 protected:
  bool OnInit() override;

 private:
  CLinkStatic dictionaryLink;
  CLinkStatic guideLink;
  CLinkStatic booksLink;
};

}  // namespace vodari
