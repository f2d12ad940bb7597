// A library loaded at run time, freed when the object goes, with typed
// access to its entry points.
#pragma once

#include <windows.h>

namespace win {

class Library {
 public:
  Library() = default;
  explicit Library(const char* name) : module_(::LoadLibraryA(name)) {}
  ~Library() { Reset(); }
  Library(Library&& other) noexcept : module_(other.module_) { other.module_ = nullptr; }
  Library& operator=(Library&& other) noexcept {
    if (this != &other) {
      Reset();
      module_ = other.module_;
      other.module_ = nullptr;
    }
    return *this;
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  explicit operator bool() const { return module_ != nullptr; }
  HMODULE Get() const { return module_; }

  // The entry point `name` as a function pointer of type `Function`, or null.
  template <typename Function>
  Function Entry(const char* name) const {
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module_, name)));
  }

  void Reset() {
    if (module_ != nullptr) ::FreeLibrary(module_);
    module_ = nullptr;
  }

 private:
  HMODULE module_ = nullptr;
};

}  // namespace win
