#include "study/vocabulary_test.h"

#include <cstdio>

#include "study/question.h"

namespace vodari {
namespace {

constexpr const char* kRightSound = "sound\\right.wav";
constexpr const char* kWrongSound = "sound\\wrong.wav";
constexpr const char* kSuccessSound = "sound\\success.wav";
constexpr const char* kFailedSound = "sound\\failed.wav";

constexpr const char* kEmptyBookOnStart = "你所选单词本中没有单词";
constexpr const char* kEmptyBookChosen = "你所选的单词本中没有单词";

// Accuracy as a whole percentage, truncated, as the test and the summary
// report it ("66.00" for 2 of 3).
int WholePercent(int right, int total) { return right * 100 / total; }

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

}  // namespace

void VocabularyTest::StartTest() {
  StudyOptions& o = state_.options;
  if (o.testRunning) {
    state_.notices.ShowMessage("你已经开始测验了");
    return;
  }
  view_.ShowFeedback("");
  state_.currentBook.LoadFile(o.bookPath);
  if (state_.currentBook.GetCount() == 0) {
    state_.notices.ShowMessage(kEmptyBookOnStart);
    return;
  }
  view_.ShowBookTitle(state_.currentBook.title);
  NextQuestion();  // the first question is not spoken
  o.testRunning = true;
}

void VocabularyTest::NextQuestion() {
  StudyOptions& o = state_.options;
  const Question question =
      BuildQuestion(state_.random, o, state_.currentBook, state_.distractorBook);
  std::array<std::string, 4> meanings;
  for (int slot = 0; slot < 4; ++slot) meanings[slot] = question.choices[slot].meaning;
  view_.ShowQuestion(question.Asked().word, meanings);
  o.questionMeaning = question.Asked().meaning;
  o.questionWord = question.Asked().word;
}

void VocabularyTest::ChooseAnswer(int slot) {
  StudyOptions& o = state_.options;
  if (!o.testRunning) return;
  o.chosenSlot = slot;
  JudgeAnswer();
  if (o.resetPreviousChoice) view_.UncheckAnswer(slot);
}

void VocabularyTest::JudgeAnswer() {
  StudyOptions& o = state_.options;
  Notices& notices = state_.notices;
  const std::string correction =
      "错了, 继续努力!~, 正确的意思是:\n" + o.questionWord + "     \n" + o.questionMeaning;
  if (o.chosenSlot == o.correctSlot) {
    ++o.testRight;
    ++o.totalRight;
    view_.ShowFeedback("对了, 再接再励!~");
    if (o.playAnswerSounds) notices.PlaySoundFile(kRightSound);
  } else {
    ++o.testWrong;
    ++o.totalWrong;
    view_.ShowFeedback(correction);
    if (o.popupOnWrong) notices.ShowWrongAnswerPopup("答错了!");
    if (o.recordMissedWords)
      AppendHistoryRecord(state_.missedWordsStream, o.questionWord, o.questionMeaning);
    if (o.playAnswerSounds) notices.PlaySoundFile(kWrongSound);
  }
  view_.ShowCounts(o.testRight, o.testWrong);
  NextQuestion();
  if (o.pronounceWords) notices.Speak(o.questionWord);
}

void VocabularyTest::EndTest() {
  StudyOptions& o = state_.options;
  if (!o.testRunning) {
    state_.notices.ShowMessage("你还没有开始呢, 首先要按下开始按扭");
    return;
  }
  if (o.testRight == 0 && o.testWrong == 0) {
    state_.notices.ShowMessage("你至少应该做一题吧?!\n         不许偷懒哦!");
    return;
  }
  o.testRunning = false;
  const int percent = WholePercent(o.testRight, o.testRight + o.testWrong);
  state_.notices.ShowMessage(Format("正确: %d        错误: %d\n正确率: %.2f%%\n 得  分: %d",
                                    o.testRight, o.testWrong, static_cast<double>(percent),
                                    percent));
  o.questionMeaning.clear();
  o.testRight = 0;
  o.testWrong = 0;
  view_.ShowFeedback("要想重新开始, 请再按下＂开始＂按扭");
  view_.ShowCounts(0, 0);
  view_.ClearQuestion();
  ++o.testsFinished;
}

void VocabularyTest::ShowRunSummary() {
  const StudyOptions& o = state_.options;
  if (o.totalRight == 0 && o.totalWrong == 0) return;
  const int total = o.totalRight + o.totalWrong;
  const int percent = WholePercent(o.totalRight, total);
  state_.notices.ShowMessage(
      Format("这次你一共进行的%d轮学习，共做了%d道题\n正确:%d\n错误:%d\n正确率为:%.2f%%",
             o.testsFinished, total, o.totalRight, o.totalWrong, static_cast<double>(percent)));
  state_.notices.PlaySoundFile(percent > 75 ? kSuccessSound : kFailedSound);
}

void VocabularyTest::ChooseBook(const std::string& file) {
  StudyOptions& o = state_.options;
  CWordTable& book = state_.currentBook;
  o.testRunning = false;
  const std::string previous = o.bookPath;
  o.bookPath = file;
  book.LoadFile(o.bookPath);
  if (book.GetCount() == 0) {
    state_.notices.ShowMessage(kEmptyBookChosen);
    o.bookPath = previous;
    book.LoadFile(o.bookPath);
  }
  FitRangeToBook(o, state_.rangeBookCount, book.GetCount());
  state_.rangeBookCount = book.GetCount();
  if (!o.reciting) StartTest();
}

void VocabularyTest::ApplySettings(const std::optional<SettingsFields>& accepted,
                                   const std::string& previousPath) {
  StudyOptions& o = state_.options;
  CWordTable& book = state_.currentBook;
  if (accepted) StoreFields(*accepted, o);
  if (o.resetPreviousChoice)
    for (int slot = 0; slot < 4; ++slot) view_.UncheckAnswer(slot);
  if (o.sequentialTest) o.testCursor = 0;
  book.LoadFile(o.bookPath);
  if (book.GetCount() == 0) {
    book.LoadFile(previousPath);
    o.bookPath = previousPath;
  }
  FitRangeToBook(o, state_.rangeBookCount, book.GetCount());
  state_.rangeBookCount = book.GetCount();
  view_.ShowBookTitle(book.title);
  o.testRunning = false;
  StartTest();
}

}  // namespace vodari
