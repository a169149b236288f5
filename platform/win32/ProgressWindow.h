// The small window that tells how far a long copy has got: caption "Corvane", no close box, two lines of text.
#pragma once

#include <string>

#include "platform/win32/ScopedHandle.h"
#include "platform/win32/WinApi.h"

namespace corvane::win32 {

inline constexpr wchar_t kProgressClassName[] = L"CorvaneProgress";

class ProgressWindow {
 public:
  // Shows the window at once in the middle of the screen's work area, leaving the focus where it is. When the
  // system refuses to make it, nothing is shown: a progress window is not worth failing a copy for.
  ProgressWindow(const std::string& heading, const std::string& detail);
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  // Changes the second line; the same text again is not repainted.
  void SetDetail(const std::string& detail);

 private:
  void Create(const std::wstring& heading);

  ScopedFont font_;
  HWND window_ = nullptr;
  HWND detail_ = nullptr;
  std::string detailText_;
};

}  // namespace corvane::win32
