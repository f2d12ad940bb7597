#include "study/recitation.h"

#include <string>

#include "study/question.h"

namespace vodari {

void Recitation::ToggleRecitation() {
  if (state_.options.reciting)
    Stop();
  else
    Start();
}

void Recitation::Start() {
  StudyOptions& o = state_.options;
  state_.currentBook.LoadFile(o.bookPath);
  if (state_.currentBook.GetCount() == 0) {
    state_.notices.ShowMessage("你所选单词本中没有单词");
    return;
  }
  view_.StartReciteTimer(o.reciteIntervalSeconds);  // the first word comes with the first tick
  view_.ShowReciting(true);
  view_.EnableSettingsButtons(false);
  view_.KeepMainWindowOnTop(true);
  view_.OpenStrip(o.recordRecitedWords != 0);
  // Without the icon the main window stays: hidden, it could not be reached.
  if (o.mainWindowShown && view_.MinimiseToTray()) o.mainWindowShown = 0;
  view_.ShowStripText("进入单词背记状态. (注意: 主窗口已经最小化到系统托盘)");
  o.reciting = 1;
}

void Recitation::Stop() {
  StudyOptions& o = state_.options;
  o.reciting = 0;
  view_.CloseStrip();
  view_.ShowReciting(false);
  o.reciteCursor = 0;
  if (!o.mainWindowShown) {
    view_.RestoreMainWindow();  // the notification-area icon stays
    o.mainWindowShown = 1;
  }
  view_.KeepMainWindowOnTop(false);
  view_.EnableSettingsButtons(true);
  view_.StopReciteTimer();
}

void Recitation::ReciteTick() {
  StudyOptions& o = state_.options;
  // A tick that was on its way when recitation stopped must not replace the
  // running test's question.
  if (!o.reciting) return;
  const int q = ChooseEntryIndex(state_.random, o.rangeFirst, o.rangeLast, o.sequentialRecite != 0,
                                 o.reciteCursor, state_.currentBook.GetCount());
  const WordEntry entry = state_.currentBook.GetEntry(q);
  if (o.recordRecitedWords) AppendHistoryRecord(state_.recitedWordsStream, entry.word, entry.meaning);
  o.questionMeaning = entry.meaning;
  o.questionWord = entry.word;
  // The cursor has moved already: in book order the first word after a
  // start is number 2; in random order every word carries the same number.
  const std::string text = "No." + std::to_string(o.reciteCursor + 1) + " : " + " " + entry.word +
                           "    " + entry.meaning;
  if (o.pronounceWords) state_.notices.Speak(o.questionWord + "意思是" + o.questionMeaning);
  view_.ShowStripText(text);
}

void Recitation::SetReciteInterval(int seconds) {
  // The speed menu lives in the strip, which exists only while reciting; a
  // speed command at any other time must not start ticks of its own.
  if (state_.options.reciting) view_.StartReciteTimer(seconds);
  state_.options.reciteIntervalSeconds = seconds;
}

void Recitation::RecordShownWord() {
  const StudyOptions& o = state_.options;
  AppendHistoryRecord(state_.recitedWordsStream, o.questionWord, o.questionMeaning);
}

}  // namespace vodari
