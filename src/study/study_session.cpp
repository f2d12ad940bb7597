#include "study/study_session.h"

#include <cstdio>

#include "res/resource.h"
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

StudySession::StudySession(StudyView& view)
    : currentBook([this](const std::string& text) { view_.ShowMessage(text); }),
      distractorBook([this](const std::string& text) { view_.ShowMessage(text); }),
      view_(view) {}

bool StudySession::Initialise(std::uint32_t seed) {
  distractorBook.LoadFile(kDistractorBookPath);
  if (!distractorBook.loaded) {
    view_.ShowMessage("不能初始化单词表\n请检查\"单词本18.txt\"是否为空");
    return false;
  }
  options.rangeLast = distractorBook.GetCount();
  missedWordsStream.Open(kMissedWordsBookPath);
  recitedWordsStream.Open(kRecitedWordsBookPath);
  random.Seed(seed);
  return true;
}

void StudySession::StartTest() {
  if (options.testRunning) {
    view_.ShowMessage("你已经开始测验了");
    return;
  }
  view_.SetControlText(IDC_HINT, "");
  currentBook.LoadFile(options.bookPath);
  if (currentBook.GetCount() == 0) {
    view_.ShowMessage(kEmptyBookOnStart);
    return;
  }
  view_.ShowBookTitle(currentBook.title);
  NextQuestion();  // the first question is not spoken
  options.testRunning = true;
}

void StudySession::NextQuestion() {
  Question question = BuildQuestion(random, options, currentBook, distractorBook);
  std::array<std::string, 4> meanings;
  for (int slot = 0; slot < 4; ++slot) meanings[slot] = question.choices[slot].meaning;
  view_.ShowQuestion(question.Asked().word, meanings);
  options.questionMeaning = question.Asked().meaning;
  options.questionWord = question.Asked().word;
}

void StudySession::ChooseAnswer(int slot) {
  if (!options.testRunning) return;
  options.chosenSlot = slot;
  JudgeAnswer();
  if (options.resetPreviousChoice) view_.UncheckAnswer(IDC_ANSWER_A + slot);
}

void StudySession::JudgeAnswer() {
  const std::string correction = "错了, 继续努力!~, 正确的意思是:\n" + options.questionWord +
                                 "     \n" + options.questionMeaning;
  if (options.chosenSlot == options.correctSlot) {
    ++options.testRight;
    ++options.totalRight;
    view_.SetControlText(IDC_HINT, "对了, 再接再励!~");
    if (options.playAnswerSounds) view_.PlaySoundFile(kRightSound);
  } else {
    ++options.testWrong;
    ++options.totalWrong;
    view_.SetControlText(IDC_HINT, correction);
    if (options.popupOnWrong) view_.ShowWrongAnswerPopup("答错了!");
    if (options.recordMissedWords)
      AppendHistoryRecord(missedWordsStream, options.questionWord, options.questionMeaning);
    if (options.playAnswerSounds) view_.PlaySoundFile(kWrongSound);
  }
  ShowCounts();
  NextQuestion();
  if (options.pronounceWords) view_.Speak(options.questionWord);
}

void StudySession::ShowCounts() {
  view_.SetControlText(IDC_RIGHT_COUNT, std::to_string(options.testRight));
  view_.SetControlText(IDC_WRONG_COUNT, std::to_string(options.testWrong));
}

void StudySession::EndTest() {
  if (!options.testRunning) {
    view_.ShowMessage("你还没有开始呢, 首先要按下开始按扭");
    return;
  }
  if (options.testRight == 0 && options.testWrong == 0) {
    view_.ShowMessage("你至少应该做一题吧?!\n         不许偷懒哦!");
    return;
  }
  options.testRunning = false;
  const int percent = WholePercent(options.testRight, options.testRight + options.testWrong);
  view_.ShowMessage(Format("正确: %d        错误: %d\n正确率: %.2f%%\n 得  分: %d",
                           options.testRight, options.testWrong, static_cast<double>(percent),
                           percent));
  options.questionMeaning.clear();
  options.testRight = 0;
  options.testWrong = 0;
  view_.SetControlText(IDC_HINT, "要想重新开始, 请再按下＂开始＂按扭");
  ShowCounts();
  view_.SetControlText(IDC_WORD, "");
  for (int id = IDC_MEANING_A; id <= IDC_MEANING_D; ++id) view_.SetControlText(id, "");
  ++options.testsFinished;
}

void StudySession::CloseWithSummary() {
  view_.RemoveTrayIcon();
  if (options.totalRight != 0 || options.totalWrong != 0) {
    const int total = options.totalRight + options.totalWrong;
    const int percent = WholePercent(options.totalRight, total);
    view_.ShowMessage(
        Format("这次你一共进行的%d轮学习，共做了%d道题\n正确:%d\n错误:%d\n正确率为:%.2f%%",
               options.testsFinished, total, options.totalRight, options.totalWrong,
               static_cast<double>(percent)));
    view_.PlaySoundFile(percent > 75 ? kSuccessSound : kFailedSound);
  }
  missedWordsStream.Close();
  recitedWordsStream.Close();
  view_.CloseMainWindow();
}

void StudySession::ChooseBook(const std::string& file) {
  options.testRunning = false;
  const std::string previous = options.bookPath;
  options.bookPath = file;
  currentBook.LoadFile(options.bookPath);
  if (currentBook.GetCount() == 0) {
    view_.ShowMessage(kEmptyBookChosen);
    options.bookPath = previous;
    currentBook.LoadFile(options.bookPath);
  }
  ClampRangeToBook(options, currentBook.GetCount());
  if (!options.reciting) StartTest();
}

void StudySession::ApplySettings(const std::optional<SettingsFields>& accepted,
                                 const std::string& previousPath) {
  if (accepted) StoreFields(*accepted, options);
  if (options.resetPreviousChoice)
    for (int id = IDC_ANSWER_A; id <= IDC_ANSWER_D; ++id) view_.UncheckAnswer(id);
  if (options.sequentialTest) options.testCursor = 0;
  currentBook.LoadFile(options.bookPath);
  if (currentBook.GetCount() == 0) {
    currentBook.LoadFile(previousPath);
    options.bookPath = previousPath;
  }
  ClampRangeToBook(options, currentBook.GetCount());
  view_.ShowBookTitle(currentBook.title);
  options.testRunning = false;
  StartTest();
}

}  // namespace vodari
