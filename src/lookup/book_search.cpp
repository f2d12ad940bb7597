#include "lookup/book_search.h"

#include <algorithm>
#include <cstring>
#include <optional>

#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__))
#include <immintrin.h>
#define VODARI_PAIR_SCAN 1
#endif

#include "books/book_reader.h"
#include "books/gbk.h"
#include "lookup/base_forms.h"

namespace vodari {
namespace {

std::optional<WordEntry> FindWord(const CWordTable& table, const std::string& word) {
  for (int i = 0; i < table.GetCount(); ++i)
    if (table.Word(i) == word) return table.GetEntry(i);
  return std::nullopt;
}

}  // namespace

namespace {

// Whether `word` stands as a whole word line at `start`, where "@" and the
// word were found: a line end, the end of the file or a NUL byte follows
// (or anything, when the word is as long as the reader keeps a word).
bool IsWordLineAt(std::string_view bytes, std::size_t start, const std::string& needle) {
  if (bytes.compare(start, needle.size(), needle) != 0) return false;
  const std::string_view rest = bytes.substr(start + needle.size(), 2);
  return rest.empty() || rest[0] == '\n' || rest[0] == '\0' || rest == "\r\n" ||
         needle.size() > kMaxWordBytes;
}

}  // namespace

// The letters most common in books, from the least to the most common.
constexpr char kCommonLetters[] = "mucldrhsnioate";

// A byte of the needle that seldom stands in a book, and where: a capital,
// a digit, a sign or one of the rarer letters; none for a word made only of
// common letters. memchr finds such a byte far faster than anything else.
std::optional<std::size_t> RareByteOf(const std::string& needle) {
  for (std::size_t i = 1; i < needle.size(); ++i)
    if (std::strchr(kCommonLetters, needle[i]) == nullptr) return i;
  return std::nullopt;
}

#ifdef VODARI_PAIR_SCAN
constexpr std::size_t kWordFound = std::string_view::npos;

// The places where "@" (the needle's first byte) and byte `pair` of the
// needle stand at their distance are few in any book, whatever letters the
// word is made of. These scans find them sixty-four places at a time and
// look at each; they return kWordFound, or the place where they stopped,
// from which the plain scan goes on. The processor's vector instructions
// are asked for by function, so that the program still runs where they
// are missing.
__attribute__((target("avx2"))) std::size_t ScanPairsAvx2(std::string_view bytes,
                                                          const std::string& needle,
                                                          std::size_t pair, std::size_t last) {
  const __m256i first = _mm256_set1_epi8(needle.front());
  const __m256i second = _mm256_set1_epi8(needle[pair]);
  const char* data = bytes.data();
  std::size_t start = 0;
  for (; start + 64 <= last + 1; start += 64) {
    const __m256i a0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + start));
    const __m256i b0 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + start + pair));
    const __m256i a1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + start + 32));
    const __m256i b1 = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(data + start + 32 + pair));
    const __m256i p0 = _mm256_and_si256(_mm256_cmpeq_epi8(a0, first), _mm256_cmpeq_epi8(b0, second));
    const __m256i p1 = _mm256_and_si256(_mm256_cmpeq_epi8(a1, first), _mm256_cmpeq_epi8(b1, second));
    const __m256i any = _mm256_or_si256(p0, p1);
    if (_mm256_testz_si256(any, any)) continue;
    const unsigned masks[] = {static_cast<unsigned>(_mm256_movemask_epi8(p0)),
                              static_cast<unsigned>(_mm256_movemask_epi8(p1))};
    for (int k = 0; k < 2; ++k)
      for (unsigned mask = masks[k]; mask != 0; mask &= mask - 1)
        if (IsWordLineAt(bytes, start + 32 * k + static_cast<std::size_t>(__builtin_ctz(mask)), needle))
          return kWordFound;
  }
  return start;
}

__attribute__((target("sse2"))) std::size_t ScanPairsSse2(std::string_view bytes,
                                                          const std::string& needle,
                                                          std::size_t pair, std::size_t last) {
  const __m128i first = _mm_set1_epi8(needle.front());
  const __m128i second = _mm_set1_epi8(needle[pair]);
  const char* data = bytes.data();
  std::size_t start = 0;
  for (; start + 64 <= last + 1; start += 64) {
    __m128i p[4];
    for (int k = 0; k < 4; ++k) {
      const char* at = data + start + 16 * k;
      const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at + pair));
      p[k] = _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, second));
    }
    if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(p[0], p[1]), _mm_or_si128(p[2], p[3]))) == 0)
      continue;
    for (int k = 0; k < 4; ++k)
      for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(p[k])); mask != 0; mask &= mask - 1)
        if (IsWordLineAt(bytes, start + 16 * k + static_cast<std::size_t>(__builtin_ctz(mask)), needle))
          return kWordFound;
  }
  return start;
}

std::size_t ScanPairs(std::string_view bytes, const std::string& needle, std::size_t pair,
                      std::size_t last) {
  enum class Vectors { kNone, kSse2, kAvx2 };
  static const Vectors vectors = [] {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) return Vectors::kAvx2;
    return __builtin_cpu_supports("sse2") ? Vectors::kSse2 : Vectors::kNone;
  }();
  switch (vectors) {
    case Vectors::kAvx2: return ScanPairsAvx2(bytes, needle, pair, last);
    case Vectors::kSse2: return ScanPairsSse2(bytes, needle, pair, last);
    default: return 0;
  }
}
#endif

bool BookMayHoldWord(std::string_view bytes, const std::string& word) {
  const std::string needle = "@" + word;
  const std::size_t n = needle.size();
  if (bytes.size() < n) return false;
  const std::size_t last = bytes.size() - n;  // the last place the needle may start
  if (const auto rare = RareByteOf(needle)) {
    for (std::size_t at = *rare; at <= last + *rare; ++at) {
      const void* hit = std::memchr(bytes.data() + at, needle[*rare], last + *rare - at + 1);
      if (!hit) return false;
      at = static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data());
      if (IsWordLineAt(bytes, at - *rare, needle)) return true;
    }
    return false;
  }
  std::size_t start = 0;
#ifdef VODARI_PAIR_SCAN
  // The second byte of the pair: the needle's least common letter (the
  // letters above run from the least to the most common).
  std::size_t pair = n - 1;
  for (std::size_t i = 1; i < n; ++i)
    if (std::strchr(kCommonLetters, needle[i]) < std::strchr(kCommonLetters, needle[pair])) pair = i;
  start = ScanPairs(bytes, needle, pair, last);
  if (start == kWordFound) return true;
#endif
  for (; start <= last; ++start) {
    const void* hit = std::memchr(bytes.data() + start, '@', last - start + 1);
    if (!hit) return false;
    start = static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data());
    if (IsWordLineAt(bytes, start, needle)) return true;
  }
  return false;
}

std::vector<std::string> SearchBooks() {
  std::vector<std::string> books = {"books\\考研单词表.txt", "books\\用户自定义字典.txt"};
  for (int n = 1; n <= 35; ++n) books.push_back("books\\单词本" + std::to_string(n) + ".txt");
  return books;
}

std::optional<WordEntry> SearchForms(CWordTable& table, const std::vector<std::string>& forms) {
  for (const std::string& form : forms) {
    if (auto found = FindWord(table, form)) return found;
    // Every book is read, but only one that may hold the word is taken into
    // the table; the others would only be overwritten by the next book. A
    // book that cannot be opened leaves the table as it was, which was
    // already searched for this form.
    bool readButNotTaken = false;
    for (const std::string& book : SearchBooks()) {
      const std::optional<std::string_view> bytes = table.ReadFileBytes(book);
      if (!bytes) continue;
      readButNotTaken = !BookMayHoldWord(*bytes, form);
      if (readButNotTaken) continue;
      table.TakeReadBook();
      if (auto found = FindWord(table, form)) return found;
    }
    // As with loading every book: the table ends holding the last one read.
    if (readButNotTaken) table.TakeReadBook();
  }
  return std::nullopt;
}

namespace {

std::string WithCapitalFirst(const std::string& lower) {
  std::string word = lower;
  if (!word.empty() && word[0] >= 'a' && word[0] <= 'z') word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

}  // namespace

std::vector<MeantForm> MeantForms(const std::string& word, const std::vector<std::string>& tried) {
  const std::string lower = GbkToLower(word);
  const std::vector<BaseForm> bases = BaseFormsOf(lower);
  std::vector<MeantForm> forms = {{WithCapitalFirst(lower)}};
  for (const BaseForm& base : bases) forms.push_back({base.word, base.comparison});
  for (const BaseForm& base : bases) forms.push_back({WithCapitalFirst(base.word), base.comparison});
  std::vector<MeantForm> meant;
  for (const MeantForm& form : forms) {
    const bool seen =
        std::find(tried.begin(), tried.end(), form.word) != tried.end() ||
        std::any_of(meant.begin(), meant.end(), [&](const MeantForm& m) { return m.word == form.word; });
    if (!form.word.empty() && !seen) meant.push_back(form);
  }
  return meant;
}

bool Fits(const MeantForm& form, std::string_view meaning) {
  return !form.comparison || meaning.find("adj.") != std::string_view::npos ||
         meaning.find("adv.") != std::string_view::npos;
}

std::optional<WordEntry> SearchMeantForms(CWordTable& table, const std::string& word,
                                          const std::vector<std::string>& tried) {
  const std::vector<MeantForm> forms = MeantForms(word, tried);
  if (forms.empty()) return std::nullopt;
  std::optional<WordEntry> best;
  std::size_t bestRank = forms.size();
  std::string bestBook, heldBook;
  bool readButNotTaken = false;
  for (const std::string& book : SearchBooks()) {
    const std::optional<std::string_view> bytes = table.ReadFileBytes(book);
    if (!bytes) continue;
    // Only a book that may hold a form preferred to the best so far is
    // taken into the table and looked at.
    std::size_t rank = 0;
    while (rank < bestRank && !BookMayHoldWord(*bytes, forms[rank].word)) ++rank;
    readButNotTaken = rank == bestRank;
    if (readButNotTaken) continue;
    table.TakeReadBook();
    heldBook = book;
    for (; rank < bestRank; ++rank) {
      for (int i = 0; i < table.GetCount(); ++i) {
        if (table.Word(i) != forms[rank].word || !Fits(forms[rank], table.Meaning(i))) continue;
        best = table.GetEntry(i);
        bestRank = rank;
        bestBook = book;
        break;
      }
    }
    if (bestRank == 0) return best;
  }
  if (best) {
    // The table ends holding the book of the match.
    if (heldBook != bestBook && table.ReadFileBytes(bestBook)) table.TakeReadBook();
    return best;
  }
  if (readButNotTaken) table.TakeReadBook();
  return std::nullopt;
}

std::optional<WordEntry> SearchAllBooks(CWordTable& table, const std::string& input) {
  const std::vector<std::string> forms = {GbkToLower(input), GbkToUpper(input)};
  if (auto found = SearchForms(table, forms)) return found;
  return SearchMeantForms(table, input, forms);
}

std::optional<WordEntry> IncrementalLookup(const CWordTable& table, const std::string& input) {
  for (int i = 0; i < table.GetCount(); ++i)
    if (CompareGbk(table.Word(i), input) >= 0) return table.GetEntry(i);
  return std::nullopt;
}

std::string LookupResultText(const WordEntry& entry) { return entry.word + "    " + entry.meaning; }

}  // namespace vodari
