#include "app/about_dlg.h"

#include "res/resource.h"

namespace vodari {

CAboutDlg::CAboutDlg() : win::Dialog(IDD_ABOUT) {}

bool CAboutDlg::OnInit() {
  booksLink.AttachLink(Item(IDC_BOOKS_LINK));
  guideLink.AttachLink(Item(IDC_GUIDE_LINK));
  dictionaryLink.AttachLink(Item(IDC_DICTIONARY_LINK));
  // The caption names the file; the target is where it lies, relative to
  // the working folder like every file of the program.
  dictionaryLink.SetTarget("books\\用户自定义字典.txt");
  dictionaryLink.SetUnderlined(false);
  return true;
}

}  // namespace vodari
