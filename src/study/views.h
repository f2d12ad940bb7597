// What the study engine needs from the windows that show it, by role. The
// main dialog and the recitation strip implement these with controls, timers,
// message boxes, sounds and speech; the tests implement them with recorders.
// Nothing here names a window or a control.
#pragma once

#include <array>
#include <string>

namespace vodari {

// Telling the user things: message boxes, sounds and speech.
class Notices {
 public:
  virtual ~Notices() = default;
  // A plain message box (OK, warning icon, owned by the active window);
  // returns when the user has closed it.
  virtual void ShowMessage(const std::string& text) = 0;
  // The wrong-answer box (OK, information icon, owned by the main window).
  virtual void ShowWrongAnswerPopup(const std::string& text) = 0;
  // Plays a sound file to its end.
  virtual void PlaySoundFile(const std::string& path) = 0;
  // Speaks the text without waiting for it.
  virtual void Speak(const std::string& text) = 0;
};

// What a vocabulary test shows.
class TestView {
 public:
  virtual ~TestView() = default;
  // The asked word in the word font and the meanings of the answers A to D.
  virtual void ShowQuestion(const std::string& word,
                            const std::array<std::string, 4>& meanings) = 0;
  // Empties the word and the four meanings.
  virtual void ClearQuestion() = 0;
  // The feedback text under the answers.
  virtual void ShowFeedback(const std::string& text) = 0;
  // The right and wrong answers of the running test.
  virtual void ShowCounts(int right, int wrong) = 0;
  // The current book's title; kept as the shown title, so that a refresh of
  // the window from its fields keeps it.
  virtual void ShowBookTitle(const std::string& title) = 0;
  // Takes the check mark off answer button `slot` (0..3 for A..D).
  virtual void UncheckAnswer(int slot) = 0;
};

// What recitation drives: the strip, its timer, the main window and the
// controls that change while reciting.
class ReciteView {
 public:
  virtual ~ReciteView() = default;
  // Creates the strip (or gives it the focus when it exists) and shows it;
  // with `recordButtonOff` its record button stays disabled while it lives.
  virtual void OpenStrip(bool recordButtonOff) = 0;
  virtual void CloseStrip() = 0;
  // The strip's text line; nothing happens while the strip is closed.
  virtual void ShowStripText(const std::string& text) = 0;
  // Arms (or re-arms) the recitation timer with a period in seconds.
  virtual void StartReciteTimer(int seconds) = 0;
  virtual void StopReciteTimer() = 0;
  // The start/stop caption of the recitation button.
  virtual void ShowReciting(bool reciting) = 0;
  // The two settings buttons; the settings menu item stays usable.
  virtual void EnableSettingsButtons(bool enable) = 0;
  // Keeps the main window above other programs while reciting.
  virtual void KeepMainWindowOnTop(bool onTop) = 0;
  // Hides the main window into the notification area (adding the icon);
  // false, with the window left shown, when the icon cannot be added.
  virtual bool MinimiseToTray() = 0;
  // Shows the main window again and brings it to the top.
  virtual void RestoreMainWindow() = 0;
};

}  // namespace vodari
