// Static texts, buttons and list boxes: their text by message, and the word
// under the pointer found by laying the text out with the control's font as
// the control draws it.
#include <algorithm>
#include <vector>

#include "text_source.h"
#include "window_query.h"

namespace nhw32 {
namespace {

enum class Align { kLeft, kCenter, kRight };

// How a control draws its text inside its client area.
struct Layout {
  Align align = Align::kLeft;
  bool wrap = false;
  bool centerVertically = false;
  int inset = 0;  // pixels left free on the left (a check box) or on both sides
};

int AlignOffset(Align align, int room, int width) {
  switch (align) {
    case Align::kCenter: return (room - width) / 2;
    case Align::kRight: return room - width;
    default: return 0;
  }
}

// Lays `text` out in the client area and puts the line and the pointer's
// place in it into `line`.
void HitText(HWND window, const std::u16string& text, const Layout& layout, POINT client, const Deadline& deadline,
             CapturedLine& line) {
  RECT area;
  if (!::GetClientRect(window, &area)) return;
  const ControlFont font(window, deadline);
  const MeasureText measure = font.Measure(text);
  const int room = (area.right - area.left) - 2 * layout.inset;
  const std::vector<TextLine> lines = WrapLines(text, layout.wrap ? room : 0, measure);
  const int height = font.LineHeight();
  const int top = layout.centerVertically
                      ? ((area.bottom - area.top) - height * static_cast<int>(lines.size())) / 2
                      : 0;
  if (client.y < top) return;
  const std::size_t row = static_cast<std::size_t>((client.y - top) / height);
  if (row >= lines.size()) return;
  const TextLine& hit = lines[row];
  const int lineWidth = measure(hit.begin, hit.end);
  const int left = layout.inset + AlignOffset(layout.align, room, lineWidth);
  const std::size_t index = CharacterAtOffset(hit, client.x - left, measure);
  if (index >= hit.end) return;
  line.text = text.substr(hit.begin, hit.end - hit.begin);
  line.index = index - hit.begin;
  const int rowTop = top + static_cast<int>(row) * height;
  const std::u16string shown = line.text;
  line.locate = [window, shown, left, rowTop, height, deadline](const WordSpan& word) {
    const ControlFont font(window, deadline);
    RECT rect = {left + font.Width(shown, 0, word.begin), rowTop, left + font.Width(shown, 0, word.end),
                 rowTop + height};
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
}

bool StaticLayout(LONG style, Layout& layout) {
  layout.wrap = true;
  switch (style & SS_TYPEMASK) {
    case SS_LEFT: break;
    case SS_CENTER: layout.align = Align::kCenter; break;
    case SS_RIGHT: layout.align = Align::kRight; break;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: layout.wrap = false; break;
    default: return false;  // pictures, frames, owner-drawn
  }
  layout.centerVertically = (style & SS_CENTERIMAGE) != 0;
  return true;
}

bool ButtonLayout(LONG style, Layout& layout) {
  const LONG type = style & BS_TYPEMASK;
  const bool box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                   type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE;
  if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
    layout.align = Align::kCenter;
    layout.inset = 2 * ::GetSystemMetrics(SM_CXEDGE);
  } else if (box) {
    layout.inset = ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
  } else {
    return false;  // group boxes, owner-drawn and the rest
  }
  switch (style & (BS_LEFT | BS_RIGHT | BS_CENTER)) {
    case BS_LEFT: layout.align = Align::kLeft; break;
    case BS_RIGHT: layout.align = Align::kRight; break;
    case BS_CENTER: layout.align = Align::kCenter; break;
    default: break;
  }
  layout.wrap = (style & BS_MULTILINE) != 0;
  layout.centerVertically = true;
  return true;
}

// Text left of a list box item's text.
constexpr int kListTextInset = 2;

ReadResult ReadListBox(HWND window, POINT client, const Deadline& deadline, CapturedLine& line) {
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  // Owner-drawn items without strings hold data, not text.
  if ((style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) && !(style & LBS_HASSTRINGS))
    return ReadResult::kNotMine;
  LRESULT hit = 0, length = 0;
  if (!SendWithin(window, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y), deadline, hit) || HIWORD(hit))
    return ReadResult::kRead;
  const WPARAM item = LOWORD(hit);
  if (!SendWithin(window, LB_GETTEXTLEN, item, 0, deadline, length) || length <= 0 ||
      length > static_cast<LRESULT>(kMaxReadUnits))
    return ReadResult::kRead;
  // LB_GETTEXT has no size: room for far more than the length just asked,
  // should the item change in between.
  std::vector<wchar_t> buffer(4 * kMaxReadUnits + 1, L'\0');
  LRESULT copied = 0;
  RECT itemRect = {};
  if (!SendWithin(window, LB_GETTEXT, item, reinterpret_cast<LPARAM>(buffer.data()), deadline, copied) ||
      copied <= 0 ||
      !SendWithin(window, LB_GETITEMRECT, item, reinterpret_cast<LPARAM>(&itemRect), deadline, hit) || hit == LB_ERR)
    return ReadResult::kRead;
  // Below the last item the nearest item is named, though the pointer is
  // on none.
  if (!::PtInRect(&itemRect, client)) return ReadResult::kRead;
  buffer.back() = L'\0';
  const std::u16string text(reinterpret_cast<const char16_t*>(buffer.data()),
                            std::min<std::size_t>(static_cast<std::size_t>(copied), kMaxReadUnits));
  const ControlFont font(window, deadline);
  const TextLine whole{0, text.size()};
  const int left = itemRect.left + kListTextInset;
  const std::size_t index = CharacterAtOffset(whole, client.x - left, font.Measure(text));
  if (index >= text.size()) return ReadResult::kRead;
  line.text = text;
  line.index = index;
  line.locate = [window, text, left, itemRect, deadline](const WordSpan& word) {
    const ControlFont font(window, deadline);
    RECT rect = {left + font.Width(text, 0, word.begin), itemRect.top, left + font.Width(text, 0, word.end),
                 itemRect.bottom};
    ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
  return ReadResult::kRead;
}

class ControlSource : public TextSource {
 public:
  ReadResult Read(HWND window, POINT screenPoint, const Deadline& deadline, CapturedLine& line) override {
    const std::wstring base = BaseClassOf(window);
    POINT client = screenPoint;
    ::ScreenToClient(window, &client);
    if (SameName(base, L"ListBox") || SameName(base, L"ComboLBox")) return ReadListBox(window, client, deadline, line);

    const LONG style = ::GetWindowLongW(window, GWL_STYLE);
    Layout layout;
    bool prefix = false;
    if (SameName(base, L"Static")) {
      if (!StaticLayout(style, layout)) return ReadResult::kNotMine;
      prefix = !(style & SS_NOPREFIX);
    } else if (SameName(base, L"Button")) {
      if (!ButtonLayout(style, layout)) return ReadResult::kNotMine;
      prefix = true;
    } else {
      return ReadResult::kNotMine;
    }
    std::u16string text;
    if (!WindowTextOf(window, deadline, text)) return ReadResult::kRead;
    HitText(window, prefix ? WithoutMnemonics(text) : text, layout, client, deadline, line);
    return ReadResult::kRead;
  }
};

}  // namespace

std::unique_ptr<TextSource> MakeControlSource() { return std::make_unique<ControlSource>(); }

}  // namespace nhw32
