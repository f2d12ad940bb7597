#include "app/main_view.h"

#include <mmsystem.h>

#include <algorithm>

#include "res/resource.h"
#include "win/message_box.h"

namespace vodari {

void MainDialogView::StyleWordEdit() {
  // "Basemic" at 15 points; the edit keeps using this font object, so it
  // lives as long as the dialog.
  if (!wordFont_) wordFont_ = win::GdiFont::FromPointSize(150, "Basemic");
  dialog_.SendItemMessage(IDC_WORD, WM_SETFONT, reinterpret_cast<WPARAM>(wordFont_.Get()), TRUE);
  dialog_.SendItemMessage(IDC_WORD, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                          MAKELONG(10, 50));
}

void MainDialogView::ShowQuestion(const std::string& word,
                                  const std::array<std::string, 4>& meanings) {
  StyleWordEdit();
  dialog_.SetItemText(IDC_WORD, word);
  for (int slot = 0; slot < 4; ++slot) dialog_.SetItemText(IDC_MEANING_A + slot, meanings[slot]);
}

void MainDialogView::ClearQuestion() {
  dialog_.SetItemText(IDC_WORD, "");
  for (int id = IDC_MEANING_A; id <= IDC_MEANING_D; ++id) dialog_.SetItemText(id, "");
}

void MainDialogView::ShowFeedback(const std::string& text) {
  // The correction's line feeds come without carriage returns, and the box
  // has room for two lines: shown as blanks, the text wraps and the right
  // meaning stays in view instead of falling below the box. (A line feed
  // is never the second byte of a GBK character.)
  std::string shown = text;
  std::replace(shown.begin(), shown.end(), '\n', ' ');
  dialog_.SetItemText(IDC_HINT, shown);
}

void MainDialogView::ShowCounts(int right, int wrong) {
  dialog_.SetItemText(IDC_RIGHT_COUNT, std::to_string(right));
  dialog_.SetItemText(IDC_WRONG_COUNT, std::to_string(wrong));
}

void MainDialogView::ShowBookTitle(const std::string& title) {
  shownTitle_ = title;
  dialog_.SetItemText(IDC_BOOK_TITLE, title);
}

void MainDialogView::UncheckAnswer(int slot) { dialog_.CheckButton(IDC_ANSWER_A + slot, false); }

void MainDialogView::ShowMessage(const std::string& text) { win::ShowMessageBox(text); }

void MainDialogView::ShowWrongAnswerPopup(const std::string& text) {
  win::ShowMessageBox(text, MB_ICONINFORMATION, dialog_.Handle());
}

void MainDialogView::PlaySoundFile(const std::string& path) {
  ::PlaySoundA(path.c_str(), nullptr, SND_FILENAME);
}

void MainDialogView::Speak(const std::string& text) { RequestSpeech(speech_, text, this); }

}  // namespace vodari
