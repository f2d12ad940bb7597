#include "book_checker/cli.h"

#include <cstdio>
#include <optional>

#include "book_checker/book_check.h"
#include "book_checker/convert.h"
#include "book_checker/text_encoding.h"

namespace vodari::book_checker {
namespace {

constexpr int kClean = 0;
constexpr int kFindings = 1;
constexpr int kTrouble = 2;

const char kUsage[] =
    "Usage: book_checker [--werror] [--quiet] [--allow-empty] BOOK...\n"
    "       book_checker --convert TABLE BOOK --title TITLE\n"
    "\n"
    "Checks Vodari word books the way the program reads them: GBK text, a title\n"
    "line, then entries of a word line \"@word\" and its meaning line, CR LF line\n"
    "ends. Each finding is printed as FILE:LINE: error|warning: message.\n"
    "\n"
    "  --werror       warnings make the exit status 1 too\n"
    "  --quiet        print only the findings and each book's summary\n"
    "  --allow-empty  a book without entries (a history book) is no error\n"
    "  --convert TABLE BOOK\n"
    "                 write the word book BOOK from TABLE, a UTF-8 text with one\n"
    "                 \"word<TAB>meaning\" per line; nothing is written when there\n"
    "                 is any error\n"
    "  --title TITLE  the title of the converted book, in UTF-8\n"
    "  --help         show this help\n"
    "\n"
    "Exit status: 0 clean, 1 errors (or warnings with --werror), 2 usage error or\n"
    "a file that cannot be read or written.\n";

struct Arguments {
  bool werror = false;
  bool quiet = false;
  bool allowEmpty = false;
  bool help = false;
  bool convert = false;
  std::optional<std::string> title;
  std::vector<std::string> files;
};

// Parses `args`; on a usage error returns false with the reason in `problem`.
bool Parse(const std::vector<std::string>& args, Arguments* parsed, std::string* problem) {
  bool options = true;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (options && arg == "--") {
      options = false;
    } else if (options && arg == "--werror") {
      parsed->werror = true;
    } else if (options && arg == "--quiet") {
      parsed->quiet = true;
    } else if (options && arg == "--allow-empty") {
      parsed->allowEmpty = true;
    } else if (options && (arg == "--help" || arg == "-h")) {
      parsed->help = true;
    } else if (options && arg == "--convert") {
      parsed->convert = true;
    } else if (options && arg == "--title") {
      if (i + 1 == args.size()) {
        *problem = "--title needs a value";
        return false;
      }
      parsed->title = args[++i];
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      *problem = "unknown option " + arg;
      return false;
    } else {
      parsed->files.push_back(arg);
    }
  }
  if (parsed->help) return true;
  if (parsed->convert) {
    if (parsed->files.size() != 2) {
      *problem = "--convert needs a table and a book file";
    } else if (!parsed->title) {
      *problem = "--convert needs --title";
    } else if (parsed->allowEmpty) {
      *problem = "--allow-empty does not apply to --convert";
    }
  } else if (parsed->title) {
    *problem = "--title only applies to --convert";
  } else if (parsed->files.empty()) {
    *problem = "no book to check";
  }
  return problem->empty();
}

bool ReadFile(const std::string& path, std::string* bytes) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return false;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes->append(buffer, got);
  const bool ok = !std::ferror(file);
  std::fclose(file);
  return ok;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fclose(file) == 0 && ok;
  return ok;
}

std::string Count(int n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

int CountOf(const std::vector<Finding>& findings, Severity severity) {
  int n = 0;
  for (const Finding& f : findings) n += f.severity == severity;
  return n;
}

int Check(const Arguments& arguments, std::ostream& out, std::ostream& err) {
  int status = kClean;
  int errors = 0;
  int warnings = 0;
  CheckOptions options;
  options.allowEmpty = arguments.allowEmpty;
  for (const std::string& file : arguments.files) {
    std::string bytes;
    if (!ReadFile(file, &bytes)) {
      err << file << ": cannot read the file\n";
      status = kTrouble;
      continue;
    }
    const CheckResult result = CheckBook(bytes, options);
    if (!arguments.quiet) {
      // A book saved as UTF-8 has a title that a UTF-8 terminal shows as it is.
      const bool utf8 = LooksLikeUtf8(bytes);
      const std::string title =
          utf8 ? result.title.substr(result.title.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0)
               : ForDisplay(result.title);
      out << file << ": title \"" << title << "\"\n";
    }
    for (const Finding& finding : result.findings) out << FormatFinding(file, finding) << "\n";
    out << file << ": " << Count(result.entries, "entry", "entries") << ", "
        << Count(result.Errors(), "error", "errors") << ", "
        << Count(result.Warnings(), "warning", "warnings") << "\n";
    errors += result.Errors();
    warnings += result.Warnings();
  }
  if (!arguments.quiet && arguments.files.size() > 1) {
    out << Count(static_cast<int>(arguments.files.size()), "book", "books") << ": "
        << Count(errors, "error", "errors") << ", " << Count(warnings, "warning", "warnings")
        << "\n";
  }
  if (status == kClean && (errors > 0 || (arguments.werror && warnings > 0))) status = kFindings;
  return status;
}

int Convert(const Arguments& arguments, std::ostream& out, std::ostream& err) {
  const std::string& tablePath = arguments.files[0];
  const std::string& bookPath = arguments.files[1];
  std::string table;
  if (!ReadFile(tablePath, &table)) {
    err << tablePath << ": cannot read the file\n";
    return kTrouble;
  }
  const Conversion conversion = ConvertTable(table, *arguments.title);
  for (const Finding& finding : conversion.findings) {
    out << FormatFinding(tablePath, finding) << "\n";
  }
  const int warnings = CountOf(conversion.findings, Severity::kWarning);
  if (!conversion.Succeeded() || (arguments.werror && warnings > 0)) {
    out << tablePath << ": "
        << Count(CountOf(conversion.findings, Severity::kError), "error", "errors") << ", "
        << Count(warnings, "warning", "warnings") << "; " << bookPath << " not written\n";
    return kFindings;
  }
  if (!WriteFile(bookPath, conversion.book)) {
    err << bookPath << ": cannot write the file\n";
    return kTrouble;
  }
  out << bookPath << ": " << Count(conversion.entries, "entry", "entries") << " written, "
      << Count(warnings, "warning", "warnings") << "\n";
  return kClean;
}

}  // namespace

int RunBookChecker(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  Arguments arguments;
  std::string problem;
  if (!Parse(args, &arguments, &problem)) {
    err << "book_checker: " << problem << "\n\n" << kUsage;
    return kTrouble;
  }
  if (arguments.help) {
    out << kUsage;
    return kClean;
  }
  return arguments.convert ? Convert(arguments, out, err) : Check(arguments, out, err);
}

}  // namespace vodari::book_checker
