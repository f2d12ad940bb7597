// The books: GBK text, the history books, the reader, the catalogue and the
// searches over all books.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <mbctype.h>
#include <mbstring.h>
#include <share.h>
#include <sys/stat.h>
#endif

#include "books/catalogue.h"
#include "books/gbk.h"
#include "books/history_book.h"
#include "books/shared_file.h"
#include "books/word_table.h"
#include "capture/capture_search.h"
#include "lookup/base_forms.h"
#include "lookup/book_search.h"
#include "res/resource.h"
#include "temp_folder.h"

namespace vodari {
namespace {

using namespace std::string_literals;

using Entries = std::vector<std::pair<std::string, std::string>>;

std::string Book(int n) { return "books\\单词本" + std::to_string(n) + ".txt"; }

// Sources are UTF-8: the program's literals must be compiled to GBK bytes.
TEST(Gbk, LiteralsAreGbkBytesAndCharactersFollowTheLeadAndTrailRanges) {
  EXPECT_EQ(std::string("单词本"), "\xB5\xA5\xB4\xCA\xB1\xBE");
  // A character's length follows the lead and trail byte ranges.
  const std::pair<std::string, std::size_t> cases[] = {
      {"A", 1},        {"\x81\x40", 2}, {"\xFE\xFE", 2}, {"\x81\x7E", 2},
      {"\x81\x80", 2}, {"\x81\x7F", 0}, {"\x81\xFF", 0}, {"\x81\x3F", 0},
      {"\x80", 0},     {"\xFF\x40", 0}, {"\xB0", 0}};
  for (const auto& [bytes, length] : cases) EXPECT_EQ(GbkCharLength(bytes, 0), length) << bytes;
}

#ifdef _WIN32
TEST(GbkPlatform, ComparisonAndCaseMappingEqualTheCodePage936Functions) {
  ASSERT_EQ(_getmbcp(), 936);
  // Every character of code page 936 that a C string can hold: the single
  // bytes, and each lead byte with every trail byte.
  std::vector<std::string> all;
  for (int c = 1; c < 256; ++c) {
    if (!IsGbkLeadByte(static_cast<unsigned char>(c))) all.push_back(std::string(1, char(c)));
    else
      for (int t = 1; t < 256; ++t) all.push_back({char(c), char(t)});
  }

  // The platform turns these into "?" and a stray byte: their partner is not
  // in the code page. They are kept as they are instead.
  const std::set<std::string> noPartner = {"\xA2\xFB", "\xA2\xFC", "\xA8\xBB",
                                           "\xA8\xBD", "\xA8\xBE", "\xA8\xC0"};
  for (const std::string& c : all) {
    for (bool toLower : {true, false}) {
      std::string platform = c + "Ab";  // the walk must go on after the character
      const std::string mine = toLower ? GbkToLower(platform) : GbkToUpper(platform);
      unsigned char* bytes = reinterpret_cast<unsigned char*>(&platform[0]);
      toLower ? _mbslwr(bytes) : _mbsupr(bytes);
      if (noPartner.count(c) && platform.substr(0, 2) != c)
        EXPECT_EQ(mine.substr(0, 2), c);
      else
        EXPECT_EQ(mine, platform) << std::hex << int(uint8_t(c[0])) << " " << toLower;
    }
  }

  // Sorted the portable way, each character must sort before the next for
  // the platform too; and the first character decides, a prefix sorts first.
  std::sort(all.begin(), all.end(),
            [](const std::string& a, const std::string& b) { return CompareGbk(a, b) < 0; });
  const auto text = [](const std::string& s) {
    return reinterpret_cast<const unsigned char*>(s.c_str());
  };
  for (std::size_t i = 0; i + 1 < all.size(); ++i) {
    const std::string& a = all[i];
    const std::string& b = all[i + 1];
    for (const auto& [x, y] :
         {std::pair{a, b}, std::pair{a + "z", b + "a"}, std::pair{a, a + "a"}}) {
      ASSERT_LT(CompareGbk(x, y), 0) << x << " " << y;
      ASSERT_LT(_mbscmp(text(x), text(y)), 0) << x << " " << y;
    }
  }
}
#endif

TEST(Catalogue, EveryBookHasItsOwnCommandAndFile) {
  std::set<std::string> files;
  for (const CatalogueBook& book : Catalogue()) {
    EXPECT_TRUE(book.menuId >= ID_FIRST_BOOK_COMMAND && book.menuId <= ID_LAST_BOOK_COMMAND);
    EXPECT_EQ(FindCatalogueBook(book.menuId), &book) << book.file;  // not another book's
    EXPECT_TRUE(files.insert(book.file).second) << book.file;
  }
}

class BooksTest : public ::testing::Test {
 protected:
  void Load(const std::string& bytes) {
    test::WriteBytes(dir.File("book.txt"), bytes);
    table.LoadFile(dir.File("book.txt"));
  }
  Entries Loaded() const {
    Entries entries;
    for (int i = 0; i < table.GetCount(); ++i) {
      EXPECT_EQ(table.GetEntry(i).number, i);
      entries.emplace_back(table.GetEntry(i).word, table.GetEntry(i).meaning);
    }
    return entries;
  }
  test::TempFolder dir{true};  // the searches read "books\\..." in the working folder
  std::vector<std::string> notices;
  CWordTable table{[this](const std::string& text) { notices.push_back(text); }};
};

TEST_F(BooksTest, HistoryRecordsGoOnDiskAtTheEndTheFileHasNow) {
  // "俓" has 0x5C ('\') as its second GBK byte: it must not split the path
  // where a backslash is a folder separator for the program.
  const std::string path = dir.File("俓重点单词记录.txt");
  {
    HistoryStream first;
    first.Open(path);
    EXPECT_EQ(test::ReadBytes(path), "");           // created, without a title line
    ClearHistoryBook(path, kMissedWordsBookTitle);  // through another handle
    AppendHistoryRecord(first, "cat", "猫");
    EXPECT_EQ(test::ReadBytes(path), "重点单词记录\r\n@cat\r\n猫\r\n");  // on disk before Close
    AppendHistoryRecord(first, "give up", "");
  }
  HistoryStream second;
  second.Open(path);  // opening never truncates
  AppendHistoryRecord(second, "dog", "狗");
  EXPECT_EQ(test::ReadBytes(path), "重点单词记录\r\n@cat\r\n猫\r\n@give up\r\n\r\n@dog\r\n狗\r\n");
  ClearHistoryBook(path, kRecitedWordsBookTitle);  // shortens the file under the stream
  AppendHistoryRecord(second, "c", "C");
  EXPECT_EQ(test::ReadBytes(path), "曾经背记过的单词\r\n@c\r\nC\r\n");
}

// A record is written whole or not at all, and a book cut off after its
// last line (a record half written elsewhere) keeps that line whole.
TEST_F(BooksTest, HistoryBookNeverLosesAWholeRecord) {
  const std::string path = dir.File("重点单词记录.txt");
  const std::string cut = "重点单词记录\r\n@w00105\r\nm00105 意思";
  test::WriteBytes(path, cut);
  HistoryStream stream;
  stream.Open(path);
  AppendHistoryRecord(stream, "cat", "猫");
  EXPECT_EQ(test::ReadBytes(path), cut + "\r\n@cat\r\n猫\r\n");
#ifndef _WIN32
  // A disk that fills up in the middle of the record.
  const std::string before = test::ReadBytes(path);
  ::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit full = old;
  full.rlim_cur = before.size() + 8;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
  AppendHistoryRecord(stream, "dog", std::string(100, 'm'));
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &old), 0);
  EXPECT_EQ(test::ReadBytes(path), before);
  EXPECT_TRUE(stream.Failed());
#endif
}

TEST_F(BooksTest, ReadsBooksByTheFormatRules) {
  const std::string x1022(1022, 'x'), m1023(1023, 'm');
  const std::tuple<const char*, std::string, std::string, Entries> cases[] = {
      {"crlf", "书\r\n@apple\r\n苹果\r\n@b\r\n书\r\n", "书", {{"apple", "苹果"}, {"b", "书"}}},
      {"lone lf, no final end", "t\n@a\n苹果\n@b\n书", "t", {{"a", "苹果"}, {"b", "书"}}},
      {"title is entry 0", "@cat\r\n猫\r\n@dog\r\n狗\r\n", "@cat", {{"cat", "猫"}, {"dog", "狗"}}},
      {"meaning taken whole", "t\r\n@a\r\n@b\r\nx\r\n", "t", {{"a", "@b"}}},
      {"last word line", "t\r\n@a\r\nA\r\n@last", "t", {{"a", "A"}, {"last", ""}}},
      {"word cut, not trimmed", "t\r\n@" + std::string(60, 'w') + "\r\nm\r\n@ a b  \r\nm\r\n", "t",
       {{std::string(49, 'w'), "m"}, {" a b  ", "m"}}},
      {"long lines in pieces", "t\r\n@a\r\n" + m1023 + "rest\r\n@b\r\n" + m1023 + "@c\r\nC\r\n",
       "t", {{"a", m1023}, {"b", m1023}, {"c", "C"}}},
      {"1023-byte line is one line", "t\r\n@" + x1022 + "\r\n意思\r\n", "t",
       {{x1022.substr(0, 49), "意思"}}},
      {"cr lf after 1022 bytes", "t\r\n@a\r\n" + x1022 + "\r\n@b\r\nB\r\n", "t",
       {{"a", x1022}, {"b", "B"}}},
      {"lone cr kept, nul ends", "t\r\n@c\ra\0t\r\nm\0x\r\n"s, "t", {{"c\ra", "m"}}},
      {"title cut", std::string(1500, 'T') + "\r\n@a\r\nA\r\n", std::string(1023, 'T'),
       {{"a", "A"}}},
  };
  for (const auto& [name, bytes, title, entries] : cases) {
    SCOPED_TRACE(name);
    Load(bytes);
    EXPECT_EQ(table.title, title);
    EXPECT_EQ(Loaded(), entries);
    EXPECT_EQ(table.loaded, !entries.empty());
  }
  EXPECT_TRUE(notices.empty());
}

TEST_F(BooksTest, LoadingKeepsTheFirst7000EntriesAndTheTableWhenABookCannotBeOpened) {
  test::WriteBook(dir.File("big.txt"), 7005, "w");  // larger than one read of the file
  table.LoadFile(dir.File("big.txt"));
  ASSERT_EQ(table.GetCount(), 7000);
  EXPECT_EQ(table.GetEntry(6999).meaning, "w6999 的意思");
  test::WriteBook(dir.File("small.txt"), 10, "new");
  table.LoadFile(dir.File("small.txt"));
  for (int index : {10, 50, -1, 100000}) EXPECT_EQ(table.GetEntry(index).word, "new00") << index;

  // A missing book is created empty; one that cannot be opened keeps the table.
  table.LoadFile(dir.File("missing.txt"));
  EXPECT_EQ(table.GetCount(), 0);
  EXPECT_EQ(test::ReadBytes(dir.File("missing.txt")), "");

  // A book as large as a book can be loads; a larger file is no book (it
  // could not be held) and, like one that cannot be opened, keeps the table.
  const std::string longest = "@" + std::string(49, 'w') + "\r\n" + std::string(1023, 'm') + "\r\n";
  std::string largest = "t\r\n";
  for (int i = 0; i < 7000; ++i) largest += longest;
  test::WriteBytes(dir.File("largest.txt"), largest);
  table.LoadFile(dir.File("largest.txt"));
  EXPECT_EQ(table.GetCount(), 7000);
  // A search run from a message box of another takes books in any order;
  // the table always holds a whole book.
  ASSERT_TRUE(table.ReadFileBytes(dir.File("small.txt")));
  table.TakeReadBook();  // the inner search's take
  table.TakeReadBook();  // the outer one's, of a book taken already
  EXPECT_EQ(table.GetCount(), 10);
  EXPECT_EQ(table.GetEntry(9).word, "new09");
  Load("Old\r\n@a\r\nA\r\n@b\r\nB\r\n");
  test::WriteBytes(dir.File("huge.txt"), "");
  std::filesystem::resize_file(NativePath(dir.File("huge.txt")), CWordTable::kMaxBookBytes + 1);
  table.LoadFile(dir.File("huge.txt"));
  table.LoadFile(dir.File("no-such-folder\\book.txt"));
  EXPECT_EQ(notices, std::vector<std::string>(2, "不能打开单词本"));
  EXPECT_EQ(table.title, "Old");
  EXPECT_EQ(Loaded(), (Entries{{"a", "A"}, {"b", "B"}}));
}

TEST_F(BooksTest, SearchReadsTheBooksInOrderInLowerCaseThenInCapitals) {
  // A book that cannot be opened is passed over with a notice, in every pass
  // that reaches it: on Windows held open without sharing, elsewhere a folder.
#ifdef _WIN32
  const int locked = _sopen(Book(4).c_str(), _O_RDWR | _O_CREAT, _SH_DENYRW, _S_IREAD | _S_IWRITE);
  ASSERT_GE(locked, 0);
#else
  std::filesystem::create_directory(NativePath(Book(4)));
#endif
  test::WriteBytes(Book(3), "三\r\n@GRE\r\n3\r\n");
  test::WriteBytes(Book(7), "七\r\n@abandon\r\n放弃\r\n");
  test::WriteBytes(Book(35), "三十五\r\n@GRE\r\n35\r\n@gone \r\nx\r\n");  // the blank is the word's
  EXPECT_EQ(LookupResultText(SearchAllBooks(table, "Abandon").value()), "abandon    放弃");
  EXPECT_EQ(table.title, "七");
  EXPECT_TRUE(test::FileExists("books\\用户自定义字典.txt") && test::FileExists(Book(6)));
  EXPECT_FALSE(test::FileExists(Book(8)));
  EXPECT_EQ(SearchAllBooks(table, "gre").value().meaning, "35");  // the table first: not book 3
  EXPECT_EQ(table.title, "三十五");

  // A miss creates every missing book and leaves the table holding the last.
  table.LoadFile(Book(7));
  EXPECT_FALSE(SearchAllBooks(table, "gone"));
  EXPECT_EQ(table.title, "三十五");
#ifdef _WIN32
  _close(locked);
#endif
  for (const std::string& book : SearchBooks()) EXPECT_TRUE(test::FileExists(book)) << book;
  // Once in "Abandon" and "gre", then in each of the three passes of "gone"
  // (lower case, capitals, the forms meant).
  EXPECT_EQ(notices, std::vector<std::string>(5, "不能打开单词本"));
}

// After the exact forms (and the popup's dropped final "s"), both searches
// find the word with a capital first letter and the base forms of an
// inflected word, shown as stored; an exact form anywhere comes first, and
// a more likely form in a later book before a less likely one in an earlier
// book. A form of comparison stands only for an adjective or an adverb.
TEST_F(BooksTest, SearchFindsTheFormTheReaderMeansAfterTheExactForms) {
  test::WriteBytes(Book(3),
                   "三\r\n@book\r\n书\r\n@walk\r\n走\r\n@child\r\n孩子\r\n@study\r\n学习\r\n"
                   "@English\r\n英语\r\n@Monday\r\n星期一\r\n@big\r\nadj. 大的\r\n@cat\r\n猫\r\n"
                   "@east\r\nn. 东方\r\n@hop\r\nv. 跳\r\n@pet\r\nn. 宠物\r\n");
  test::WriteBytes(Book(35), "三十五\r\n@CATS\r\n大写\r\n@gone\r\n去\r\n@Easter\r\nn. 复活节\r\n"
                             "@hope\r\nv. 希望\r\n");
  using Search = std::optional<WordEntry> (*)(CWordTable&, const std::string&);
  const std::tuple<Search, std::string, std::string> cases[] = {
      {SearchCapturedWord, "Books", "book"},     {SearchCapturedWord, "Cats", "CATS"},
      {SearchAllBooks, "walked", "walk"},        {SearchCapturedWord, "walked", "walk"},
      {SearchAllBooks, "children", "child"},     {SearchCapturedWord, "Studies", "study"},
      {SearchAllBooks, "english", "English"},    {SearchCapturedWord, "ENGLISH", "English"},
      {SearchCapturedWord, "Mondays", "Monday"}, {SearchAllBooks, "bigger", "big"},
      {SearchAllBooks, "gone", "gone"},          {SearchCapturedWord, "walkedx", "(none)"},
      {SearchAllBooks, "easter", "Easter"},      {SearchCapturedWord, "hoped", "hope"},
      {SearchCapturedWord, "Peter", "(none)"}};
  for (const auto& [search, input, stored] : cases) {
    const auto found = search(table, input);
    EXPECT_EQ(found ? found->word : "(none)", stored) << input;
  }
  // The table ends holding the book of the match, also after a later book.
  ASSERT_TRUE(SearchAllBooks(table, "walked"));
  EXPECT_EQ(table.title, "三");
}

// The base forms of inflected words, most likely first.
TEST(BaseForms, RegularRulesAndIrregularTable) {
  const std::pair<std::string, std::string> firsts[] = {
      {"walked", "walk"},   {"hoped", "hope"},      {"hopped", "hop"},    {"used", "use"},
      {"studies", "study"}, {"studied", "study"},   {"making", "make"},   {"running", "run"},
      {"lying", "lie"},     {"bigger", "big"},      {"closer", "close"},  {"happiest", "happy"},
      {"believes", "believe"}, {"firemen", "fireman"}, {"analyses", "analysis"}, {"bathed", "bathe"},
      {"children", "child"}, {"feet", "foot"},      {"went", "go"},       {"was", "be"},
      {"did", "do"},        {"taken", "take"},      {"better", "good"},   {"worst", "bad"},
      {"mice", "mouse"},    {"john's", "john"},     {"boxes", "boxe"},    {"visited", "visit"},
      {"grandchildren", "grandchild"}, {"picked", "pick"}, {"snuck", "sneak"}};
  for (const auto& [word, first] : firsts) {
    const std::vector<std::string> bases = BaseForms(word);
    EXPECT_EQ(bases.empty() ? "(none)" : bases.front(), first) << word;
  }
  for (const auto& [word, base] : {std::pair("boxes", "box"), std::pair("panicked", "panic"),
                                   std::pair("knives", "knife"), std::pair("wolves", "wolf")}) {
    const std::vector<std::string> bases = BaseForms(word);
    EXPECT_NE(std::find(bases.begin(), bases.end(), base), bases.end()) << word;
  }
  EXPECT_EQ(BaseForms("better"), (std::vector<std::string>{"good", "well", "bet", "bett", "bette"}));
  for (const char* none : {"", "book", "Walked", "走了", "co-op"}) EXPECT_EQ(BaseForms(none), std::vector<std::string>{}) << none;
}

TEST_F(BooksTest, IncrementalLookupShowsTheFirstWordAtOrAfterTheInput) {
  Load("t\r\n@Apple\r\n1\r\n@aba\r\n2\r\n@abandon\r\n3\r\n@abc\r\n4\r\n");
  const std::pair<const char*, const char*> cases[] = {
      {"", "Apple"}, {"ab", "aba"}, {"aban", "abandon"}, {"abb", "abc"}, {"abd", ""}};
  for (const auto& [input, word] : cases) {
    const auto found = IncrementalLookup(table, input);
    EXPECT_EQ(found ? found->word : "", word) << input;
  }
}

}  // namespace
}  // namespace vodari
