// Reading a text value of the registry, which may or may not end in a null.
#include "platform/win32/RegistryText.h"

#include <algorithm>

namespace corvane::win32 {

std::optional<std::wstring> RegistryText(HKEY key, const wchar_t* name, bool expandable) {
  const auto isText = [&](DWORD type) { return type == REG_SZ || (expandable && type == REG_EXPAND_SZ); };
  DWORD type = 0;
  DWORD bytes = 0;
  if (::RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || !isText(type)) {
    return std::nullopt;
  }
  std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes) != ERROR_SUCCESS ||
      !isText(type)) {
    return std::nullopt;
  }
  // The stored text may or may not end in a null; it ends at the first.
  value.resize(std::min(value.find(L'\0'), static_cast<std::size_t>(bytes / sizeof(wchar_t))));
  return value;
}

}  // namespace corvane::win32
