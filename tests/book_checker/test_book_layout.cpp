// The checker's replay of the loader must agree with the program's own
// loader, CWordTable, on every awkward book, or its findings are about a book
// the program never sees.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "book_checker/book_check.h"
#include "books/word_table.h"

namespace vodari::book_checker {
namespace {

using namespace std::string_literals;

std::string Entries(int count) {
  std::string text = "title\r\n";
  for (int i = 0; i < count; ++i) text += "@w" + std::to_string(i) + "\r\nm\r\n";
  return text;
}

struct LoaderCase {
  const char* name;
  std::string bytes;
};

// Loads `bytes` with the program's loader and compares it with the replay.
void ExpectSameAsLoader(const std::string& bytes, const std::string& name) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("book-layout-" + name + ".txt");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  CWordTable table;
  table.LoadFile(path.string());
  std::filesystem::remove(path);

  const BookLayout layout = ReadBookLayout(bytes);
  EXPECT_EQ(layout.title, table.title);
  ASSERT_EQ(static_cast<int>(layout.entries.size()), table.GetCount());
  for (int i = 0; i < table.GetCount(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(layout.entries[i].word, table.GetEntry(i).word);
    EXPECT_EQ(layout.entries[i].meaning, table.GetEntry(i).meaning);
  }
}

class LayoutMatchesLoader : public ::testing::TestWithParam<LoaderCase> {};

TEST_P(LayoutMatchesLoader, SameTitleWordsAndMeanings) {
  ExpectSameAsLoader(GetParam().bytes, GetParam().name);
}

// Books pieced together at random from the fragments that matter: line
// ends, "@", NUL, double-byte characters and runs that reach the 1023-byte
// piece boundary.
TEST(LayoutMatchesLoaderOnRandomBooks, SameTitleWordsAndMeanings) {
  const std::string fragments[] = {"@",
                                   "a",
                                   "\r",
                                   "\n",
                                   "\r\n",
                                   std::string(1, '\0'),
                                   "苹",
                                   " ",
                                   std::string(1000, 'x'),
                                   std::string(1021, 'y')};
  std::mt19937 random(20240611);
  for (int book = 0; book < 300; ++book) {
    std::string bytes;
    const int length = static_cast<int>(random() % 40);
    for (int i = 0; i < length; ++i) bytes += fragments[random() % std::size(fragments)];
    SCOPED_TRACE(book);
    ExpectSameAsLoader(bytes, "random");
    if (HasFatalFailure()) return;
  }
}

const std::string k1022(1022, 'x');
const std::string k1023(1023, 'y');

INSTANTIATE_TEST_SUITE_P(
    AwkwardBooks, LayoutMatchesLoader,
    ::testing::Values(LoaderCase{"plain", "初中英语\r\n@apple\r\n苹果\r\n@book\r\n书\r\n"},
                      LoaderCase{"lone_lf", "t\n@apple\n苹果\n@book\n书"},
                      LoaderCase{"title_is_entry", "@cat\r\n猫\r\n@dog\r\n狗\r\n"},
                      LoaderCase{"single_word_line_without_end", "@cat"},
                      LoaderCase{"last_word_line_without_end", "t\r\n@a\r\nm\r\n@cat"},
                      LoaderCase{"last_word_line_with_end", "t\r\n@a\r\nm\r\n@cat\r\n"},
                      LoaderCase{"word_after_word", "t\r\n@a\r\n@b\r\nm\r\n@c\r\nm\r\n"},
                      LoaderCase{"long_word_line", "t\r\n@" + k1023 + "tail\r\nm\r\n@z\r\nn\r\n"},
                      LoaderCase{"word_line_of_1023", "t\r\n@" + k1022 + "\r\nm\r\n@z\r\nn\r\n"},
                      LoaderCase{"word_line_of_1023_at_end", "t\r\n@" + k1022},
                      LoaderCase{"meaning_rest_is_word", "t\r\n@a\r\n" + k1023 + "@b\r\nm\r\n"},
                      LoaderCase{"meaning_of_2046",
                                 "t\r\n@a\r\n" + k1023 + k1023 + "\r\n@b\r\nm\r\n"},
                      LoaderCase{"long_title", k1023 + "@t\r\nm\r\n@a\r\nm\r\n"},
                      LoaderCase{"nul_bytes", "t\r\n@ca\0t\r\nm\0x\r\n\0@b\r\nq\r\n"s},
                      LoaderCase{"cr_cr_lf", "t\r\n@cat\r\r\nm\r\r\n@a\rb\r\nm\r\n"},
                      LoaderCase{"blank_and_notes", "t\r\n\r\nnote\r\n@a\r\n\r\n @b\r\nm\r\n"},
                      LoaderCase{"empty", ""}, LoaderCase{"title_only", "重点单词记录\r\n"},
                      LoaderCase{"over_capacity", Entries(7003)},
                      LoaderCase{"at_capacity", Entries(7000)}),
    [](const ::testing::TestParamInfo<LoaderCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vodari::book_checker
