#include "study/question.h"

#include <optional>
#include <string>
#include <utility>

namespace vodari {
namespace {

// Draws of one wrong answer before a book that lacks four different
// meanings is taken as it is.
constexpr int kMaxRedraws = 64;

// A wrong answer must not read as the right one, nor as a wrong answer in an
// earlier slot: the user would click the right meaning and be told it is
// wrong. Such a slot is drawn again; when the book has too few different
// meanings for that, a draw that at least differs from the right one is
// kept, or else the last one. No draw happens when nothing repeats.
void DrawAgainWhileRepeated(RandomGenerator& rng, const CWordTable& distractorBook,
                            Question& question, int j) {
  const std::string& right = question.Asked().meaning;
  const auto repeated = [&](const WordEntry& entry) {
    if (entry.meaning == right) return true;
    for (int k = 0; k < j; ++k)
      if (k != question.correctSlot && question.choices[k].meaning == entry.meaning) return true;
    return false;
  };
  if (!repeated(question.choices[j])) return;
  const int m = distractorBook.GetCount();
  std::optional<WordEntry> notRight;
  for (int attempt = 0; attempt < kMaxRedraws && m > 0; ++attempt) {
    WordEntry entry = distractorBook.GetEntry(rng.Next() % m);
    if (!repeated(entry)) {
      question.choices[j] = std::move(entry);
      return;
    }
    if (!notRight && entry.meaning != right) notRight = std::move(entry);
  }
  if (notRight) question.choices[j] = std::move(*notRight);
}

}  // namespace

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
  for (int j = 0; j < 4; ++j)
    if (j != slot) DrawAgainWhileRepeated(rng, distractorBook, question, j);
  return question;
}

}  // namespace vodari
