// A window built from a layout table, driven by its controls' names as a person would use them.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/Layout.h"

namespace corvane::e2e {

class Form {
 public:
  Form(HWND window, const FormLayout& layout) : window_(window), layout_(layout) {}

  HWND handle() const { return window_; }
  // Throws when the layout has no such control or the window lacks it.
  HWND Control(std::string_view name) const;
  std::string Text(std::string_view name) const;
  bool IsChecked(std::string_view name) const;
  // The control's own visibility, as its window would show it.
  bool IsShown(std::string_view name) const;
  // Replaces a text box's whole text, as typing over it would.
  void SetText(std::string_view name, std::string_view text) const;
  // Types over a text box's whole text, as a person who selects it all and types would: unlike SetText, the box's
  // own length limit holds, and what does not fit is refused.
  void TypeOver(std::string_view name, std::string_view text) const;
  // One key press of a character with the caret at the end of the box's text.
  void TypeAtEnd(std::string_view name, wchar_t character) const;
  // Posted, so that a handler that opens a modal message box never blocks the test.
  void Click(std::string_view name) const;
  void DoubleClick(std::string_view name) const;
  // A frame takes no mouse input of its own: the double-click lands on the form, inside the frame's rectangle
  // but on none of the controls placed over it, as a person's double-click on the frame's empty part would.
  void DoubleClickFrame(std::string_view name) const;

 private:
  HWND window_;
  const FormLayout& layout_;
};

}  // namespace corvane::e2e
