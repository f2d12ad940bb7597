#include "books/history_book.h"

namespace vodari {

void HistoryStream::Open(const std::string& path) { failed_ = !file_.OpenForAppending(path); }

void HistoryStream::Close() {
  file_.Close();
  failed_ = true;
}

void AppendHistoryRecord(HistoryStream& stream, const std::string& word,
                         const std::string& meaning) {
  if (stream.failed_) return;
  // One write per record: the append handle puts it at the end the file has
  // now, and unbuffered writes are visible to any reader at once.
  std::string record = ToDiskText("@" + word + "\n" + meaning + "\n");
  if (!stream.file_.WriteAll(record.data(), record.size())) stream.failed_ = true;
}

void ClearHistoryBook(const std::string& path, const std::string& titleText) {
  SharedFile file;
  if (!file.OpenTruncated(path)) return;
  std::string text = ToDiskText(titleText + "\n");
  file.WriteAll(text.data(), text.size());
}

}  // namespace vodari
