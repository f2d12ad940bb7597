// Looking a word up over all word books: the full search of the lookup
// dialog (and of the capture popup, which tries one more form), and the
// incremental lookup over one table while the user types.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "books/word_table.h"

namespace vodari {

inline constexpr const char* kLookupNotFoundText = "现在的单词库中没有你想要找的单词, 请手动加入";
inline constexpr const char* kLookupPromptText = "请输入您要查询的单词";

// The books of a full search, in order: 考研单词表, 用户自定义字典 and
// 单词本1 to 单词本35.
std::vector<std::string> SearchBooks();

// False only when no entry of the book in `bytes` can have `word`: the book
// nowhere holds "@", the word and then a line end (or the end of the file, a
// NUL byte, or anything at all when the word is as long as a word can be).
// Much faster than reading the book into a table, so the full search reads
// into the table only the books that may hold the word.
bool BookMayHoldWord(std::string_view bytes, const std::string& word);

// Looks each form up in turn, stopping at the first exact match (same
// bytes, same length). Each form is looked for first in `table` as it
// stands, then in every book of SearchBooks(), each read afresh from its
// file (a missing one is created; one that cannot be opened gets the
// table's notice). `table` ends holding the book of the match, or the last
// book read, as if every book had been loaded into it in turn.
std::optional<WordEntry> SearchForms(CWordTable& table, const std::vector<std::string>& forms);

// The forms a reader may mean when the word as typed or captured is in no
// book, in the order they are preferred: the word with a capital first
// letter and the rest in lower case (English, Monday), then its base forms
// (walked: walk; children: child), then those with a capital first letter.
// Forms in `tried` are left out. A form of comparison (bigger: big) stands
// only for an adjective or an adverb.
struct MeantForm {
  std::string word;
  bool comparison = false;
};
std::vector<MeantForm> MeantForms(const std::string& word, const std::vector<std::string>& tried);

// Whether an entry with `meaning` can be what `form` means: any entry, but
// for a form of comparison only one that is an adjective or an adverb.
bool Fits(const MeantForm& form, std::string_view meaning);

// The last pass of a search that found nothing: every book in the order of
// SearchBooks() is looked at for the forms of MeantForms, and the most
// preferred form that some book holds wins (in the first book that holds
// it), as if each form had a pass of its own. `table` ends holding the book
// of the match, or the last book read.
std::optional<WordEntry> SearchMeantForms(CWordTable& table, const std::string& word,
                                          const std::vector<std::string>& tried);

// The full search: `input` in lower case, then in upper case, then the
// forms the reader may mean.
std::optional<WordEntry> SearchAllBooks(CWordTable& table, const std::string& input);

// The first entry, in book order, whose word sorts at or after `input`
// (CompareGbk); nullopt when none does.
std::optional<WordEntry> IncrementalLookup(const CWordTable& table, const std::string& input);

// How a found entry is shown: the word, four spaces, the meaning.
std::string LookupResultText(const WordEntry& entry);

}  // namespace vodari
