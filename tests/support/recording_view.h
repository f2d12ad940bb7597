// A study view that writes down everything the session asks of the window,
// in order, as short lines such as "msg:..." or "sound:sound\right.wav".
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "study/study_view.h"

namespace vodari::test {

class RecordingView : public StudyView {
 public:
  void ShowMessage(const std::string& text) override { Log("msg:" + text); }
  void ShowWrongAnswerPopup(const std::string& text) override { Log("popup:" + text); }
  void PlaySoundFile(const std::string& path) override { Log("sound:" + path); }
  void Speak(const std::string& text) override { Log("speak:" + text); }
  void ShowQuestion(const std::string& word, const std::array<std::string, 4>& meanings) override {
    Log("question:" + word);
    shownWord = word;
    shownMeanings = meanings;
  }
  void SetControlText(int controlId, const std::string& text) override {
    Log("text" + std::to_string(controlId) + ":" + text);
  }
  void ShowBookTitle(const std::string& title) override { Log("title:" + title); }
  void UncheckAnswer(int controlId) override { Log("uncheck:" + std::to_string(controlId)); }
  void EnableSettingsButtons(bool enable) override {
    Log(std::string("settings-buttons:") + (enable ? "on" : "off"));
  }
  void RemoveTrayIcon() override { Log("tray-removed"); }
  void CloseMainWindow() override { Log("closed"); }

  // Events that start with `prefix`.
  std::vector<std::string> Starting(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& e : events)
      if (e.rfind(prefix, 0) == 0) out.push_back(e);
    return out;
  }
  int Count(const std::string& prefix) const { return static_cast<int>(Starting(prefix).size()); }
  // Position of the first event equal to `event` (events.size() if none).
  std::size_t IndexOf(const std::string& event) const {
    return std::find(events.begin(), events.end(), event) - events.begin();
  }
  // Position of the first event that starts with `prefix`.
  std::size_t IndexStarting(const std::string& prefix) const {
    for (std::size_t i = 0; i < events.size(); ++i)
      if (events[i].rfind(prefix, 0) == 0) return i;
    return events.size();
  }
  void Clear() { events.clear(); }

  std::vector<std::string> events;
  std::string shownWord;
  std::array<std::string, 4> shownMeanings;

 private:
  void Log(const std::string& e) { events.push_back(e); }
};

}  // namespace vodari::test
