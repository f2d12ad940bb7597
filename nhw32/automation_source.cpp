// UI Automation's text pattern, for programs that draw their own text
// (browsers, office programs, modern frameworks): the range under the
// pointer, its line, and the pointer's place in that line.
//
// The MinGW headers do not declare the automation client interfaces, so the
// few used here are declared from their published definitions: only the
// leading methods up to the last one called, in their published order.
#include <ole2.h>

#include "com_ptr.h"
#include "text_source.h"
#include "window_query.h"

namespace nhw32 {
// Not in an anonymous namespace: the compiler would then know every class
// that derives from these interfaces, find none in this file, and compile
// each call through them as unreachable. Their objects come from the system.
namespace automation {

struct IUIAutomationTextRange;

struct IUIAutomationElement : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** runtimeId) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirst(int scope, IUnknown* condition, IUIAutomationElement** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAll(int scope, IUnknown* condition, IUnknown** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache(int scope, IUnknown* condition, IUnknown* cacheRequest,
                                                        IUIAutomationElement** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(int scope, IUnknown* condition, IUnknown* cacheRequest,
                                                      IUnknown** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache(IUnknown* cacheRequest, IUIAutomationElement** updated) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(int propertyId, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValueEx(int propertyId, BOOL ignoreDefault, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValue(int propertyId, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValueEx(int propertyId, BOOL ignoreDefault, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPatternAs(int patternId, REFIID riid, void** pattern) = 0;
};

struct IUIAutomation : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CompareElements(IUIAutomationElement* a, IUIAutomationElement* b,
                                                    BOOL* same) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds(SAFEARRAY* a, SAFEARRAY* b, BOOL* same) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRootElement(IUIAutomationElement** root) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(HWND window, IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromPoint(POINT point, IUIAutomationElement** element) = 0;
};

struct IUIAutomationTextPattern : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE RangeFromPoint(POINT point, IUIAutomationTextRange** range) = 0;
};

struct IUIAutomationTextRange : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(IUIAutomationTextRange** clone) = 0;
  virtual HRESULT STDMETHODCALLTYPE Compare(IUIAutomationTextRange* range, BOOL* same) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareEndpoints(int endpoint, IUIAutomationTextRange* range, int targetEndpoint,
                                                     int* comparison) = 0;
  virtual HRESULT STDMETHODCALLTYPE ExpandToEnclosingUnit(int unit) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAttribute(int attribute, VARIANT value, BOOL backward,
                                                  IUIAutomationTextRange** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindText(BSTR text, BOOL backward, BOOL ignoreCase,
                                             IUIAutomationTextRange** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetAttributeValue(int attribute, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetBoundingRectangles(SAFEARRAY** rectangles) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetEnclosingElement(IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetText(int maxLength, BSTR* text) = 0;
  virtual HRESULT STDMETHODCALLTYPE Move(int unit, int count, int* moved) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveEndpointByUnit(int endpoint, int unit, int count, int* moved) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveEndpointByRange(int endpoint, IUIAutomationTextRange* range,
                                                        int targetEndpoint) = 0;
};

}  // namespace automation

namespace {

using automation::IUIAutomation;
using automation::IUIAutomationElement;
using automation::IUIAutomationTextPattern;
using automation::IUIAutomationTextRange;

// {ff48dba4-60ef-4201-aa87-54103eef594e}
constexpr CLSID kClsidCUIAutomation = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
// {30cbe57d-d9d0-452a-ab13-7ac5ac4825ee}
constexpr IID kIidIUIAutomation = {0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
// {32eba289-3583-42c9-9c59-3b6d9a1e9b6a}
constexpr IID kIidIUIAutomationTextPattern = {
    0x32eba289, 0x3583, 0x42c9, {0x9c, 0x59, 0x3b, 0x6d, 0x9a, 0x1e, 0x9b, 0x6a}};

constexpr int kTextPatternId = 10014;
constexpr int kUnitCharacter = 0;
constexpr int kUnitLine = 3;
constexpr int kEndpointStart = 0;
constexpr int kEndpointEnd = 1;

class AutomationSource : public TextSource {
 public:
  // Created on the capture worker, which has joined the multithreaded
  // apartment; without UI Automation on the system this source reads nothing.
  AutomationSource() {
    ::CoCreateInstance(kClsidCUIAutomation, nullptr, CLSCTX_INPROC_SERVER, kIidIUIAutomation,
                       automation_.ReceiveVoid());
  }

  ReadResult Read(HWND, POINT screenPoint, const Deadline& deadline, CapturedLine& line) override {
    if (!automation_) return ReadResult::kNotMine;
    ComPtr<IUIAutomationElement> element;
    ComPtr<IUIAutomationTextPattern> pattern;
    ComPtr<IUIAutomationTextRange> point, whole, before;
    if (FAILED(automation_->ElementFromPoint(screenPoint, element.Receive())) || !element || deadline.Passed() ||
        FAILED(element->GetCurrentPatternAs(kTextPatternId, kIidIUIAutomationTextPattern, pattern.ReceiveVoid())) ||
        !pattern || deadline.Passed() || FAILED(pattern->RangeFromPoint(screenPoint, point.Receive())) || !point)
      return ReadResult::kNotMine;
    // The character under the pointer, its whole line, and the part of the
    // line before that character.
    if (FAILED(point->ExpandToEnclosingUnit(kUnitCharacter)) || FAILED(point->Clone(whole.Receive())) ||
        FAILED(whole->ExpandToEnclosingUnit(kUnitLine)) || FAILED(whole->Clone(before.Receive())) ||
        FAILED(before->MoveEndpointByRange(kEndpointEnd, point.Get(), kEndpointStart)) || deadline.Passed())
      return ReadResult::kNotMine;
    Bstr lineText, beforeText;
    const int limit = static_cast<int>(kMaxReadUnits);
    if (FAILED(whole->GetText(limit, lineText.Receive())) || FAILED(before->GetText(limit, beforeText.Receive())))
      return ReadResult::kNotMine;
    line.text = lineText.Text(kMaxReadUnits);
    line.index = beforeText.Text(kMaxReadUnits).size();
    return ReadResult::kRead;
  }

 private:
  ComPtr<IUIAutomation> automation_;
};

}  // namespace

std::unique_ptr<TextSource> MakeAutomationSource() { return std::make_unique<AutomationSource>(); }

}  // namespace nhw32
