// The few UI Automation client interfaces the capture library calls.
//
// The MinGW headers do not declare them, so they are declared here from
// their published definitions: only the leading methods up to the last one
// called, in their published order.
#pragma once

#include <ole2.h>

// Not in an unnamed namespace: the objects behind these interfaces come
// from the system, and the compiler must not take the interfaces for a
// closed hierarchy without implementations.
namespace nhw32 {
namespace uia {

struct IUIAutomationTextRange;

struct IUIAutomationElement : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** runtimeId) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirst(int scope, IUnknown* condition,
                                              IUIAutomationElement** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAll(int scope, IUnknown* condition, IUnknown** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache(int scope, IUnknown* condition,
                                                        IUnknown* cacheRequest,
                                                        IUIAutomationElement** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(int scope, IUnknown* condition,
                                                      IUnknown* cacheRequest, IUnknown** found) = 0;
  virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache(IUnknown* cacheRequest,
                                                      IUIAutomationElement** updated) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(int propertyId, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValueEx(int propertyId, BOOL ignoreDefault,
                                                              VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValue(int propertyId, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValueEx(int propertyId, BOOL ignoreDefault,
                                                             VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCurrentPatternAs(int patternId, REFIID riid,
                                                        void** pattern) = 0;
};

struct IUIAutomationTreeWalker : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetParentElement(IUIAutomationElement* element,
                                                     IUIAutomationElement** parent) = 0;
};

struct IUIAutomation : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE CompareElements(IUIAutomationElement* a,
                                                    IUIAutomationElement* b, BOOL* same) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds(SAFEARRAY* a, SAFEARRAY* b, BOOL* same) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRootElement(IUIAutomationElement** root) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(HWND window,
                                                      IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromPoint(POINT point,
                                                     IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFocusedElement(IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetRootElementBuildCache(IUnknown* cacheRequest,
                                                             IUIAutomationElement** root) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromHandleBuildCache(HWND window, IUnknown* cacheRequest,
                                                                IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE ElementFromPointBuildCache(POINT point, IUnknown* cacheRequest,
                                                               IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFocusedElementBuildCache(IUnknown* cacheRequest,
                                                                IUIAutomationElement** element) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateTreeWalker(IUnknown* condition,
                                                     IUIAutomationTreeWalker** walker) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ControlViewWalker(IUIAutomationTreeWalker** walker) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_ContentViewWalker(IUIAutomationTreeWalker** walker) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RawViewWalker(IUIAutomationTreeWalker** walker) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_RawViewCondition(IUnknown** condition) = 0;
};

struct IUIAutomationTextPattern : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE RangeFromPoint(POINT point, IUIAutomationTextRange** range) = 0;
};

struct IUIAutomationTextRange : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(IUIAutomationTextRange** clone) = 0;
  virtual HRESULT STDMETHODCALLTYPE Compare(IUIAutomationTextRange* range, BOOL* same) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareEndpoints(int endpoint, IUIAutomationTextRange* range,
                                                     int targetEndpoint, int* comparison) = 0;
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
  virtual HRESULT STDMETHODCALLTYPE MoveEndpointByUnit(int endpoint, int unit, int count,
                                                       int* moved) = 0;
  virtual HRESULT STDMETHODCALLTYPE MoveEndpointByRange(int endpoint, IUIAutomationTextRange* range,
                                                        int targetEndpoint) = 0;
};

// {ff48dba4-60ef-4201-aa87-54103eef594e}
constexpr CLSID kClsidCUIAutomation = {
    0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
// {30cbe57d-d9d0-452a-ab13-7ac5ac4825ee}
constexpr IID kIidIUIAutomation = {
    0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
// {32eba289-3583-42c9-9c59-3b6d9a1e9b6a}
constexpr IID kIidIUIAutomationTextPattern = {
    0x32eba289, 0x3583, 0x42c9, {0x9c, 0x59, 0x3b, 0x6d, 0x9a, 0x1e, 0x9b, 0x6a}};

constexpr int kTextPatternId = 10014;
constexpr int kControlTypePropertyId = 30003;
constexpr int kNamePropertyId = 30005;
constexpr int kValueValuePropertyId = 30045;

}  // namespace uia
}  // namespace nhw32
