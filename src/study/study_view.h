// What the study session needs from the window that shows it. The main
// dialog implements it with controls, message boxes, sounds and speech; the
// tests implement it with a recorder.
#pragma once

#include <array>
#include <string>

namespace vodari {

class StudyView {
 public:
  virtual ~StudyView() = default;

  // A plain message box (OK, warning icon, owned by the active window);
  // returns when the user has closed it.
  virtual void ShowMessage(const std::string& text) = 0;
  // The wrong-answer box (OK, information icon, owned by the main window).
  virtual void ShowWrongAnswerPopup(const std::string& text) = 0;
  // Plays a sound file to its end.
  virtual void PlaySoundFile(const std::string& path) = 0;
  // Speaks the text without waiting for it.
  virtual void Speak(const std::string& text) = 0;

  // Shows a question: the word in edit 1000 in the word font, and the four
  // meanings in edits 1005 to 1008.
  virtual void ShowQuestion(const std::string& word,
                            const std::array<std::string, 4>& meanings) = 0;
  // Sets the text of a control of the main dialog.
  virtual void SetControlText(int controlId, const std::string& text) = 0;
  // Shows the current book's title in edit 1050 and keeps it as the shown
  // title, so a refresh of the dialog's controls keeps it.
  virtual void ShowBookTitle(const std::string& title) = 0;
  // Unchecks an answer button (1001 to 1004).
  virtual void UncheckAnswer(int controlId) = 0;
  // Enables or disables the two settings buttons (1016, 1042); recitation
  // disables them while it runs. The menu item opens the panel regardless.
  virtual void EnableSettingsButtons(bool enable) = 0;

  // Removes the notification-area icon, whether or not it is shown.
  virtual void RemoveTrayIcon() = 0;
  // Ends the main dialog with the cancel result.
  virtual void CloseMainWindow() = 0;
};

}  // namespace vodari
