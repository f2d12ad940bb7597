// The capture popup's search: the all-books search of the lookup, in lower
// case and then in upper case, and, for a word that ends in "s", a third
// pass in lower case without that "s" (a captured plural finds its
// singular), then the forms the reader may mean (a capital first letter,
// the base forms of an inflected word).
#pragma once

#include <optional>
#include <string>

#include "books/word_table.h"

namespace vodari {

// Looks `word` up over all books in up to four passes; `table` ends
// holding the book of the match, or the last book loaded.
std::optional<WordEntry> SearchCapturedWord(CWordTable& table, const std::string& word);

}  // namespace vodari
