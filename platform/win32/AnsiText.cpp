// Conversions between the ANSI code page and UTF-8, through UTF-16.
#include "platform/win32/AnsiText.h"

#include "platform/win32/WideText.h"
#include "platform/win32/WinApi.h"

namespace corvane::win32 {

std::string AnsiToUtf8(std::string_view ansi) {
  if (ansi.empty()) {
    return {};
  }
  const int length = CheckedTextLength(ansi.size());
  const int wideLength = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), wideLength);
  return Narrow(wide);
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
  if (utf8.empty()) {
    return std::string();
  }
  const int length = CheckedTextLength(utf8.size());
  const int wideLength = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), length, nullptr, 0);
  if (wideLength == 0) {
    return std::nullopt;
  }
  // A UTF-8 system code page holds everything, and refuses the used-default flag.
  if (::GetACP() == CP_UTF8) {
    return std::string(utf8);
  }
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);

  // No best fit: "Ω" must not quietly become "O" in a file name.
  BOOL usedDefault = FALSE;
  const int ansiLength =
      ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, nullptr, 0, nullptr, &usedDefault);
  if (ansiLength == 0 || usedDefault) {
    return std::nullopt;
  }
  std::string ansi(static_cast<std::size_t>(ansiLength), '\0');
  ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, ansi.data(), ansiLength, nullptr,
                        &usedDefault);
  if (usedDefault) {
    return std::nullopt;
  }
  return ansi;
}

}  // namespace corvane::win32
