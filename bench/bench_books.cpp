// How close loading a book and a full search come to reading the same files
// raw. Prints the two ratios after the timings.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "books/book_reader.h"
#include "books/shared_file.h"
#include "books/word_table.h"
#include "lookup/book_search.h"
#include "temp_folder.h"

namespace vodari {
namespace {

namespace fs = std::filesystem;

const std::string kBookPath = "books\\seven-thousand.txt";

// The shipped file of a book of the search list (their names are UTF-8 in
// the source tree, GBK for the program).
fs::path ShippedFile(std::size_t listIndex) {
  const std::string name = listIndex == 0   ? u8"考研单词表.txt"
                           : listIndex == 1 ? u8"用户自定义字典.txt"
                                            : u8"单词本" + std::to_string(listIndex - 1) + ".txt";
  return fs::path(VODARI_DATA_BOOKS) / name;
}

// A working folder with the shipped books under the program's names, and a
// book of 7000 entries made of the shipped books' entries.
void PrepareBooks() {
  const std::vector<std::string> list = SearchBooks();
  std::string big = "七千个单词\r\n";
  int entries = 0;
  CWordTable table;
  for (int round = 0; entries < kBookCapacity; ++round) {
    for (std::size_t i = 0; i < list.size() && entries < kBookCapacity; ++i) {
      table.LoadFile(ShippedFile(i).string());
      for (int e = 0; e < table.GetCount() && entries < kBookCapacity; ++e, ++entries) {
        big += "@" + std::string(table.Word(e)) + (round ? std::to_string(round) : "") + "\r\n" +
               std::string(table.Meaning(e)) + "\r\n";
      }
    }
  }
  for (std::size_t i = 0; i < list.size(); ++i) fs::copy_file(ShippedFile(i), NativePath(list[i]));
  test::WriteBytes(kBookPath, big);
}

std::string_view RawRead(const std::string& path, std::string& storage) {
  SharedFile file;
  file.OpenForReading(path);
  return *ReadWholeFile(file, storage, CWordTable::kMaxBookBytes);
}

void BM_RawReadAndSplitLines(benchmark::State& state) {
  std::string storage;
  std::vector<std::string_view> lines;
  for (auto _ : state) {
    const std::string_view bytes = RawRead(kBookPath, storage);
    lines.clear();
    for (std::size_t start = 0; start < bytes.size();) {
      std::size_t end = bytes.find('\n', start);
      if (end == std::string_view::npos) end = bytes.size();
      lines.push_back(bytes.substr(start, end - start));
      start = end + 1;
    }
    benchmark::DoNotOptimize(lines.data());
  }
}

void BM_LoadFile(benchmark::State& state) {
  CWordTable table;
  for (auto _ : state) {
    table.LoadFile(kBookPath);
    benchmark::DoNotOptimize(table.GetCount());
  }
  if (table.GetCount() != kBookCapacity) state.SkipWithError("the book did not load");
}

void BM_RawReadSearchBooksTwice(benchmark::State& state) {
  const std::vector<std::string> list = SearchBooks();
  std::string storage;
  for (auto _ : state)
    for (int pass = 0; pass < 2; ++pass)
      for (const std::string& path : list) benchmark::DoNotOptimize(RawRead(path, storage).data());
}

// A word found in no book, in none of its forms; the second one is made only
// of the letters that are most common in the books, the slowest kind to rule
// out, and looks inflected, so that its base forms are looked for too. A
// miss reads the books three times: in lower case, in capitals, and for the
// forms the reader may mean (a capital first letter, base forms).
void BM_SearchAllBooksMiss(benchmark::State& state, const char* word) {
  CWordTable table;
  for (auto _ : state) benchmark::DoNotOptimize(SearchAllBooks(table, word).has_value());
  if (SearchAllBooks(table, word)) state.SkipWithError("the word is in a book");
}

BENCHMARK(BM_RawReadAndSplitLines);
BENCHMARK(BM_LoadFile);
BENCHMARK(BM_RawReadSearchBooksTwice);
BENCHMARK_CAPTURE(BM_SearchAllBooksMiss, rare letters, "Zyzzyvaq");
BENCHMARK_CAPTURE(BM_SearchAllBooksMiss, common letters, "neatests");

// Keeps each benchmark's median CPU time per iteration for the ratios. CPU
// time, not wall time: on a busy machine the wall time counts other
// programs' turns.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (!run.error_occurred && (run.run_type == Run::RT_Iteration || run.aggregate_name == "median"))
        times[run.run_name.function_name] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatio(const char* what, const std::string& slow, const std::string& fast,
                  double limit) const {
    if (!times.count(slow) || !times.count(fast)) return;
    const double ratio = times.at(slow) / times.at(fast);
    std::printf("%s: %.2f (limit %.1f)%s\n", what, ratio, limit, ratio <= limit ? "" : "  OVER");
  }
  std::map<std::string, double> times;
};

}  // namespace
}  // namespace vodari

int main(int argc, char** argv) {
  // Five runs of each, of which the median counts, unless asked otherwise.
  std::vector<char*> args(argv, argv + argc);
  char repetitions[] = "--benchmark_repetitions=5";
  char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
  if (argc == 1) args.insert(args.end(), {repetitions, aggregatesOnly});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  vodari::test::TempFolder folder(true);
  vodari::PrepareBooks();
  vodari::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatio("LoadFile of 7000 entries / raw read and line split", "BM_LoadFile",
                      "BM_RawReadAndSplitLines", 1.3);
  for (const char* kind : {"rare letters", "common letters"}) {
    reporter.PrintRatio(("full search miss (" + std::string(kind) + ") / raw read of its 74 files").c_str(),
                        std::string("BM_SearchAllBooksMiss/") + kind, "BM_RawReadSearchBooksTwice", 3.0);
  }
  benchmark::Shutdown();
  return 0;
}
