// Enumerating another process's top-level windows and reading their texts without hanging on it.
#include "TopWindows.h"

#include <array>

#include "Wide.h"

namespace corvane::e2e {

namespace {

constexpr UINT kAnswerTimeoutMs = 2000;

struct Search {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND window, LPARAM param) {
  auto& search = *reinterpret_cast<Search*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search.processId && IsWindowVisible(window)) {
    search.found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> VisibleTopWindowsOf(DWORD processId) {
  Search search{processId, {}};
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kAnswerTimeoutMs, &copied)) {
    return {};
  }
  text.resize(copied);
  return ToUtf8(text);
}

std::string ClassOf(HWND window) {
  std::array<wchar_t, 256> name{};
  const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
  return ToUtf8(std::wstring_view(name.data(), static_cast<std::size_t>(length)));
}

HWND FindFormWindow(DWORD processId, std::string_view caption) {
  for (HWND window : VisibleTopWindowsOf(processId)) {
    if (ClassOf(window) != "#32770" && WindowText(window) == caption) {
      return window;
    }
  }
  return nullptr;
}

RECT WindowRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

int ScreenWidthPixels() {
  return GetSystemMetrics(SM_CXSCREEN);
}

int PixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace corvane::e2e
