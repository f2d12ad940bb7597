#include "study/question.h"

namespace vodari {

int ChooseEntryIndex(RandomGenerator& rng, int rangeFirst, int rangeLast, bool sequential,
                     int& cursor, int count) {
  if (rangeLast != 0 && !sequential) {
    // Rejection sampling keeps every index of the range equally likely. The
    // range upkeep guarantees 0 <= first <= last <= 7000, so this ends.
    for (;;) {
      int r = rng.Next();
      if (r >= rangeFirst && r <= rangeLast) return r;
    }
  }
  if (sequential) {
    int q = rangeFirst + cursor;
    ++cursor;
    if (q >= rangeLast) {
      q = rangeFirst;
      cursor = 1;
    }
    return q;
  }
  return count > 0 ? rng.Next() % count : 0;
}

Question BuildQuestion(RandomGenerator& rng, StudyOptions& options, const CWordTable& currentBook,
                       const CWordTable& distractorBook) {
  const int q =
      ChooseEntryIndex(rng, options.rangeFirst, options.rangeLast, options.sequentialTest != 0,
                       options.testCursor, currentBook.GetCount());
  const WordEntry asked = currentBook.GetEntry(q);

  Question question;
  std::array<int, 4> drawn{};
  for (int j = 0; j < 4; ++j) {
    for (;;) {
      const int m = distractorBook.GetCount();
      drawn[j] = m > 0 ? rng.Next() % m : 0;
      // With fewer than four entries repeats cannot be avoided.
      if (j == 0 || m < 4) break;
      bool repeated = false;
      for (int k = 0; k < j; ++k) repeated = repeated || drawn[k] == drawn[j];
      if (!repeated) break;
    }
    question.choices[j] = distractorBook.GetEntry(drawn[j]);
  }

  const int slot = rng.Next() % 4;
  question.choices[slot] = asked;
  question.correctSlot = slot;
  options.correctSlot = slot;
  return question;
}

}  // namespace vodari
