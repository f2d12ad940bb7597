// Reading the word under the pointer through UI Automation, written against
// a small interface of our own, so that the same steps run over the
// system's automation client and over the tests' stand-in. Portable: no
// <windows.h>.
//
// The interface follows the documented client interfaces (IUIAutomation,
// IUIAutomationElement, IUIAutomationTextPattern, IUIAutomationTextRange):
// each call of ours is one call there; a failed call, or one that hands
// back nothing, gives null or false.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace nhw32 {
namespace automation {

struct Point {
  long x = 0;
  long y = 0;
};

// A screen rectangle as UI Automation gives it.
struct Rect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

// The values of the documented TextUnit and TextPatternRangeEndpoint.
enum class TextUnit : int { kCharacter = 0, kWord = 2, kLine = 3 };
enum class Endpoint : int { kStart = 0, kEnd = 1 };

class Range {
 public:
  virtual ~Range() = default;
  virtual std::unique_ptr<Range> Clone() = 0;
  virtual bool ExpandToEnclosingUnit(TextUnit unit) = 0;
  // `other` is a range of the same client.
  virtual bool MoveEndpointByRange(Endpoint endpoint, Range& other, Endpoint otherEndpoint) = 0;
  virtual bool MoveEndpointByUnit(Endpoint endpoint, TextUnit unit, int count) = 0;
  virtual bool GetText(int maxLength, std::u16string& text) = 0;
  virtual bool GetBoundingRectangles(std::vector<Rect>& rectangles) = 0;
};

class TextPattern {
 public:
  virtual ~TextPattern() = default;
  virtual std::unique_ptr<Range> RangeFromPoint(Point point) = 0;
};

class Element {
 public:
  virtual ~Element() = default;
  virtual std::unique_ptr<TextPattern> GetTextPattern() = 0;
  // The parent in the raw view; null at the top.
  virtual std::unique_ptr<Element> GetParent() = 0;
  virtual bool GetControlType(int& type) = 0;
  virtual bool GetValue(std::u16string& value) = 0;
  virtual bool GetName(std::u16string& name) = 0;
};

class Client {
 public:
  virtual ~Client() = default;
  virtual std::unique_ptr<Element> ElementFromPoint(Point point) = 0;
  virtual std::unique_ptr<Element> ElementFromHandle(std::uintptr_t window) = 0;
};

// What automation tells about a screen point. `text` and `index` are read
// as another source's line: the captured text is CaptureTextAt(text, index).
struct Reading {
  enum class Kind {
    kNothing,      // no element, or one without text pattern that shows no text
    kTextPattern,  // the text from the provider's word unit on (empty when the pointer is on no
                   // word)
    kLabel,        // no text pattern: the value or name of an element that shows text
  };
  Kind kind = Kind::kNothing;
  std::u16string text;
  std::size_t index = 0;
  bool hasArea = false;  // the word's rectangle, when the provider gives one
  Rect area;
};

// Reads at a screen point over the window under it: the element there
// (from the point, else the window's), the nearest element with the text
// pattern (itself or an ancestor), the range at the point expanded to the
// provider's word, and the word by our own rules from the text around it.
// Without a text pattern, the element's value, else its name, when its
// control type shows text.
Reading ReadUnderPointer(Client& client, std::uintptr_t window, Point point);

}  // namespace automation
}  // namespace nhw32
