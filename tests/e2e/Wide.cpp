// UTF-8, UTF-16 and ANSI conversions through the system's own converters.
#include "Wide.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

namespace corvane::e2e {

std::wstring ToWide(std::string_view utf8) {
  if (utf8.empty()) {
    return {};
  }
  const int size = static_cast<int>(utf8.size());
  const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
  if (length == 0) {
    throw std::runtime_error("text is not UTF-8");
  }
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), length);
  return wide;
}

namespace {

std::string Narrow(std::wstring_view wide, UINT codePage) {
  if (wide.empty()) {
    return {};
  }
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::string ToUtf8(std::wstring_view wide) {
  return Narrow(wide, CP_UTF8);
}

std::string ToAnsi(std::string_view utf8) {
  return Narrow(ToWide(utf8), CP_ACP);
}

std::wstring WindowsPath(std::wstring_view path) {
  std::wstring result(path);
  std::replace(result.begin(), result.end(), L'/', L'\\');
  return result;
}

}  // namespace corvane::e2e
