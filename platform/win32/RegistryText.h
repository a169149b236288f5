// A text value of an open registry key, as stored.
#pragma once

#include <optional>
#include <string>

#include "platform/win32/WinApi.h"

namespace corvane::win32 {

// The value `name` (nullptr: the key's default value) where it is REG_SZ, or REG_EXPAND_SZ left unexpanded where
// `expandable`; nullopt where it is missing, of another type or cannot be read.
std::optional<std::wstring> RegistryText(HKEY key, const wchar_t* name, bool expandable);

}  // namespace corvane::win32
