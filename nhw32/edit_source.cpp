// Edit and rich edit controls of any program: the character under the
// pointer (EM_CHARFROMPOS), then its line's text.
#include <richedit.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "companion.h"
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
constexpr std::size_t kRichMemorySize = kRichTextAt + (kMaxReadUnits + 1) * sizeof(wchar_t);

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

// One edit or rich edit being asked. A rich edit takes EM_CHARFROMPOS,
// EM_POSFROMCHAR and EM_GETTEXTRANGE through pointers, which must point
// into its own program: `memory` lies there. (EM_GETLINE is not used: it
// is not carried safely to another process everywhere.)
class EditControl {
 public:
  EditControl(HWND window, RemoteMemory* memory, const Deadline& deadline)
      : window_(window), memory_(memory), deadline_(deadline) {}

  // The character boundary nearest a client point.
  bool CharacterNear(POINT client, LONG& index) const {
    LRESULT result = 0;
    if (memory_) {
      const POINTL point = {client.x, client.y};
      if (!memory_->Write(kRichPointAt, &point, sizeof point) || !Send(EM_CHARFROMPOS, 0, memory_->Address(kRichPointAt), result))
        return false;
      index = static_cast<LONG>(result);
      return index >= 0;
    }
    if (!Send(EM_CHARFROMPOS, 0, MAKELPARAM(client.x, client.y), result) || result == -1) return false;
    // The low word is the index modulo 65536; its line's start gives the rest.
    LONG lineStart = 0;
    if (!LineStart(HIWORD(result), lineStart)) return false;
    index = lineStart + ((LOWORD(result) - (lineStart & 0xFFFF)) & 0xFFFF);
    return true;
  }

  // Client position of a character's top left; false past the end.
  bool Position(LONG index, POINT& position) const {
    LRESULT result = 0;
    if (memory_) {
      POINTL answer = {};
      if (!Send(EM_POSFROMCHAR, memory_->Address(kRichPositionAt), index, result) ||
          !memory_->Read(kRichPositionAt, &answer, sizeof answer))
        return false;
      position = {answer.x, answer.y};
      return true;
    }
    if (!Send(EM_POSFROMCHAR, index, 0, result) || result == -1) return false;
    position = {static_cast<short>(LOWORD(result)), static_cast<short>(HIWORD(result))};
    return true;
  }

  bool LineOf(LONG index, LONG& line) const { return Ask(EM_LINEFROMCHAR, index, line); }
  bool LineStart(LONG line, LONG& start) const { return Ask(EM_LINEINDEX, line, start) && start >= 0; }
  bool LineLength(LONG start, LONG& length) const { return Ask(EM_LINELENGTH, start, length); }

  // Height of a line whose first character lies at `top`: the distance to
  // the next or previous line, else the font's.
  LONG LineHeight(LONG line, LONG top) const {
    LONG start = 0;
    POINT other = {};
    if (LineStart(line + 1, start) && Position(start, other) && other.y > top) return other.y - top;
    if (line > 0 && LineStart(line - 1, start) && Position(start, other) && other.y < top) return top - other.y;
    return ControlFont(window_, deadline_).LineHeight();
  }

  // `count` units of text from `start`.
  bool Text(LONG start, std::size_t count, std::u16string& text) const {
    std::vector<wchar_t> buffer;
    LRESULT copied = 0;
    if (memory_) {
      TEXTRANGEW range = {};
      range.chrg = {start, start + static_cast<LONG>(count)};
      range.lpstrText = reinterpret_cast<LPWSTR>(memory_->Address(kRichTextAt));
      if (!memory_->Write(kRichRangeAt, &range, sizeof range) ||
          !Send(EM_GETTEXTRANGE, 0, memory_->Address(kRichRangeAt), copied) || copied <= 0)
        return false;
      buffer.resize(std::min(static_cast<std::size_t>(copied), count));
      if (!memory_->Read(kRichTextAt, buffer.data(), buffer.size() * sizeof(wchar_t))) return false;
      text.assign(reinterpret_cast<const char16_t*>(buffer.data()), buffer.size());
      return true;
    }
    // A plain edit's text from its beginning: WM_GETTEXT reaches any process.
    const std::size_t from = static_cast<std::size_t>(start);
    if (from + count > kMaxEditPrefixUnits) return false;
    buffer.assign(from + count + 1, L'\0');
    if (!Send(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), copied)) return false;
    buffer.back() = L'\0';
    const std::size_t length = std::wcslen(buffer.data());
    if (length <= from) return false;
    text.assign(reinterpret_cast<const char16_t*>(buffer.data()) + from, std::min(count, length - from));
    return true;
  }

 private:
  // A message that points into the other program and goes unanswered may
  // still be handled later: its memory then stays until it is safe to free.
  bool Send(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) const {
    if (SendWithin(window_, message, wParam, lParam, deadline_, result)) return true;
    if (memory_) memory_->MarkInUse();
    return false;
  }
  bool Ask(UINT message, LONG argument, LONG& answer) const {
    LRESULT result = 0;
    if (!Send(message, static_cast<WPARAM>(argument), 0, result)) return false;
    answer = static_cast<LONG>(result);
    return true;
  }

  HWND window_;
  RemoteMemory* memory_;
  const Deadline& deadline_;
};

// The screen rectangle of text[word] of the line starting at `lineStart`.
RECT WordRectangle(HWND window, const EditControl& edit, LONG lineStart, const WordSpan& word, LONG height) {
  RECT rect = {};
  POINT first, last;
  if (!edit.Position(lineStart + static_cast<LONG>(word.begin), first)) return rect;
  if (!edit.Position(lineStart + static_cast<LONG>(word.end), last) || last.y != first.y) {
    // The word ends the text or its line: one average character more.
    if (!edit.Position(lineStart + static_cast<LONG>(word.end) - 1, last)) last = first;
    const LONG count = static_cast<LONG>(word.end - word.begin);
    last.x += count > 1 ? (last.x - first.x) / (count - 1) : height / 2;
  }
  rect = {first.x, first.y, last.x, first.y + height};
  ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class EditSource : public TextSource {
 public:
  ReadResult Read(HWND window, POINT screenPoint, const Deadline& deadline, CapturedLine& line) override {
    pool_.ReleaseAnswered();
    const EditKind kind = KindOf(window);
    if (kind == EditKind::kNone) return ReadResult::kNotMine;
    std::unique_ptr<RemoteMemory> memory;
    if (kind == EditKind::kRichEdit) {
      // The records its messages point to are laid out for the bitness of
      // its program: one of the other bitness is read inside its program.
      if (IsOtherBitnessWindow(window)) return ReadResult::kNotMine;
      memory = pool_.Open(window, kRichMemorySize);
      // Without memory in its program a rich edit cannot be asked safely
      // (it would take our coordinates for a pointer): leave it to the
      // other sources.
      if (!memory) return ReadResult::kNotMine;
    }
    const EditControl edit(window, memory.get(), deadline);
    POINT client = screenPoint;
    ::ScreenToClient(window, &client);

    LONG index = 0, lineNumber = 0, lineStart = 0, lineLength = 0;
    if (!edit.CharacterNear(client, index) || !edit.LineOf(index, lineNumber) ||
        !edit.LineStart(lineNumber, lineStart) || !edit.LineLength(lineStart, lineLength))
      return ReadResult::kRead;
    // The nearest boundary may lie right of the pointer: the pointer is then
    // on the character before it.
    POINT here = {}, next = {};
    if (index > lineStart && edit.Position(index, here) && here.x > client.x) --index;
    // Past the end of the text, right of its line, or above or below it,
    // the pointer is on no character.
    if (!edit.Position(index, here) ||
        (edit.Position(index + 1, next) && next.y == here.y && client.x >= next.x))
      return ReadResult::kRead;
    const LONG height = edit.LineHeight(lineNumber, here.y);
    if (client.y < here.y || client.y >= here.y + height) return ReadResult::kRead;

    const LONG offset = index - lineStart;
    if (offset < 0 || offset >= lineLength || offset >= static_cast<LONG>(kMaxReadUnits - kMaxCaptureUnits))
      return ReadResult::kRead;
    const std::size_t wanted =
        std::min<std::size_t>(static_cast<std::size_t>(lineLength), offset + kMaxCaptureUnits + 1);
    if (!edit.Text(lineStart, wanted, line.text) || line.text.size() <= static_cast<std::size_t>(offset)) {
      line.text.clear();
      return ReadResult::kRead;
    }
    line.index = static_cast<std::size_t>(offset);
    const RECT area = WordRectangle(window, edit, lineStart, FindWordAt(line.text, line.index), height);
    line.locate = [area](const WordSpan&) { return area; };
    return ReadResult::kRead;
  }

 private:
  RemoteMemoryPool pool_;
};

}  // namespace

std::unique_ptr<TextSource> MakeEditSource() { return std::make_unique<EditSource>(); }

}  // namespace nhw32
