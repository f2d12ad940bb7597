// Views of the study engine that write down everything asked of them, in
// order, as short lines such as "msg:..." or "sound:sound\right.wav";
// "buttons:" are the settings buttons.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "study/views.h"

namespace vodari::test {

class RecordingView : public TestView, public Notices, public ReciteView {
 public:
  void ShowMessage(const std::string& text) override { Log("msg:" + text); }
  void ShowWrongAnswerPopup(const std::string& text) override { Log("popup:" + text); }
  void PlaySoundFile(const std::string& path) override { Log("sound:" + path); }
  void Speak(const std::string& text) override { Log("speak:" + text); }
  void ShowQuestion(const std::string& word, const std::array<std::string, 4>& meanings) override {
    Log("question:" + word);
    shownMeanings = meanings;
  }
  void ClearQuestion() override { Log("clear"); }
  void ShowFeedback(const std::string& text) override { Log("feedback:" + text); }
  void ShowCounts(int right, int wrong) override {
    Log("counts:" + std::to_string(right) + "/" + std::to_string(wrong));
  }
  void ShowBookTitle(const std::string& title) override { Log("title:" + title); }
  void UncheckAnswer(int slot) override { Log("uncheck:" + std::to_string(slot)); }
  void OpenStrip(bool off) override { Log(off ? "strip:open,record-off" : "strip:open"); }
  void CloseStrip() override { Log("strip:close"); }
  void ShowStripText(const std::string& text) override { Log("strip:" + text); }
  void StartReciteTimer(int seconds) override { Log("timer:" + std::to_string(seconds)); }
  void StopReciteTimer() override { Log("timer:off"); }
  void ShowReciting(bool reciting) override { Log(reciting ? "caption:结束" : "caption:开始"); }
  void EnableSettingsButtons(bool on) override { Log(on ? "buttons:on" : "buttons:off"); }
  void KeepMainWindowOnTop(bool onTop) override { Log(onTop ? "topmost" : "not-topmost"); }
  bool MinimiseToTray() override {
    Log("to-tray");
    return !trayIconFails;
  }
  void RestoreMainWindow() override { Log("main-window:shown"); }

  // Events that start with `prefix`.
  std::vector<std::string> Starting(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& e : events)
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
  }

  std::vector<std::string> events;
  std::array<std::string, 4> shownMeanings;
  bool trayIconFails = false;  // the notification area refuses the icon

 private:
  void Log(const std::string& e) { events.push_back(e); }
};

}  // namespace vodari::test
