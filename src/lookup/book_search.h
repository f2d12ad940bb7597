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

// Looks each form up in turn, stopping at the first exact match (same
// bytes, same length). Each form is looked for first in `table` as it
// stands, then in every book of SearchBooks(), each read afresh from its
// file (a missing one is created; one that cannot be opened gets the
// table's notice). `table` ends holding the book of the match, or the last
// book read, as if every book had been loaded into it in turn.
std::optional<WordEntry> SearchForms(CWordTable& table, const std::vector<std::string>& forms);

// False only when no entry of the book in `bytes` can have `word`: the book
// nowhere holds "@", the word and then a line end (or the end of the file, a
// NUL byte, or anything at all when the word is as long as a word can be).
// Much faster than reading the book into a table, so the full search reads
// into the table only the books that may hold the word.
bool BookMayHoldWord(std::string_view bytes, const std::string& word);

// The full search: `input` in lower case, then in upper case.
std::optional<WordEntry> SearchAllBooks(CWordTable& table, const std::string& input);

// The first entry, in book order, whose word sorts at or after `input`
// (CompareGbk); nullopt when none does.
std::optional<WordEntry> IncrementalLookup(const CWordTable& table, const std::string& input);

// How a found entry is shown: the word, four spaces, the meaning.
std::string LookupResultText(const WordEntry& entry);

}  // namespace vodari
