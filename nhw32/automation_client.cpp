// The system's UI Automation client (IUIAutomation and the interfaces it
// hands out) behind our automation interface.
#include "automation_client.h"

#include "com_ptr.h"
#include "uia_interfaces.h"

namespace nhw32 {
namespace {

using uia::IUIAutomation;
using uia::IUIAutomationElement;
using uia::IUIAutomationTextPattern;
using uia::IUIAutomationTextRange;
using uia::IUIAutomationTreeWalker;

class Variant {
 public:
  Variant() { ::VariantInit(&value_); }
  ~Variant() { ::VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* Receive() {
    ::VariantClear(&value_);
    return &value_;
  }
  const VARIANT& Get() const { return value_; }

 private:
  VARIANT value_;
};

class SafeArray {
 public:
  SafeArray() = default;
  ~SafeArray() {
    if (array_) ::SafeArrayDestroy(array_);
  }
  SafeArray(const SafeArray&) = delete;
  SafeArray& operator=(const SafeArray&) = delete;
  SAFEARRAY** Receive() { return &array_; }
  SAFEARRAY* Get() const { return array_; }

 private:
  SAFEARRAY* array_ = nullptr;
};

std::u16string ToText(BSTR text) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text), ::SysStringLen(text))
              : std::u16string();
}

class SystemRange : public automation::Range {
 public:
  ComPtr<IUIAutomationTextRange> range;

  std::unique_ptr<automation::Range> Clone() override {
    auto clone = std::make_unique<SystemRange>();
    if (FAILED(range->Clone(clone->range.Receive())) || !clone->range) return nullptr;
    return clone;
  }
  bool ExpandToEnclosingUnit(automation::TextUnit unit) override {
    return SUCCEEDED(range->ExpandToEnclosingUnit(static_cast<int>(unit)));
  }
  bool MoveEndpointByRange(automation::Endpoint endpoint, automation::Range& other,
                           automation::Endpoint otherEndpoint) override {
    return SUCCEEDED(range->MoveEndpointByRange(static_cast<int>(endpoint),
                                                static_cast<SystemRange&>(other).range.Get(),
                                                static_cast<int>(otherEndpoint)));
  }
  bool MoveEndpointByUnit(automation::Endpoint endpoint, automation::TextUnit unit,
                          int count) override {
    int moved = 0;
    return SUCCEEDED(range->MoveEndpointByUnit(static_cast<int>(endpoint), static_cast<int>(unit),
                                               count, &moved));
  }
  bool GetText(int maxLength, std::u16string& text) override {
    Bstr read;
    if (FAILED(range->GetText(maxLength, read.Receive()))) return false;
    text = read.Text(static_cast<std::size_t>(maxLength));
    return true;
  }
  // Four doubles a rectangle: left, top, width, height.
  bool GetBoundingRectangles(std::vector<automation::Rect>& rectangles) override {
    SafeArray array;
    rectangles.clear();
    if (FAILED(range->GetBoundingRectangles(array.Receive()))) return false;
    if (!array.Get()) return true;
    VARTYPE type = VT_EMPTY;
    LONG low = 0, high = -1;
    if (FAILED(::SafeArrayGetVartype(array.Get(), &type)) || type != VT_R8 ||
        ::SafeArrayGetDim(array.Get()) != 1 || FAILED(::SafeArrayGetLBound(array.Get(), 1, &low)) ||
        FAILED(::SafeArrayGetUBound(array.Get(), 1, &high)))
      return false;
    double* values = nullptr;
    if (FAILED(::SafeArrayAccessData(array.Get(), reinterpret_cast<void**>(&values)))) return false;
    for (LONG i = 0; i + 3 <= high - low; i += 4)
      rectangles.push_back({values[i], values[i + 1], values[i + 2], values[i + 3]});
    ::SafeArrayUnaccessData(array.Get());
    return true;
  }
};

class SystemTextPattern : public automation::TextPattern {
 public:
  ComPtr<IUIAutomationTextPattern> pattern;

  std::unique_ptr<automation::Range> RangeFromPoint(automation::Point point) override {
    auto range = std::make_unique<SystemRange>();
    if (FAILED(pattern->RangeFromPoint(POINT{point.x, point.y}, range->range.Receive())) ||
        !range->range)
      return nullptr;
    return range;
  }
};

class SystemElement : public automation::Element {
 public:
  // `walker` belongs to the client, which outlives every element it made.
  explicit SystemElement(IUIAutomationTreeWalker* walker) : walker_(walker) {}
  ComPtr<IUIAutomationElement> element;

  // Only through the client's calls, which report an error where the
  // pattern cannot be had; never through the flat UiaGetPatternProvider.
  std::unique_ptr<automation::TextPattern> GetTextPattern() override {
    auto pattern = std::make_unique<SystemTextPattern>();
    if (FAILED(element->GetCurrentPatternAs(uia::kTextPatternId, uia::kIidIUIAutomationTextPattern,
                                            pattern->pattern.ReceiveVoid())) ||
        !pattern->pattern)
      return nullptr;
    return pattern;
  }
  std::unique_ptr<automation::Element> GetParent() override {
    if (!walker_) return nullptr;
    auto parent = std::make_unique<SystemElement>(walker_);
    if (FAILED(walker_->GetParentElement(element.Get(), parent->element.Receive())) ||
        !parent->element)
      return nullptr;
    return parent;
  }
  bool GetControlType(int& type) override {
    Variant value;
    if (FAILED(element->GetCurrentPropertyValueEx(uia::kControlTypePropertyId, TRUE,
                                                  value.Receive())) ||
        value.Get().vt != VT_I4)
      return false;
    type = value.Get().lVal;
    return true;
  }
  bool GetValue(std::u16string& text) override {
    return TextProperty(uia::kValueValuePropertyId, text);
  }
  bool GetName(std::u16string& text) override { return TextProperty(uia::kNamePropertyId, text); }

 private:
  // Without the property's default value: a property the provider does not
  // support is no text. (Wine's client knows no default values and fails the
  // plain GetCurrentPropertyValue.)
  bool TextProperty(int propertyId, std::u16string& text) {
    Variant value;
    if (FAILED(element->GetCurrentPropertyValueEx(propertyId, TRUE, value.Receive())) ||
        value.Get().vt != VT_BSTR)
      return false;
    text = ToText(value.Get().bstrVal);
    return true;
  }

  IUIAutomationTreeWalker* walker_;
};

class SystemClient : public automation::Client {
 public:
  ComPtr<IUIAutomation> automation;
  ComPtr<IUIAutomationTreeWalker> walker;  // the raw view; null when the client has none

  std::unique_ptr<automation::Element> ElementFromPoint(automation::Point point) override {
    auto element = std::make_unique<SystemElement>(walker.Get());
    if (FAILED(automation->ElementFromPoint(POINT{point.x, point.y}, element->element.Receive())) ||
        !element->element)
      return nullptr;
    return element;
  }
  std::unique_ptr<automation::Element> ElementFromHandle(std::uintptr_t window) override {
    auto element = std::make_unique<SystemElement>(walker.Get());
    if (FAILED(automation->ElementFromHandle(reinterpret_cast<HWND>(window),
                                             element->element.Receive())) ||
        !element->element)
      return nullptr;
    return element;
  }
};

}  // namespace

std::unique_ptr<automation::Client> MakeSystemAutomationClient() {
  auto client = std::make_unique<SystemClient>();
  if (FAILED(::CoCreateInstance(uia::kClsidCUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
                                uia::kIidIUIAutomation, client->automation.ReceiveVoid())) ||
      !client->automation)
    return nullptr;
  // The raw view's walker, or one made on the raw view's condition where
  // the client does not hand out the former (Wine's).
  if (FAILED(client->automation->get_RawViewWalker(client->walker.Receive()))) {
    ComPtr<IUnknown> rawView;
    if (FAILED(client->automation->get_RawViewCondition(rawView.Receive())) || !rawView ||
        FAILED(client->automation->CreateTreeWalker(rawView.Get(), client->walker.Receive())))
      client->walker.Reset();
  }
  return client;
}

}  // namespace nhw32
