// The UI Automation steps of the capture library over a stand-in that
// behaves as the documented client interfaces and as browsers' providers
// do: a page of several lines whose word units carry their trailing blanks
// and punctuation, the nearest range for a point off the text, rectangles
// that may be missing, calls that fail, and a provider that hangs.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <tuple>
#include <utility>

#include "automation_reader.h"
#include "automation_runner.h"
#include "capture_words.h"

namespace nhw32 {
namespace automation {
namespace {

// Every character is 10 pixels wide and every line 20 high, from (0, 0).
constexpr long kWidth = 10;
constexpr long kHeight = 20;

struct Document {
  bool noRectangles = false;
  bool failing = false;
  std::function<void()> onRangeFromPoint{};  // where a hung provider blocks
  std::u16string text = u"The quick, brown fox\r\njumps over the lazy dog.\r\n\r\nlast";
};

bool IsBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

class StandInRange : public Range {
 public:
  StandInRange(const Document& document, std::size_t begin, std::size_t end)
      : doc_(document), text_(document.text), begin_(begin), end_(end) {}

  std::unique_ptr<Range> Clone() override {
    return doc_.failing ? nullptr : std::make_unique<StandInRange>(doc_, begin_, end_);
  }
  // A browser's word: a run of non-blanks with the blanks after it; a line
  // break is a unit of its own. The steps ask for no other unit.
  bool ExpandToEnclosingUnit(TextUnit unit) override {
    if (doc_.failing || unit != TextUnit::kWord) return false;
    std::size_t& b = begin_;
    std::size_t& e = end_;
    if (b < text_.size() && IsBreak(text_[b])) {
      e = text_.find(u'\n', b) + 1;
    } else {
      while (b > 0 && text_[b - 1] == u' ') --b;
      while (b > 0 && text_[b - 1] != u' ' && !IsBreak(text_[b - 1])) --b;
      e = b;
      while (e < text_.size() && text_[e] != u' ' && !IsBreak(text_[e])) ++e;
      while (e < text_.size() && text_[e] == u' ') ++e;
    }
    return true;
  }
  bool MoveEndpointByRange(Endpoint endpoint, Range& other, Endpoint otherEndpoint) override {
    const auto& o = static_cast<StandInRange&>(other);
    return !doc_.failing && Set(endpoint, otherEndpoint == Endpoint::kStart ? o.begin_ : o.end_);
  }
  bool MoveEndpointByUnit(Endpoint endpoint, TextUnit unit, int count) override {
    if (doc_.failing || unit != TextUnit::kCharacter) return false;
    const long at = static_cast<long>(endpoint == Endpoint::kStart ? begin_ : end_) + count;
    return Set(endpoint,
               static_cast<std::size_t>(std::clamp(at, 0L, static_cast<long>(text_.size()))));
  }
  bool GetText(int maxLength, std::u16string& text) override {
    if (doc_.failing) return false;
    text = text_.substr(begin_,
                        std::min<std::size_t>(end_ - begin_, static_cast<std::size_t>(maxLength)));
    return true;
  }
  bool GetBoundingRectangles(std::vector<Rect>& rectangles) override {
    if (doc_.failing) return false;
    rectangles.clear();
    for (std::size_t i = begin_; i < end_ && !doc_.noRectangles; ++i) {
      if (IsBreak(text_[i])) continue;
      const std::size_t lineStart =
          text_.rfind(u'\n', i) == std::u16string::npos ? 0 : text_.rfind(u'\n', i) + 1;
      const double line = static_cast<double>(std::count(text_.begin(), text_.begin() + i, u'\n'));
      const Rect cell = {static_cast<double>((i - lineStart) * kWidth), line * kHeight, kWidth,
                         kHeight};
      if (!rectangles.empty() && rectangles.back().top == cell.top)
        rectangles.back().width += kWidth;
      else
        rectangles.push_back(cell);
    }
    return true;
  }

 private:
  // As documented: an endpoint moved past the other one moves it along.
  bool Set(Endpoint endpoint, std::size_t position) {
    (endpoint == Endpoint::kStart ? begin_ : end_) = position;
    if (begin_ > end_) (endpoint == Endpoint::kStart ? end_ : begin_) = position;
    return true;
  }

  const Document& doc_;
  const std::u16string& text_;
  std::size_t begin_, end_;
};

class StandInPattern : public TextPattern {
 public:
  explicit StandInPattern(const Document& document) : doc_(document) {}
  // The nearest position: the line and column under the point, clamped.
  std::unique_ptr<Range> RangeFromPoint(Point point) override {
    if (doc_.onRangeFromPoint) doc_.onRangeFromPoint();
    if (doc_.failing) return nullptr;
    const std::u16string& text = doc_.text;
    const long lines = static_cast<long>(std::count(text.begin(), text.end(), u'\n')) + 1;
    std::size_t at = 0;
    for (long line = std::clamp(point.y / kHeight, 0L, lines - 1); line > 0; --line)
      at = text.find(u'\n', at) + 1;
    const std::size_t lineEnd = std::min(text.find_first_of(u"\r\n", at), text.size());
    at += std::min(static_cast<std::size_t>(std::max(point.x, 0L) / kWidth), lineEnd - at);
    return std::make_unique<StandInRange>(doc_, at, at);
  }

 private:
  const Document& doc_;
};

struct ElementShape {
  const Document* document;  // has the text pattern when set
  int controlType;
  std::u16string value{}, name{};
  const ElementShape* parent = nullptr;
  bool failing = false;
};

class StandInElement : public Element {
 public:
  explicit StandInElement(const ElementShape& shape) : shape_(shape) {}
  std::unique_ptr<TextPattern> GetTextPattern() override {
    if (shape_.failing || !shape_.document) return nullptr;
    return std::make_unique<StandInPattern>(*shape_.document);
  }
  std::unique_ptr<Element> GetParent() override {
    if (shape_.failing || !shape_.parent) return nullptr;
    return std::make_unique<StandInElement>(*shape_.parent);
  }
  bool GetControlType(int& type) override { return Give(type, shape_.controlType); }
  bool GetValue(std::u16string& value) override { return Give(value, shape_.value); }
  bool GetName(std::u16string& name) override { return Give(name, shape_.name); }

 private:
  template <typename T>
  bool Give(T& out, const T& value) const {
    return !shape_.failing && (out = value, true);
  }
  const ElementShape& shape_;
};

// Elements from the point and from the window; null stands for a call that
// fails (Wine's ElementFromPoint gives E_NOTIMPL).
class StandInClient : public Client {
 public:
  StandInClient(const ElementShape* atPoint, const ElementShape* ofWindow)
      : atPoint_(atPoint), ofWindow_(ofWindow) {}
  std::unique_ptr<Element> ElementFromPoint(Point) override { return Make(atPoint_); }
  std::unique_ptr<Element> ElementFromHandle(std::uintptr_t) override { return Make(ofWindow_); }

 private:
  static std::unique_ptr<Element> Make(const ElementShape* shape) {
    return shape ? std::make_unique<StandInElement>(*shape) : nullptr;
  }
  const ElementShape* atPoint_;
  const ElementShape* ofWindow_;
};

// The middle of a character.
Point At(long column, long line) { return {column * kWidth + 5, line * kHeight + 10}; }

// What the capture hands back, "-" when automation does not know the point,
// and the word's rectangle (all zeros when unknown).
std::tuple<std::u16string, double, double, double, double> Captured(const Reading& reading) {
  const std::u16string text =
      reading.kind == Reading::Kind::kNothing ? u"-" : CaptureTextAt(reading.text, reading.index);
  const Rect& a = reading.hasArea ? reading.area : Rect{};
  return {text, a.left, a.top, a.width, a.height};
}

TEST(AutomationReader, TheWordUnderThePointerByOurRulesWithItsRectangle) {
  const Document page, bare{true}, broken{false, true};
  const ElementShape document{&page, 50030, u"", u"Page title"};
  const ElementShape leaf{nullptr, 50020, u"", u"leaf", &document};
  const ElementShape noRectangles{&bare, 50030};
  const ElementShape failing{&broken, 50004, u"v", u"n", nullptr, true};
  const ElementShape brokenPattern{&broken, 50004, u"alpha beta\r\nmore", u"Name"};
  const ElementShape label{nullptr, 50020, u"", u"  hello there"};
  const ElementShape pane{nullptr, 50033, u"", u"Window title"};
  using Area = std::tuple<double, double, double, double>;
  const Area none{0, 0, 0, 0};
  using Case =
      std::tuple<const char*, const ElementShape*, const ElementShape*, Point, std::u16string, Area>;
  // clang-format off
  const Case cases[] = {
      {"word and punctuation", &document, nullptr, At(5, 0), u"quick, brown fox", {40, 0, 50, 20}},
      {"last word of a line", &document, nullptr, At(18, 0), u"fox", {170, 0, 30, 20}},
      {"second line", &document, nullptr, At(7, 1), u"over the lazy dog.", {60, 20, 40, 20}},
      {"between words", &document, nullptr, At(16, 0), u"", none},
      {"on punctuation", &document, nullptr, At(9, 0), u"", none},
      {"past the end of a line", &document, nullptr, {400, 10}, u"", none},
      {"on an empty line", &document, nullptr, At(0, 2), u"", none},
      {"below the text", &document, nullptr, {5, 300}, u"", none},
      {"pattern on an ancestor", &leaf, nullptr, At(5, 0), u"quick, brown fox", {40, 0, 50, 20}},
      {"element of the window", nullptr, &document, At(11, 0), u"brown fox", {110, 0, 50, 20}},
      {"no rectangles", &noRectangles, nullptr, At(5, 0), u"quick, brown fox", none},
      {"every call fails", &failing, &failing, At(5, 0), u"-", none},
      {"no element", nullptr, nullptr, At(5, 0), u"-", none},
      {"pattern fails: the value", &brokenPattern, nullptr, At(5, 0), u"alpha beta", none},
      {"no pattern: the name", &label, nullptr, At(5, 0), u"hello there", none},
      {"no pattern: not a title", &pane, nullptr, {5, 300}, u"-", none},
  };
  // clang-format on
  for (const auto& [what, atPoint, ofWindow, point, text, area] : cases) {
    StandInClient client(atPoint, ofWindow);
    EXPECT_EQ(Captured(ReadUnderPointer(client, 1, point)),
              std::tuple_cat(std::make_tuple(text), area))
        << what;
  }
}

// A thread that nobody waits for, as the library starts them.
bool Detached(std::function<void()> body) {
  std::thread(std::move(body)).detach();
  return true;
}

TEST(AutomationRunner, AHungProviderCostsAtMostTheBudgetAndIsNotQueuedBehind) {
  std::mutex mutex;
  std::condition_variable released;
  bool release = false;
  const Document page;
  Document hung;
  hung.onRangeFromPoint = [&] {
    std::unique_lock<std::mutex> lock(mutex);
    released.wait(lock, [&] { return release; });
  };
  const ElementShape hungDocument{&hung, 50030}, document{&page, 50030};
  std::atomic<int> clients{0};
  // The first client's provider hangs; a fresh client's answers.
  Runner runner(
      [&]() -> std::unique_ptr<Client> {
        return std::make_unique<StandInClient>(++clients == 1 ? &hungDocument : &document, nullptr);
      },
      &Detached);
  for (const bool answers : {false, true}) {
    const auto start = std::chrono::steady_clock::now();
    const std::optional<Reading> reading = runner.Read(1, At(5, 0), 150);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
    ASSERT_EQ(reading.has_value(), answers);
    if (answers) {
      EXPECT_EQ(CaptureTextAt(reading->text, reading->index), u"quick, brown fox");
    }
  }
  EXPECT_EQ(runner.LeftBehind(), 1);
  {
    std::lock_guard<std::mutex> lock(mutex);
    release = true;
  }
  released.notify_all();
  for (int i = 0; i < 200 && runner.LeftBehind() > 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(runner.LeftBehind(), 0);
  // Without a client (none registered) a read gives nothing at once.
  Runner none([] { return std::unique_ptr<Client>(); }, &Detached);
  EXPECT_FALSE(none.Read(1, At(5, 0), 1000).has_value());
}

}  // namespace
}  // namespace automation
}  // namespace nhw32
