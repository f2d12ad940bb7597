#include "automation_reader.h"

#include <algorithm>

#include "capture_words.h"

namespace nhw32 {
namespace automation {
namespace {

// Most units asked of one GetText.
constexpr int kMaxRangeUnits = 1024;
// Characters read past the start of the provider's word: enough for the
// text handed back.
constexpr int kFollowingUnits = static_cast<int>(kMaxCaptureUnits);
// How far up the tree the text pattern is looked for (a browser's text
// leaf lies a few levels below its document).
constexpr int kMaxAncestors = 8;

// Control types (UIA_*ControlTypeId) whose name or value is text shown on
// the screen. Windows, panes and groups are not: their name is a title.
bool ShowsText(int controlType) {
  switch (controlType) {
    case 50000:  // button
    case 50002:  // check box
    case 50004:  // edit
    case 50005:  // hyperlink
    case 50007:  // list item
    case 50011:  // menu item
    case 50013:  // radio button
    case 50019:  // tab item
    case 50020:  // text
    case 50022:  // tool tip
    case 50024:  // tree item
    case 50029:  // data item
    case 50030:  // document
    case 50031:  // split button
    case 50035:  // header item
      return true;
    default:
      return false;
  }
}

bool Contains(const Rect& rect, Point point) {
  return point.x >= rect.left && point.x < rect.left + rect.width && point.y >= rect.top &&
         point.y < rect.top + rect.height;
}

Rect Union(const std::vector<Rect>& rects) {
  double left = rects[0].left, top = rects[0].top;
  double right = left + rects[0].width, bottom = top + rects[0].height;
  for (const Rect& rect : rects) {
    left = std::min(left, rect.left);
    top = std::min(top, rect.top);
    right = std::max(right, rect.left + rect.width);
    bottom = std::max(bottom, rect.top + rect.height);
  }
  return {left, top, right - left, bottom - top};
}

// The pointer is on no word: the text pattern answered, with nothing.
bool NoWord(Reading& reading) {
  reading.text.clear();
  reading.index = 0;
  return true;
}

// The word at the point through the text pattern; false when a call fails.
bool ReadRange(TextPattern& pattern, Point point, Reading& reading) {
  const std::unique_ptr<Range> at = pattern.RangeFromPoint(point);
  if (!at) return false;
  const std::unique_ptr<Range> unit = at->Clone();
  if (!unit || !unit->ExpandToEnclosingUnit(TextUnit::kWord)) return false;
  // The text from the provider's word on, and the pointer's place in it.
  std::u16string text, before, unitText;
  const std::unique_ptr<Range> following = unit->Clone();
  const std::unique_ptr<Range> head = unit->Clone();
  if (!following ||
      !following->MoveEndpointByUnit(Endpoint::kEnd, TextUnit::kCharacter, kFollowingUnits) ||
      !following->GetText(kMaxRangeUnits, text) || !head ||
      !head->MoveEndpointByRange(Endpoint::kEnd, *at, Endpoint::kStart) ||
      !head->GetText(kMaxRangeUnits, before) || !unit->GetText(kMaxRangeUnits, unitText))
    return false;
  reading.kind = Reading::Kind::kTextPattern;
  reading.text = text;
  reading.index = before.size();
  // Browsers count trailing blanks and punctuation with the word: our own
  // rules choose the word, and a point on those is on no word.
  const WordSpan word = FindWordAt(text, reading.index);
  if (word.empty()) return NoWord(reading);
  // The word's own range, for its rectangle: the unit less what our rules
  // leave out (or more, where the provider cut a word short).
  const std::unique_ptr<Range> own = unit->Clone();
  const int startMove = static_cast<int>(word.begin);
  const int endMove = static_cast<int>(word.end) - static_cast<int>(unitText.size());
  std::vector<Rect> rects;
  if (!own ||
      (startMove != 0 &&
       !own->MoveEndpointByUnit(Endpoint::kStart, TextUnit::kCharacter, startMove)) ||
      (endMove != 0 && !own->MoveEndpointByUnit(Endpoint::kEnd, TextUnit::kCharacter, endMove)) ||
      !own->GetBoundingRectangles(rects) || rects.empty())
    return true;  // no rectangle: the text as read
  // The range at a point is the nearest one: past the end of a line, below
  // the text or on a blank it is a word the pointer is not on.
  if (std::none_of(rects.begin(), rects.end(),
                   [point](const Rect& rect) { return Contains(rect, point); }))
    return NoWord(reading);
  reading.hasArea = true;
  reading.area = Union(rects);
  return true;
}

// The element's value, else its name, from its first word on, when its
// control type shows text.
void ReadLabel(Element& element, Reading& reading) {
  int type = 0;
  if (!element.GetControlType(type) || !ShowsText(type)) return;
  const auto firstWord = [](const std::u16string& text) {
    return static_cast<std::size_t>(std::find_if(text.begin(), text.end(), IsWordUnit) -
                                    text.begin());
  };
  std::u16string text;
  if (!element.GetValue(text) || firstWord(text) == text.size()) {
    if (!element.GetName(text) || firstWord(text) == text.size()) return;
  }
  reading.kind = Reading::Kind::kLabel;
  reading.index = firstWord(text);
  reading.text = std::move(text);
}

}  // namespace

Reading ReadUnderPointer(Client& client, std::uintptr_t window, Point point) {
  Reading reading;
  std::unique_ptr<Element> element = client.ElementFromPoint(point);
  if (!element) element = client.ElementFromHandle(window);
  if (!element) return reading;
  std::unique_ptr<Element> ancestor;
  Element* current = element.get();
  for (int depth = 0; current && depth <= kMaxAncestors; ++depth) {
    if (const std::unique_ptr<TextPattern> pattern = current->GetTextPattern()) {
      if (ReadRange(*pattern, point, reading)) return reading;
      break;
    }
    ancestor = current->GetParent();
    current = ancestor.get();
  }
  reading = Reading{};
  ReadLabel(*element, reading);
  return reading;
}

}  // namespace automation
}  // namespace nhw32
