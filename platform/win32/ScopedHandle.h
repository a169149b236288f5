// Owners of the handles the backend opens: each is closed exactly once, on every path out.
#pragma once

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { Close(); }

  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = other.Release();
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  bool IsValid() const { return Traits::IsValid(handle_); }

  Handle Release() {
    Handle handle = handle_;
    handle_ = Traits::Invalid();
    return handle;
  }

  // Closes now; false when the system refused (a write can still fail at its close).
  bool Close() {
    if (!IsValid()) {
      return true;
    }
    return Traits::Close(Release());
  }

 private:
  Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static bool Close(Handle handle) { return ::CloseHandle(handle) != FALSE; }
};

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle Invalid() { return INVALID_HANDLE_VALUE; }
  static bool IsValid(Handle handle) { return handle != INVALID_HANDLE_VALUE; }
  static bool Close(Handle handle) { return ::FindClose(handle) != FALSE; }
};

template <class GdiHandle>
struct GdiObjectTraits {
  using Handle = GdiHandle;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle handle) { return handle != nullptr; }
  static bool Close(Handle handle) { return ::DeleteObject(handle) != FALSE; }
};

struct RegistryKeyTraits {
  using Handle = HKEY;
  static Handle Invalid() { return nullptr; }
  static bool IsValid(Handle handle) { return handle != nullptr; }
  static bool Close(Handle handle) { return ::RegCloseKey(handle) == ERROR_SUCCESS; }
};

using ScopedHandle = UniqueHandle<KernelHandleTraits>;
using ScopedRegistryKey = UniqueHandle<RegistryKeyTraits>;
using ScopedFindHandle = UniqueHandle<FindHandleTraits>;
using ScopedFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using ScopedBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;

}  // namespace corvane::win32
