// A program whose window answers UI Automation's request for its root
// object with a provider of ours: an edit-like element with the text
// pattern, a name and a value. The capture library's test reads it from
// another process, to see what the system's automation client carries
// across.
//
// The MinGW headers do not declare the provider interfaces, and there is no
// import library for uiautomationcore.dll: the interfaces are declared from
// their published definitions and its two functions taken at run time.
#include <ole2.h>
#include <windows.h>

namespace {

struct ITextRangeProvider;
struct UiaPoint {
  double x;
  double y;
};

struct IRawElementProviderSimple : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE get_ProviderOptions(int* options) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPatternProvider(int patternId, IUnknown** provider) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetPropertyValue(int propertyId, VARIANT* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE
  get_HostRawElementProvider(IRawElementProviderSimple** host) = 0;
};

struct ITextProvider : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** ranges) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetVisibleRanges(SAFEARRAY** ranges) = 0;
  virtual HRESULT STDMETHODCALLTYPE RangeFromChild(IRawElementProviderSimple* child,
                                                   ITextRangeProvider** range) = 0;
  virtual HRESULT STDMETHODCALLTYPE RangeFromPoint(UiaPoint point, ITextRangeProvider** range) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_DocumentRange(ITextRangeProvider** range) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_SupportedTextSelection(int* selection) = 0;
};

struct IValueProvider : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR* value) = 0;
  virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* readOnly) = 0;
};

constexpr IID kIidRawElementProviderSimple = {
    0xd6dd68d1, 0x86fd, 0x4332, {0x86, 0x66, 0x9a, 0xbe, 0xde, 0xa2, 0xd2, 0x4c}};
constexpr IID kIidTextProvider = {
    0x3589c92c, 0x63f3, 0x4367, {0x99, 0xbb, 0xad, 0xa6, 0x53, 0xb7, 0x7c, 0xf2}};
constexpr IID kIidValueProvider = {
    0xc7935180, 0x6fb3, 0x4201, {0xb1, 0x74, 0x7d, 0xf7, 0x3a, 0xdb, 0xf6, 0x4a}};

constexpr LONG kUiaRootObjectId = -25;
constexpr int kServerSideProvider = 2;
constexpr int kValuePatternId = 10002;
constexpr int kTextPatternId = 10014;
constexpr int kControlTypePropertyId = 30003;
constexpr int kNamePropertyId = 30005;
constexpr int kIsTextPatternAvailablePropertyId = 30040;
constexpr int kIsValuePatternAvailablePropertyId = 30043;
constexpr int kValueValuePropertyId = 30045;
constexpr int kEditControlTypeId = 50004;

constexpr wchar_t kName[] = L"provider name";
constexpr wchar_t kValue[] = L"juliet kilo lima";

using ReturnProviderFn = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
using HostProviderFn = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
ReturnProviderFn g_returnProvider = nullptr;
HostProviderFn g_hostProvider = nullptr;

// The text pattern is offered; its ranges are not, since no client here can
// ask for them (the capture's range steps are tested against a stand-in).
class Provider : public IRawElementProviderSimple, public ITextProvider, public IValueProvider {
 public:
  explicit Provider(HWND window) : window_(window) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == kIidRawElementProviderSimple)
      *object = static_cast<IRawElementProviderSimple*>(this);
    else if (iid == kIidTextProvider)
      *object = static_cast<ITextProvider*>(this);
    else if (iid == kIidValueProvider)
      *object = static_cast<IValueProvider*>(this);
    else
      return *object = nullptr, E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE get_ProviderOptions(int* options) override {
    *options = kServerSideProvider;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPatternProvider(int patternId, IUnknown** provider) override {
    *provider = nullptr;
    if (patternId == kTextPatternId) *provider = static_cast<ITextProvider*>(this);
    if (patternId == kValuePatternId) *provider = static_cast<IValueProvider*>(this);
    if (*provider) AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPropertyValue(int id, VARIANT* value) override {
    ::VariantInit(value);
    if (id == kControlTypePropertyId) value->vt = VT_I4, value->lVal = kEditControlTypeId;
    if (id == kNamePropertyId) value->vt = VT_BSTR, value->bstrVal = ::SysAllocString(kName);
    if (id == kValueValuePropertyId) value->vt = VT_BSTR, value->bstrVal = ::SysAllocString(kValue);
    if (id == kIsTextPatternAvailablePropertyId || id == kIsValuePatternAvailablePropertyId)
      value->vt = VT_BOOL, value->boolVal = VARIANT_TRUE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override {
    *host = nullptr;
    return g_hostProvider ? g_hostProvider(window_, host) : S_OK;
  }

  HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** out) override { return None(out); }
  HRESULT STDMETHODCALLTYPE GetVisibleRanges(SAFEARRAY** out) override { return None(out); }
  HRESULT STDMETHODCALLTYPE RangeFromChild(IRawElementProviderSimple*,
                                           ITextRangeProvider** out) override {
    return None(out);
  }
  HRESULT STDMETHODCALLTYPE RangeFromPoint(UiaPoint, ITextRangeProvider** out) override {
    return None(out);
  }
  HRESULT STDMETHODCALLTYPE get_DocumentRange(ITextRangeProvider** out) override {
    return None(out);
  }
  HRESULT STDMETHODCALLTYPE get_SupportedTextSelection(int* selection) override {
    return *selection = 0, S_OK;
  }

  HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR) override { return E_ACCESSDENIED; }
  HRESULT STDMETHODCALLTYPE get_Value(BSTR* value) override {
    *value = ::SysAllocString(kValue);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* readOnly) override {
    return *readOnly = TRUE, S_OK;
  }

 private:
  virtual ~Provider() = default;
  template <typename T>
  static HRESULT None(T** out) {
    return *out = nullptr, E_NOTIMPL;
  }
  LONG references_ = 1;
  HWND window_;
};

Provider* g_provider = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == kUiaRootObjectId &&
      g_returnProvider && g_provider)
    return g_returnProvider(window, wParam, lParam, g_provider);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  if (HMODULE core = ::LoadLibraryW(L"uiautomationcore.dll")) {
    g_returnProvider = reinterpret_cast<ReturnProviderFn>(
        reinterpret_cast<void*>(::GetProcAddress(core, "UiaReturnRawElementProvider")));
    g_hostProvider = reinterpret_cast<HostProviderFn>(
        reinterpret_cast<void*>(::GetProcAddress(core, "UiaHostProviderFromHwnd")));
  }
  WNDCLASSW cls = {};
  cls.lpfnWndProc = WindowProc;
  cls.hInstance = instance;
  cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  cls.lpszClassName = L"Nhw32AutomationTarget";
  ::RegisterClassW(&cls);
  // Beside the capture target's windows, not over them.
  HWND window = ::CreateWindowExW(WS_EX_TOPMOST, cls.lpszClassName, L"", WS_POPUP, 650, 100, 300,
                                  60, nullptr, nullptr, instance, nullptr);
  g_provider = new Provider(window);
  ::ShowWindow(window, SW_SHOW);
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) ::DispatchMessageW(&message);
  g_provider->Release();
  ::CoUninitialize();
  return 0;
}
