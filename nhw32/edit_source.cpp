// Edit and rich edit controls of any program: the character under the
// pointer (EM_CHARFROMPOS), then its line (EM_GETLINE).
#include <richedit.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "remote_memory.h"
#include "text_source.h"
#include "window_query.h"

namespace nhw32 {
namespace {

// Most units of a plain edit read to reach the line under the pointer.
constexpr std::size_t kMaxEditPrefixUnits = 1 << 17;

// Layout of the memory used in a rich edit's program: the point asked, the
// position answered, the text range record, then its text.
constexpr std::size_t kRichPointAt = 0;
constexpr std::size_t kRichPositionAt = sizeof(POINTL);
constexpr std::size_t kRichRangeAt = 2 * sizeof(POINTL);
constexpr std::size_t kRichTextAt = kRichRangeAt + sizeof(TEXTRANGEW);

enum class EditKind { kNone, kEdit, kRichEdit };

EditKind KindOf(HWND window) {
  const std::wstring name = ClassNameOf(window);
  if (ContainsName(name, L"RichEdit")) return EditKind::kRichEdit;
  if (SameName(name, L"Edit") || SameName(BaseClassOf(window), L"Edit") || SameName(name, L"ThunderTextBox") ||
      SameName(name, L"ThunderRT5TextBox") || SameName(name, L"ThunderRT6TextBox") ||
      ContainsName(name, L"WindowsForms10.EDIT"))
    return EditKind::kEdit;
  return EditKind::kNone;
}

// Horizontal client position of a character of a plain edit; false past the
// end of the text.
bool EditCharacterX(HWND window, LONG index, const Deadline& deadline, POINT& position) {
  LRESULT packed = 0;
  if (!SendWithin(window, EM_POSFROMCHAR, index, 0, deadline, packed) || packed == -1) return false;
  position = {static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
  return true;
}

class EditSource : public TextSource {
 public:
  ReadResult Read(HWND window, POINT screenPoint, const Deadline& deadline, CapturedLine& line) override {
    pool_.ReleaseAnswered();
    const EditKind kind = KindOf(window);
    if (kind == EditKind::kNone) return ReadResult::kNotMine;
    POINT client = screenPoint;
    ::ScreenToClient(window, &client);

    LONG index = 0;
    LONG lineNumber = 0;
    std::unique_ptr<RemoteMemory> memory;
    if (kind == EditKind::kEdit) {
      if (!PlainCharacterAt(window, client, deadline, index, lineNumber)) return ReadResult::kRead;
    } else {
      memory = pool_.Open(window, kRichTextAt + (kMaxReadUnits + 1) * sizeof(wchar_t));
      // Without memory in the other program the rich edit cannot be asked
      // safely (it would take our coordinates for a pointer): leave it to
      // the other sources.
      if (!memory) return ReadResult::kNotMine;
      if (!RichCharacterAt(window, *memory, client, deadline, index, lineNumber)) return ReadResult::kRead;
    }

    LRESULT lineStart = 0, lineLength = 0;
    if (!SendWithin(window, EM_LINEINDEX, lineNumber, 0, deadline, lineStart) || lineStart < 0 ||
        !SendWithin(window, EM_LINELENGTH, lineStart, 0, deadline, lineLength))
      return ReadResult::kRead;
    const LONG offset = index - static_cast<LONG>(lineStart);
    if (offset < 0 || offset >= lineLength || offset >= static_cast<LONG>(kMaxReadUnits - kMaxCaptureUnits))
      return ReadResult::kRead;

    // The line up to well past the word: EM_GETLINE is not used, as it is
    // not carried safely to another process everywhere.
    const std::size_t wanted =
        std::min<std::size_t>(static_cast<std::size_t>(lineLength), offset + kMaxCaptureUnits + 1);
    const bool read = kind == EditKind::kEdit
                          ? PlainText(window, static_cast<std::size_t>(lineStart), wanted, deadline, line.text)
                          : RichText(window, *memory, static_cast<LONG>(lineStart), wanted, deadline, line.text);
    if (!read || line.text.size() <= static_cast<std::size_t>(offset)) {
      line.text.clear();
      return ReadResult::kRead;
    }
    line.index = static_cast<std::size_t>(offset);
    if (kind == EditKind::kEdit) line.locate = PlainLocator(window, static_cast<LONG>(lineStart), deadline);
    return ReadResult::kRead;
  }

 private:
  // A plain edit's text from its start (WM_GETTEXT carries it to any
  // process), cut to the line's part.
  static bool PlainText(HWND window, std::size_t lineStart, std::size_t count, const Deadline& deadline,
                        std::u16string& text) {
    if (lineStart + count > kMaxEditPrefixUnits) return false;
    std::vector<wchar_t> buffer(lineStart + count + 1, L'\0');
    LRESULT copied = 0;
    if (!SendWithin(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), deadline, copied))
      return false;
    buffer.back() = L'\0';
    const std::size_t length = std::wcslen(buffer.data());
    if (length <= lineStart) return false;
    text.assign(reinterpret_cast<const char16_t*>(buffer.data()) + lineStart, std::min(count, length - lineStart));
    return true;
  }

  // A rich edit's text range (EM_GETTEXTRANGE), asked through the memory
  // in its program.
  static bool RichText(HWND window, RemoteMemory& memory, LONG lineStart, std::size_t count,
                       const Deadline& deadline, std::u16string& text) {
    TEXTRANGEW range = {};
    range.chrg = {lineStart, lineStart + static_cast<LONG>(count)};
    range.lpstrText = reinterpret_cast<LPWSTR>(memory.Address(kRichTextAt));
    LRESULT copied = 0;
    if (!memory.Write(kRichRangeAt, &range, sizeof range)) return false;
    if (!SendWithin(window, EM_GETTEXTRANGE, 0, memory.Address(kRichRangeAt), deadline, copied)) {
      memory.MarkInUse();
      return false;
    }
    if (copied <= 0) return false;
    std::vector<wchar_t> buffer(std::min(static_cast<std::size_t>(copied), count), L'\0');
    if (!memory.Read(kRichTextAt, buffer.data(), buffer.size() * sizeof(wchar_t))) return false;
    text.assign(reinterpret_cast<const char16_t*>(buffer.data()), buffer.size());
    return true;
  }

  // EM_CHARFROMPOS gives the character boundary nearest the point; when
  // that lies right of the pointer, the pointer is on the character before.
  static bool PlainCharacterAt(HWND window, POINT client, const Deadline& deadline, LONG& index, LONG& lineNumber) {
    LRESULT packed = 0;
    if (!SendWithin(window, EM_CHARFROMPOS, 0, MAKELPARAM(client.x, client.y), deadline, packed) || packed == -1)
      return false;
    lineNumber = HIWORD(packed);
    LRESULT lineStart = 0;
    if (!SendWithin(window, EM_LINEINDEX, lineNumber, 0, deadline, lineStart) || lineStart < 0) return false;
    // The low word is the index modulo 65536; the line's start gives the rest.
    index = static_cast<LONG>(lineStart) + ((LOWORD(packed) - (static_cast<LONG>(lineStart) & 0xFFFF)) & 0xFFFF);
    POINT position;
    if (index > lineStart && EditCharacterX(window, index, deadline, position) && position.x > client.x) --index;
    return true;
  }

  // A rich edit takes EM_CHARFROMPOS with a POINTL pointer and answers
  // EM_POSFROMCHAR through one: both live in the other program.
  static bool RichCharacterAt(HWND window, RemoteMemory& memory, POINT client, const Deadline& deadline,
                              LONG& index, LONG& lineNumber) {
    const POINTL point = {client.x, client.y};
    LRESULT result = 0;
    if (!memory.Write(kRichPointAt, &point, sizeof point)) return false;
    if (!SendWithin(window, EM_CHARFROMPOS, 0, memory.Address(kRichPointAt), deadline, result)) {
      memory.MarkInUse();
      return false;
    }
    index = static_cast<LONG>(result);
    if (index < 0) return false;
    if (!SendWithin(window, EM_LINEFROMCHAR, index, 0, deadline, result)) return false;
    lineNumber = static_cast<LONG>(result);
    LRESULT lineStart = 0;
    if (!SendWithin(window, EM_LINEINDEX, lineNumber, 0, deadline, lineStart)) return false;
    if (index > lineStart) {
      POINTL position = {};
      if (!SendWithin(window, EM_POSFROMCHAR, memory.Address(kRichPositionAt), index, deadline, result)) {
        memory.MarkInUse();
        return true;
      }
      if (memory.Read(kRichPositionAt, &position, sizeof position) && position.x > client.x) --index;
    }
    return true;
  }

  static std::function<RECT(const WordSpan&)> PlainLocator(HWND window, LONG lineStart, const Deadline& deadline) {
    return [window, lineStart, deadline](const WordSpan& word) {
      RECT rect = {};
      POINT first, last;
      if (!EditCharacterX(window, lineStart + static_cast<LONG>(word.begin), deadline, first)) return rect;
      if (!EditCharacterX(window, lineStart + static_cast<LONG>(word.end), deadline, last) || last.y != first.y) {
        // The word ends the text or its line: one average character more.
        if (!EditCharacterX(window, lineStart + static_cast<LONG>(word.end) - 1, deadline, last)) last = first;
        const LONG count = static_cast<LONG>(word.end - word.begin);
        last.x += count > 1 ? (last.x - first.x) / (count - 1) : 8;
      }
      const ControlFont font(window, deadline);
      rect = {first.x, first.y, last.x, first.y + font.LineHeight()};
      ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
      return rect;
    };
  }

  RemoteMemoryPool pool_;
};

}  // namespace

std::unique_ptr<TextSource> MakeEditSource() { return std::make_unique<EditSource>(); }

}  // namespace nhw32
