#include "study/study_state.h"

namespace vodari {

StudyState::StudyState(Notices& notices_)
    : currentBook([this](const std::string& text) { notices.ShowMessage(text); }),
      distractorBook([this](const std::string& text) { notices.ShowMessage(text); }),
      notices(notices_) {}

bool StudyState::Initialise(std::uint32_t seed) {
  distractorBook.LoadFile(kDistractorBookPath);
  if (!distractorBook.loaded) {
    notices.ShowMessage("不能初始化单词表\n请检查\"单词本18.txt\"是否为空");
    return false;
  }
  options.rangeLast = distractorBook.GetCount();
  rangeBookCount = options.rangeLast;
  missedWordsStream.Open(kMissedWordsBookPath);
  recitedWordsStream.Open(kRecitedWordsBookPath);
  random.Seed(seed);
  return true;
}

void StudyState::CloseHistoryBooks() {
  missedWordsStream.Close();
  recitedWordsStream.Close();
}

}  // namespace vodari
