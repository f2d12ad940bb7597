#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "book_checker/cli.h"
#include "temp_folder.h"

namespace vodari::book_checker {
namespace {

class BookCheckerCommand : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return dir.Path() + "/" + name; }
  std::string Write(const std::string& name, const std::string& bytes) {
    test::WriteBytes(Path(name), bytes);
    return Path(name);
  }
  int Run(const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    return RunBookChecker(args, out, err);
  }
  test::TempFolder dir;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(BookCheckerCommand, ExitStatusFollowsTheFindings) {
  const std::string clean = Write("clean.txt", "t\r\n@a\r\nm\r\n@b\r\nm\r\n");
  const std::string warned = Write("warned.txt", "t\r\n@b\r\nm\r\n@a\r\nm\r\n");
  const std::string empty = Write("history.txt", "history\r\n");
  const std::string table = Write("words.tsv", u8"apple\t苹果\neuro\t€\n");
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{clean}, 0},
      {{warned}, 0},
      {{"--werror", warned}, 1},
      {{empty}, 1},
      {{"--werror", "--allow-empty", empty}, 0},
      {{clean, Path("missing.txt")}, 2},
      {{"--strict", clean}, 2},
      {{"--convert", table, Path("refused.txt"), "--title", "t"}, 1},
      {{"--convert", table, Path("book.txt")}, 2},  // no title
  };
  for (const auto& c : cases) {
    std::string args;
    for (const std::string& a : c.args) args += a + " ";
    EXPECT_EQ(Run(c.args), c.status) << args << "\n" << out.str() << err.str();
  }
  EXPECT_FALSE(test::FileExists(Path("refused.txt")));
}

TEST_F(BookCheckerCommand, PrintsFindingsAndASummaryPerBookAndWritesConvertedBooks) {
  const std::string book = Write("x.txt", "t\r\n@a\r\nm\r\n@a\r\nm\r\n");
  EXPECT_EQ(Run({"--quiet", book}), 1);
  EXPECT_EQ(out.str(), book + ":4: error: duplicate word \"a\", first at line 2\n" + book +
                           ": 2 entries, 1 error, 0 warnings\n");

  const std::string table = Write("words.tsv", u8"apple\t苹果\n");
  EXPECT_EQ(Run({"--convert", table, Path("book.txt"), "--title", u8"水果"}), 0) << out.str();
  EXPECT_EQ(test::ReadBytes(Path("book.txt")), "水果\r\n@apple\r\n苹果\r\n");
}

}  // namespace
}  // namespace vodari::book_checker
