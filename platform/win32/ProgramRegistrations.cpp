// What Windows says is installed: "App Paths" registrations and the programs associated with a type. Absence is the
// common answer here, so nothing in this file throws: what cannot be read is simply not there.
#include <shlwapi.h>

#include <algorithm>

#include "platform/win32/RegistryText.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32 {
namespace {

// The key's default value where it is text; REG_EXPAND_SZ is left unexpanded for the caller to expand.
std::optional<std::wstring> DefaultText(HKEY root, const std::wstring& subkey, REGSAM view) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(root, subkey.c_str(), 0, KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  const ScopedRegistryKey key(opened);
  return RegistryText(key.Get(), nullptr, true);
}

using AssocQuery = HRESULT(WINAPI*)(DWORD, DWORD, LPCWSTR, LPCWSTR, LPWSTR, DWORD*);

std::optional<std::string> AssociationText(AssocQuery query, DWORD what, const std::wstring& type) {
  // Unknown types answer "none" rather than the system's "Open with" program.
  const DWORD flags = ASSOCF_INIT_IGNOREUNKNOWN | ASSOCF_NOTRUNCATE;
  DWORD size = 0;
  if (query(flags, what, type.c_str(), nullptr, nullptr, &size) != S_FALSE || size <= 1) {
    return std::nullopt;
  }
  std::wstring text(size, L'\0');
  if (query(flags, what, type.c_str(), nullptr, text.data(), &size) != S_OK) {
    return std::nullopt;
  }
  text.resize(text.find(L'\0'));
  return text.empty() ? std::nullopt : std::optional(Narrow(text));
}

}  // namespace

std::vector<std::string> Win32Platform::AppPathRegistrations(const std::string& programName) {
  const std::wstring subkey = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + Widen(programName);
  std::vector<std::string> values;
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
    for (REGSAM view : {KEY_WOW64_64KEY, KEY_WOW64_32KEY}) {
      if (const auto value = DefaultText(root, subkey, view)) {
        // Keys that both views share answer twice; once is enough.
        if (std::string text = Narrow(*value); std::ranges::find(values, text) == values.end()) {
          values.push_back(std::move(text));
        }
      }
    }
  }
  return values;
}

// The shell's light-weight library is loaded only when a type's program is asked for, which most runs never do.
std::optional<Association> Win32Platform::AssociationOf(const std::string& type) {
  HMODULE library = ::LoadLibraryW(L"shlwapi.dll");
  // Through void*, as GetProcAddress's answer must be cast to the function's own type.
  const auto query =
      library == nullptr
          ? nullptr
          : reinterpret_cast<AssocQuery>(reinterpret_cast<void*>(::GetProcAddress(library, "AssocQueryStringW")));
  if (query == nullptr) {
    return std::nullopt;
  }
  const std::wstring wideType = Widen(type);
  auto program = AssociationText(query, ASSOCSTR_EXECUTABLE, wideType);
  auto command = AssociationText(query, ASSOCSTR_COMMAND, wideType);
  if (!program || !command) {
    return std::nullopt;
  }
  return Association{std::move(*program), std::move(*command)};
}

std::optional<std::string> Win32Platform::EnvironmentVariable(const std::string& name) {
  const std::wstring wideName = Widen(name);
  std::wstring value(256, L'\0');
  for (;;) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length = ::GetEnvironmentVariableW(wideName.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0 && ::GetLastError() == ERROR_ENVVAR_NOT_FOUND) {
      return std::nullopt;
    }
    if (length < value.size()) {
      value.resize(length);
      return Narrow(value);
    }
    value.resize(length);  // the room it asks for, its null included
  }
}

}  // namespace corvane::win32
