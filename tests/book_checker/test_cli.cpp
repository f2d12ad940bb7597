#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "book_checker/cli.h"

namespace vodari::book_checker {
namespace {

namespace fs = std::filesystem;

class BookCheckerCommand : public ::testing::Test {
 protected:
  BookCheckerCommand() {
    dir_ = fs::temp_directory_path() /
           ("book-checker-" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~BookCheckerCommand() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  int Run(const std::vector<std::string>& args) {
    out.str("");
    err.str("");
    return RunBookChecker(args, out, err);
  }

  std::ostringstream out;
  std::ostringstream err;

 private:
  fs::path dir_;
};

TEST_F(BookCheckerCommand, ExitStatusFollowsTheFindings) {
  const std::string clean = Write("clean.txt", "t\r\n@a\r\nm\r\n@b\r\nm\r\n");
  const std::string warned = Write("warned.txt", "t\r\n@b\r\nm\r\n@a\r\nm\r\n");
  const std::string broken = Write("broken.txt", "t\r\n@a\r\nm\r\n@a\r\nm\r\n");
  const std::string empty = Write("history.txt", "history\r\n");
  const struct {
    std::vector<std::string> args;
    int status;
  } cases[] = {
      {{clean}, 0},
      {{warned}, 0},
      {{"--werror", warned}, 1},
      {{broken}, 1},
      {{empty}, 1},
      {{"--werror", "--allow-empty", empty}, 0},
      {{clean, Path("missing.txt")}, 2},
      {{}, 2},
      {{"--strict", clean}, 2},
      {{"--help"}, 0},
  };
  for (const auto& c : cases) {
    std::string args;
    for (const std::string& a : c.args) args += a + " ";
    EXPECT_EQ(Run(c.args), c.status) << args << "\n" << out.str() << err.str();
  }
}

TEST_F(BookCheckerCommand, PrintsFindingsAndASummaryPerBook) {
  const std::string book = Write("x.txt", "t\r\n@a\r\nm\r\n@a\r\nm\r\n");
  EXPECT_EQ(Run({"--quiet", book}), 1);
  EXPECT_EQ(out.str(), book + ":4: error: duplicate word \"a\", first at line 2\n" + book +
                           ": 2 entries, 1 error, 0 warnings\n");

  EXPECT_EQ(Run({book}), 1);
  EXPECT_EQ(out.str().rfind(book + ": title \"t\"\n", 0), 0u) << out.str();

  EXPECT_EQ(Run({Path("missing.txt")}), 2);
  EXPECT_EQ(err.str(), Path("missing.txt") + ": cannot read the file\n");
}

TEST_F(BookCheckerCommand, ConvertWritesTheBookOnlyWhenClean) {
  const std::string table = Write("words.tsv", u8"apple\t苹果\n");
  const std::string book = Path("book.txt");
  EXPECT_EQ(Run({"--convert", table, book, "--title", u8"水果"}), 0) << out.str();
  std::ifstream in(book, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "水果\r\n@apple\r\n苹果\r\n");

  const std::string bad = Write("bad.tsv", u8"apple\t苹果\neuro\t€\n");
  const std::string refused = Path("refused.txt");
  EXPECT_EQ(Run({"--convert", bad, refused, "--title", "t"}), 1);
  EXPECT_FALSE(fs::exists(refused));
  EXPECT_NE(out.str().find(bad + ":2: error: character"), std::string::npos) << out.str();

  EXPECT_EQ(Run({"--convert", table, book}), 2);  // no title
}

}  // namespace
}  // namespace vodari::book_checker
