// The message box a process shows: its title and text, and the person's answer.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace corvane::e2e {

struct ShownMessageBox {
  HWND window = nullptr;
  std::string title;
  std::string text;
};

// The process's visible message box, if it shows one now.
std::optional<ShownMessageBox> FindMessageBox(DWORD processId);

// Whether the box offers this button (IDOK, IDCANCEL, IDYES, IDNO) to press.
bool HasButton(const ShownMessageBox& box, int button);

// Answers with the button a person would press: IDOK, IDYES, IDNO or IDCANCEL.
void AnswerMessageBox(const ShownMessageBox& box, int button);

}  // namespace corvane::e2e
