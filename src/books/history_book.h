// The two books the program writes itself: the missed-words book (filled by
// wrong test answers) and the recited-words book (filled by recitation).
// Each is an ordinary word book; records are appended at its end and it can
// be cleared back to its title line.
#pragma once

#include <string>

#include "books/shared_file.h"

namespace vodari {

inline constexpr const char* kMissedWordsBookPath = "books\\重点单词记录.txt";
inline constexpr const char* kMissedWordsBookTitle = "重点单词记录";
inline constexpr const char* kRecitedWordsBookPath = "books\\曾经背记过的单词.txt";
inline constexpr const char* kRecitedWordsBookTitle = "曾经背记过的单词";

// A history book held open for appending for the program's whole run. A
// stream that failed to open, or whose write failed, stays failed and drops
// every later record without a word.
class HistoryStream {
 public:
  // Opens shared, creating an empty file when missing; never truncates.
  void Open(const std::string& path);
  void Close();
  bool Failed() const { return failed_; }

 private:
  friend void AppendHistoryRecord(HistoryStream&, const std::string&, const std::string&);
  SharedFile file_;
  std::string path_;
  bool failed_ = true;
};

// Appends "@word", CR LF, the meaning, CR LF at the file's current end and
// has it on disk before returning. A record is written whole or not at all:
// when a write fails (a full disk) the file is cut back to where it ended,
// and the stream fails silently from then on. A file that does not end in a
// line end (a record cut off elsewhere) gets one first, so the new record
// never glues onto the last line.
void AppendHistoryRecord(HistoryStream& stream, const std::string& word,
                         const std::string& meaning);

// Empties the book at `path` down to `titleText` and a line end. Errors are
// silent; open streams on the same file carry on after the new title line.
void ClearHistoryBook(const std::string& path, const std::string& titleText);

}  // namespace vodari
