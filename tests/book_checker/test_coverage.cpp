// The shipped books cover everyday English, measured against the frequency
// lists in tools/coverage: at least 97% of the 5,000 and 90% of the 10,000
// most frequent English base words stand in some book, and the capture
// popup's search resolves at least 96% of running spoken English.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "capture/capture_search.h"
#include "coverage/book_coverage.h"

namespace vodari::coverage {
namespace {

std::vector<WordCount> ReadList(const std::string& name) {
  std::ifstream in(std::string(VODARI_COVERAGE_LISTS) + "/" + name, std::ios::binary);
  return ParseCountTable(std::string(std::istreambuf_iterator<char>(in), {}));
}

TEST(ShippedBooks, CoverEverydayEnglish) {
  const std::vector<WordCount> bases = ReadList("base_words.tsv");
  const std::vector<WordCount> forms = ReadList("spoken_forms.tsv");
  ASSERT_EQ(bases.size(), 10000u);
  ASSERT_EQ(forms.size(), 20000u);
  ProgramFolder folder(VODARI_DATA_BOOKS);
  const std::set<std::string> words = BookWords();
  // The measurement resolves from the book words alone; a sample shows it
  // finds what the popup's own search finds.
  CWordTable table;
  for (std::size_t i = 0; i < forms.size(); i += 50)
    EXPECT_EQ(PopupResolves(words, forms[i].word),
              SearchCapturedWord(table, forms[i].word).has_value())
        << forms[i].word;
  const CoverageReport report = MeasureCoverage(
      bases, forms, words, [&](const std::string& word) { return PopupResolves(words, word); });
  EXPECT_GE(report.top5000, 4850) << "of the top 5,000 base words";
  EXPECT_GE(report.top10000, 9000) << "of the top 10,000 base words";
  EXPECT_GE(report.spokenResolved * 100, report.spokenTotal * 96)
      << 100.0 * report.spokenResolved / report.spokenTotal << "% of running spoken English";
}

}  // namespace
}  // namespace vodari::coverage
