// Win32Platform: the operations that are one call each. The file and process operations are defined in
// FileOperations.cpp, FileLookup.cpp, TextFiles.cpp and ProcessStart.cpp; what Windows says is installed, in
// ProgramRegistrations.cpp; the user interface, in Win32Desktop.cpp.
#include "platform/win32/Win32Platform.h"

#include <string>
#include <string_view>

#include "platform/win32/SystemError.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

Win32Platform::Win32Platform(bool showsCopyProgress) : showsCopyProgress_(showsCopyProgress) {}

std::string Win32Platform::ProgramFolder() {
  // Paths may be longer than MAX_PATH; a full buffer means the name was cut, so try again with more room.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) {
      ThrowLastError("Program file");
    }
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.resize(path.rfind(L'\\') == std::wstring::npos ? 0 : path.rfind(L'\\'));
  return Narrow(path);
}

Date Win32Platform::Now() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return Date{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string Win32Platform::DecimalSeparator() {
  wchar_t separator[8] = {};
  if (::GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) == 0) {
    ThrowLastError("Decimal separator");
  }
  return Narrow(separator);
}

std::string Win32Platform::ShortDate(const Date& day) {
  SYSTEMTIME time{};
  time.wYear = static_cast<WORD>(day.year);
  time.wMonth = static_cast<WORD>(day.month);
  time.wDay = static_cast<WORD>(day.day);
  wchar_t text[80] = {};
  if (::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, 80, nullptr) == 0) {
    ThrowLastError("Short date");
  }
  return Narrow(text);
}

// The launcher's start is the common case and has no arguments: the shell's splitter, whose library is large, is
// loaded only when something follows the program's name.
std::vector<std::string> CommandLineArguments() {
  std::wstring_view line = ::GetCommandLineW();
  const bool quoted = line.starts_with(L'"');
  const std::size_t nameEnd = quoted ? line.find(L'"', 1) : line.find_first_of(L" \t");
  if (nameEnd == std::wstring_view::npos || line.find_first_not_of(L" \t", nameEnd + (quoted ? 1 : 0)) == line.npos) {
    return {};
  }
  using Splitter = LPWSTR*(WINAPI*)(LPCWSTR, int*);
  // Through void*, as GetProcAddress's answer must be cast to the function's own type.
  const auto split = reinterpret_cast<Splitter>(
      reinterpret_cast<void*>(::GetProcAddress(::LoadLibraryW(L"shell32.dll"), "CommandLineToArgvW")));
  if (split == nullptr) {
    ThrowLastError("CommandLineToArgvW");
  }
  int count = 0;
  LPWSTR* arguments = split(line.data(), &count);
  std::vector<std::string> result;
  for (int i = 1; arguments != nullptr && i < count; ++i) {
    result.push_back(Narrow(arguments[i]));
  }
  ::LocalFree(arguments);
  return result;
}

int RunMessageLoop() {
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    // The dialog manager gives the forms Tab and arrow-key navigation between their controls.
    HWND form = message.hwnd != nullptr ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (form != nullptr && ::IsDialogMessageW(form, &message)) {
      continue;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace corvane::win32
