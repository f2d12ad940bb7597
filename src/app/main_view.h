// The main dialog as the study engine sees it: the test's controls, and the
// program's message boxes, sounds and speech.
#pragma once

#include <windows.h>

#include "app/speech.h"
#include "study/views.h"
#include "win/dialog.h"
#include "win/gdi_font.h"

namespace vodari {

class MainDialogView : public TestView, public Notices {
 public:
  explicit MainDialogView(win::Dialog& dialog) : dialog_(dialog) {}

  // The book title last shown; written back whenever the dialog's controls
  // are refreshed from its fields.
  const std::string& ShownTitle() const { return shownTitle_; }

  // TestView.
  void ShowQuestion(const std::string& word, const std::array<std::string, 4>& meanings) override;
  void ClearQuestion() override;
  void ShowFeedback(const std::string& text) override;
  void ShowCounts(int right, int wrong) override;
  void ShowBookTitle(const std::string& title) override;
  void UncheckAnswer(int slot) override;

  // Notices.
  void ShowMessage(const std::string& text) override;
  void ShowWrongAnswerPopup(const std::string& text) override;
  void PlaySoundFile(const std::string& path) override;
  void Speak(const std::string& text) override;

 private:
  void StyleWordEdit();

  win::Dialog& dialog_;
  win::GdiFont wordFont_;
  std::string shownTitle_;
  SpeechRequest speech_;
};

}  // namespace vodari
