#include "app/speech.h"

#include <objbase.h>
#include <oleauto.h>
#include <sapi.h>

#include <memory>

#include "win/message_box.h"

namespace vodari {
namespace {

// The voice object and its interface, as the speech service publishes them.
constexpr CLSID kSpVoiceClass = {
    0x96749377, 0x3391, 0x11D2, {0x9E, 0xE3, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};
constexpr IID kSpVoiceInterface = {
    0x6C44DF74, 0x72B9, 0x4992, {0xA1, 0xEC, 0xEF, 0x99, 0x6E, 0x04, 0x22, 0xD4}};
constexpr DWORD kSpeakPunctuation = 64;  // SPF_NLP_SPEAK_PUNC, and synchronous

// A wide copy of GBK text, in the system's ANSI code page.
struct WideText {
  explicit WideText(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    value = ::SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (value && length > 0) ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, value, length);
  }
  ~WideText() { ::SysFreeString(value); }
  WideText(const WideText&) = delete;
  WideText& operator=(const WideText&) = delete;
  BSTR value = nullptr;
};

}  // namespace

SpeechRequest::~SpeechRequest() {
  if (thread) ::CloseHandle(thread);
}

void RequestSpeech(SpeechRequest& request, const std::string& text, const void* owner) {
  request.owner = owner;
  request.text = text;
  auto copy = std::make_unique<std::string>(request.text);
  HANDLE worker = ::CreateThread(nullptr, 0, SpeakText, copy.get(), 0, nullptr);
  if (!worker) return;
  copy.release();  // the worker owns it now
  if (request.thread) ::CloseHandle(request.thread);
  request.thread = worker;
}

DWORD WINAPI SpeakText(LPVOID param) {
  std::unique_ptr<std::string> text(static_cast<std::string*>(param));
  if (FAILED(::CoInitialize(nullptr))) {
    win::ShowMessageBox("Error to intiliaze COM");
    return 0;
  }
  ISpVoice* voice = nullptr;
  if (SUCCEEDED(::CoCreateInstance(kSpVoiceClass, nullptr, CLSCTX_ALL, kSpVoiceInterface,
                                   reinterpret_cast<void**>(&voice))) &&
      voice) {
    WideText wide(*text);
    if (wide.value) voice->Speak(wide.value, kSpeakPunctuation, nullptr);
    voice->Release();
  }
  ::CoUninitialize();
  return 0;
}

}  // namespace vodari
