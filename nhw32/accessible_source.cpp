// Any object that tells its name or value through accessibility (static
// texts, buttons, list and tree items, menus): the word under the pointer is
// found by measuring the text, drawn on one line from the object's left,
// with the window's font in the program that owns it where that can be
// done, else from here.
#include <ole2.h>
#include <oleacc.h>

#include <algorithm>
#include <vector>

#include "com_ptr.h"
#include "owner_layout.h"
#include "text_source.h"
#include "window_query.h"

namespace nhw32 {
namespace {

// Objects whose name or value is text shown on the screen. Windows and
// client areas are not: their name is a title, not what lies under the pointer.
bool ShowsItsText(LONG role) {
  switch (role) {
    case ROLE_SYSTEM_STATICTEXT:
    case ROLE_SYSTEM_TEXT:
    case ROLE_SYSTEM_PUSHBUTTON:
    case ROLE_SYSTEM_CHECKBUTTON:
    case ROLE_SYSTEM_RADIOBUTTON:
    case ROLE_SYSTEM_LISTITEM:
    case ROLE_SYSTEM_OUTLINEITEM:
    case ROLE_SYSTEM_MENUITEM:
    case ROLE_SYSTEM_LINK:
    case ROLE_SYSTEM_CELL:
    case ROLE_SYSTEM_PAGETAB:
    case ROLE_SYSTEM_COLUMNHEADER:
    case ROLE_SYSTEM_ROWHEADER:
    case ROLE_SYSTEM_BUTTONDROPDOWN:
    case ROLE_SYSTEM_BUTTONMENU:
    case ROLE_SYSTEM_SPLITBUTTON:
    case ROLE_SYSTEM_TOOLTIP:
      return true;
    default:
      return false;
  }
}

// Space before the text of an object, as the common controls draw it.
int TextInset(LONG role) {
  switch (role) {
    case ROLE_SYSTEM_MENUITEM: return ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
    case ROLE_SYSTEM_CHECKBUTTON:
    case ROLE_SYSTEM_RADIOBUTTON: return ::GetSystemMetrics(SM_CXMENUCHECK) + 4;
    default: return 2;
  }
}

class AccessibleSource : public TextSource {
 public:
  explicit AccessibleSource(std::shared_ptr<OwnerLayout> owner) : owner_(std::move(owner)) {}

  ReadResult Read(HWND window, POINT screenPoint, const Deadline& deadline, CapturedLine& line) override {
    ComPtr<IAccessible> object;
    VARIANT child;
    ::VariantInit(&child);
    if (FAILED(::AccessibleObjectFromPoint(screenPoint, object.Receive(), &child)) || !object)
      return ReadResult::kNotMine;
    VARIANT role;
    ::VariantInit(&role);
    const bool hasRole = SUCCEEDED(object->get_accRole(child, &role)) && role.vt == VT_I4;
    const LONG roleId = hasRole ? role.lVal : 0;
    ::VariantClear(&role);
    // The client area of a child window without an object of its own (a
    // custom label) is named by its window text, which is usually what it
    // draws; a top-level window's client is named by its title, which is not.
    const bool plainChild = roleId == ROLE_SYSTEM_CLIENT && (::GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
    const bool known = hasRole && (ShowsItsText(roleId) || plainChild);
    if (!known || deadline.Passed()) {
      ::VariantClear(&child);
      return ReadResult::kNotMine;
    }
    Bstr name, value;
    std::u16string text;
    if (roleId == ROLE_SYSTEM_TEXT && SUCCEEDED(object->get_accValue(child, value.Receive())))
      text = value.Text(kMaxReadUnits);
    if (text.empty() && SUCCEEDED(object->get_accName(child, name.Receive()))) text = name.Text(kMaxReadUnits);
    LONG left = 0, top = 0, width = 0, height = 0;
    const bool placed = SUCCEEDED(object->accLocation(&left, &top, &width, &height, child));
    ::VariantClear(&child);
    if (text.empty() || !placed) return ReadResult::kNotMine;

    text.resize(std::min(text.size(), kMaxMeasureUnits));
    TextWidths widths;
    int lineHeight = 0;
    if (!owner_->MeasureText(window, text, deadline, widths, lineHeight)) {
      const ControlFont font(window, deadline);
      widths = font.Widths(text);
      lineHeight = font.LineHeight();
    }
    const MeasureText measure = [&widths](std::size_t begin, std::size_t end) {
      return widths.Width(begin, end);
    };
    const std::vector<TextLine> lines = WrapLines(text, 0, measure);
    std::size_t row = static_cast<std::size_t>(std::max<LONG>(screenPoint.y - top, 0) / lineHeight);
    // A plain child draws its text from its top: below the text is nothing.
    // An object may centre its text, so below its rows counts as the last.
    if (row >= lines.size() && plainChild) return ReadResult::kRead;
    row = std::min(row, lines.size() - 1);
    const TextLine& hit = lines[row];
    const LONG textLeft = left + TextInset(roleId);
    const std::size_t index = CharacterAtOffset(hit, screenPoint.x - textLeft, measure);
    if (index >= hit.end) return ReadResult::kRead;
    line.text = text.substr(hit.begin, hit.end - hit.begin);
    line.index = index - hit.begin;
    const LONG rowTop = top + static_cast<LONG>(row) * lineHeight;
    const std::size_t lineBegin = hit.begin;
    line.locate = [widths, lineBegin, textLeft, rowTop, lineHeight](const WordSpan& word) {
      return RECT{textLeft + widths.Width(lineBegin, lineBegin + word.begin), rowTop,
                  textLeft + widths.Width(lineBegin, lineBegin + word.end), rowTop + lineHeight};
    };
    return ReadResult::kRead;
  }

 private:
  std::shared_ptr<OwnerLayout> owner_;
};

}  // namespace

std::unique_ptr<TextSource> MakeAccessibleSource(std::shared_ptr<OwnerLayout> owner) {
  return std::make_unique<AccessibleSource>(std::move(owner));
}

}  // namespace nhw32
