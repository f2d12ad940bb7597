// The main dialog: owns the study session and every other window, lays out
// test, recitation and system controls, and routes each command to the
// session. It is the session's view.
#pragma once

#include <windows.h>

#include <string>

#include "app/speech.h"
#include "study/study_session.h"
#include "win/dialog.h"
#include "win/gdi_font.h"
#include "win/menu.h"

namespace vodari {

class CDrillDlg : public win::Dialog, public StudyView {
 public:
  explicit CDrillDlg(HINSTANCE instance);

  bool PreTranslateMessage(MSG& msg) override;

  // 100 ms ticks since the last key press or mouse move over this dialog;
  // runs 0..9 and wraps.
  int idleTicks = 0;

  StudySession& Session() { return session_; }

  // StudyView.
  void ShowMessage(const std::string& text) override;
  void ShowWrongAnswerPopup(const std::string& text) override;
  void PlaySoundFile(const std::string& path) override;
  void Speak(const std::string& text) override;
  void ShowQuestion(const std::string& word, const std::array<std::string, 4>& meanings) override;
  void SetControlText(int controlId, const std::string& text) override;
  void ShowBookTitle(const std::string& title) override;
  void UncheckAnswer(int controlId) override;
  void EnableSettingsButtons(bool enable) override;
  void RemoveTrayIcon() override;
  void CloseMainWindow() override;

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int notifyCode, HWND control) override;
  void OnOK() override {}  // there is no OK: Enter never closes the dialog
  void OnCancel() override;
  void OnTimer(UINT_PTR timerId) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDestroy() override;

 private:
  void AddAboutItemToSystemMenu();
  void AttachMenuBar();
  void StyleWordEdit();
  void ShowMainMenu();
  void EditSettings();
  void DragByClientArea(LPARAM position);
  bool PaintMinimised();

  HINSTANCE instance_;
  HICON icon_;
  win::Menu menuBar_;
  win::GdiFont wordFont_;
  std::string shownTitle_;
  SpeechRequest speech_;
  StudySession session_{*this};
};

}  // namespace vodari
