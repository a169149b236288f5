// Turning error codes into the system's own words.
#include "platform/win32/SystemError.h"

#include "platform/Platform.h"
#include "platform/win32/WideText.h"

namespace corvane::win32 {

std::string DescribeSystemError(DWORD code) {
  LPWSTR buffer = nullptr;
  const DWORD length =
      ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  std::wstring description;
  if (length != 0 && buffer != nullptr) {
    description.assign(buffer, length);
  }
  ::LocalFree(buffer);
  while (!description.empty() &&
         (description.back() == L'\r' || description.back() == L'\n' || description.back() == L' ')) {
    description.pop_back();
  }
  if (description.empty()) {
    return "System error " + std::to_string(code) + ".";
  }
  return Narrow(description);
}

void ThrowSystemError(DWORD code, std::string_view subject) {
  throw PlatformError(std::string(subject), DescribeSystemError(code),
                      code == ERROR_ACCESS_DENIED ? Refusal::AccessDenied : Refusal::Other);
}

void ThrowLastError(std::string_view subject) {
  const DWORD code = ::GetLastError();
  // A failing call that set no code still gets a description, never "completed successfully".
  ThrowSystemError(code != ERROR_SUCCESS ? code : static_cast<DWORD>(E_FAIL), subject);
}

}  // namespace corvane::win32
