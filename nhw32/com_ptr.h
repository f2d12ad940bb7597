// Owns one reference to a COM object, and a BSTR.
#pragma once

#include <ole2.h>

#include <string>

namespace nhw32 {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { Reset(); }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  T* operator->() const { return object_; }
  T* Get() const { return object_; }
  explicit operator bool() const { return object_ != nullptr; }
  // For the out argument of a call that hands over a reference.
  T** Receive() {
    Reset();
    return &object_;
  }
  void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
  void Reset() {
    if (object_) object_->Release();
    object_ = nullptr;
  }

 private:
  T* object_ = nullptr;
};

class Bstr {
 public:
  Bstr() = default;
  ~Bstr() { ::SysFreeString(text_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR* Receive() {
    ::SysFreeString(text_);
    text_ = nullptr;
    return &text_;
  }
  // The text, at most `maxUnits` units.
  std::u16string Text(std::size_t maxUnits) const {
    if (!text_) return {};
    const std::size_t length = ::SysStringLen(text_);
    return std::u16string(reinterpret_cast<const char16_t*>(text_), length < maxUnits ? length : maxUnits);
  }

 private:
  BSTR text_ = nullptr;
};

}  // namespace nhw32
