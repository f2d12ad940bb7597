// Building one multiple-choice question: the asked entry, four wrong
// meanings from the distractor book, and the slot of the right one.
#pragma once

#include <array>

#include "books/word_table.h"
#include "study/random_generator.h"
#include "study/study_options.h"

namespace vodari {

// Chooses the index of the next entry of a book of `count` entries; test and
// recitation each pass their own order flag and cursor.
//  - a range and random order: draws until first <= r <= last (both ends
//    included, so r may be `count`, one past the last entry);
//  - book order: first + cursor, the end excluded, wrapping to `first`;
//  - random order without a range: a draw modulo the count.
int ChooseEntryIndex(RandomGenerator& rng, int rangeFirst, int rangeLast, bool sequential,
                     int& cursor, int count);

struct Question {
  std::array<WordEntry, 4> choices;  // slots A..D
  int correctSlot = 0;
  const WordEntry& Asked() const { return choices[correctSlot]; }
};

// Picks the asked entry of `currentBook` under the options' range and order
// (moving `testCursor` in book order), fills the four slots from
// `distractorBook` (pairwise different entries when it has four or more),
// then puts the asked entry into a random slot and stores it in
// `correctSlot`. The random draws happen in exactly this order. Last, a
// wrong answer whose meaning is the right one's or an earlier wrong one's
// is drawn again, as far as the book allows.
Question BuildQuestion(RandomGenerator& rng, StudyOptions& options, const CWordTable& currentBook,
                       const CWordTable& distractorBook);

}  // namespace vodari
