#include "books/history_book.h"

namespace vodari {

void HistoryStream::Open(const std::string& path) {
  path_ = path;
  failed_ = !file_.OpenForAppending(path);
}

void HistoryStream::Close() {
  file_.Close();
  failed_ = true;
}

namespace {

// Whether the file at `path`, of `size` bytes, ends in a line feed.
bool EndsInLineEnd(const std::string& path, std::uint64_t size) {
  SharedFile reader;
  char last = 0;
  return reader.OpenForReading(path) && reader.SeekTo(size - 1) && reader.ReadSome(&last, 1) == 1 &&
         last == '\n';
}

}  // namespace

void AppendHistoryRecord(HistoryStream& stream, const std::string& word,
                         const std::string& meaning) {
  if (stream.failed_) return;
  std::uint64_t before = 0;
  const bool sizeKnown = stream.file_.Size(before);
  std::string text = "@" + word + "\n" + meaning + "\n";
  if (sizeKnown && before > 0 && !EndsInLineEnd(stream.path_, before)) text.insert(0, "\n");
  // One write per record: the append handle puts it at the end the file has
  // now, and unbuffered writes are visible to any reader at once.
  const std::string record = ToDiskText(text);
  if (!stream.file_.WriteAll(record.data(), record.size())) {
    if (sizeKnown) TruncateFile(stream.path_, before);
    stream.failed_ = true;
  }
}

void ClearHistoryBook(const std::string& path, const std::string& titleText) {
  SharedFile file;
  if (!file.OpenTruncated(path)) return;
  std::string text = ToDiskText(titleText + "\n");
  file.WriteAll(text.data(), text.size());
}

}  // namespace vodari
