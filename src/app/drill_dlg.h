// The main dialog: owns the study state and every other window of the
// program, and routes each command and message to the part that handles it.
// It keeps no study rule of its own.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/idle_counter.h"
#include "app/main_view.h"
#include "app/main_window_tray.h"
#include "app/recitation_windows.h"
#include "capture/capture_popup.h"
#include "study/recitation.h"
#include "study/study_state.h"
#include "study/vocabulary_test.h"
#include "win/dialog.h"
#include "win/menu.h"

namespace vodari {

class CDrillDlg : public win::Dialog {
 public:
  explicit CDrillDlg(HINSTANCE instance);

  // Key presses and mouse moves over this dialog restart the idle count.
  bool PreTranslateMessage(MSG& msg) override;
  IdleCounter& Idle() { return idle_; }
  // A capture started, by a Ctrl key-down (`byKey`) or by the idle rhythm.
  // Only the popup of a capture asked for with a key takes the activation.
  void NoteCaptureStart(bool byKey) { captureByKey_ = byKey; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id) override;
  void OnOK() override {}  // there is no OK: Enter never closes the dialog
  void OnCancel() override { CloseWithSummary(); }
  void OnTimer(UINT_PTR timerId) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDestroy() override;

 private:
  void AddAboutItemToSystemMenu();
  void AttachMenuBar();
  void EditSettings();
  void ShowAbout();
  // The one way the program ends: the icon goes, the run summary, the
  // history books are closed and the dialog ends.
  void CloseWithSummary();
  bool PaintMinimised();
  // A capture has ended: show its word, or hide the popup when the user
  // has screen capture off. A capture without a word changes nothing.
  void OnCaptureDone();

  HINSTANCE instance_;
  HICON icon_;
  win::Menu menuBar_;
  IdleCounter idle_;
  MainDialogView view_{*this};
  StudyState state_{view_};
  VocabularyTest test_{state_, view_};
  MainWindowTray tray_{*this, icon_, state_.options};
  RecitationWindows reciteWindows_{*this, tray_};
  Recitation recitation_{state_, reciteWindows_};
  std::unique_ptr<CCapturePopup> capturePopup_;  // only while capture is bound
  std::string capturedWord_;                     // the last captured word
  bool captureByKey_ = false;                    // how the last capture started
  // Broadcast when the shell (re)starts: its icons must be added again.
  const UINT taskbarCreated_ = ::RegisterWindowMessageA("TaskbarCreated");
};

}  // namespace vodari
