// Message boxes are dialogs of class #32770 whose prompt is the static control with id 0xFFFF.
#include "MessageBoxes.h"

#include "TopWindows.h"

namespace corvane::e2e {

namespace {

constexpr int kPromptId = 0xFFFF;

}  // namespace

std::optional<ShownMessageBox> FindMessageBox(DWORD processId) {
  for (HWND window : VisibleTopWindowsOf(processId)) {
    if (ClassOf(window) != "#32770") {
      continue;
    }
    HWND prompt = GetDlgItem(window, kPromptId);
    return ShownMessageBox{window, WindowText(window), prompt ? WindowText(prompt) : std::string()};
  }
  return std::nullopt;
}

bool HasButton(const ShownMessageBox& box, int button) {
  HWND control = GetDlgItem(box.window, button);
  return control != nullptr && IsWindowVisible(control);
}

void AnswerMessageBox(const ShownMessageBox& box, int button) {
  // Posted, not sent: the box's own modal loop takes it, and the test never waits on the program.
  PostMessageW(box.window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
}

}  // namespace corvane::e2e
