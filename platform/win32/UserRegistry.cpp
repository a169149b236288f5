// Values of the current user's own registry: read where they may be missing, written where the program keeps them.
#include "platform/win32/RegistryText.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32 {

std::optional<RegistryValue> Win32Platform::UserRegistryValue(const std::string& key, const std::string& name) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_CURRENT_USER, Widen(key).c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const ScopedRegistryKey owned(opened);
  const std::wstring valueName = Widen(name);
  DWORD number = 0;
  DWORD type = 0;
  DWORD bytes = sizeof number;
  if (::RegQueryValueExW(opened, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number), &bytes) ==
          ERROR_SUCCESS &&
      type == REG_DWORD) {
    return RegistryValue(static_cast<std::uint32_t>(number));
  }
  if (const auto text = RegistryText(opened, valueName.c_str(), false)) {
    return RegistryValue(Narrow(*text));
  }
  return std::nullopt;
}

void Win32Platform::SetUserRegistryValues(const std::string& key,
                                          const std::vector<std::pair<std::string, RegistryValue>>& values) {
  const std::string subject = "HKEY_CURRENT_USER\\" + key;
  HKEY created = nullptr;
  if (const LSTATUS status = ::RegCreateKeyExW(HKEY_CURRENT_USER, Widen(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                               nullptr, &created, nullptr);
      status != ERROR_SUCCESS) {
    ThrowSystemError(static_cast<DWORD>(status), subject);
  }
  const ScopedRegistryKey owned(created);
  for (const auto& [name, value] : values) {
    LSTATUS status = ERROR_SUCCESS;
    if (const auto* text = std::get_if<std::string>(&value)) {
      const std::wstring wide = Widen(*text);
      status = ::RegSetValueExW(created, Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                                static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    } else {
      const DWORD number = std::get<std::uint32_t>(value);
      status = ::RegSetValueExW(created, Widen(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                                sizeof number);
    }
    if (status != ERROR_SUCCESS) {
      ThrowSystemError(static_cast<DWORD>(status), subject);
    }
  }
}

}  // namespace corvane::win32
