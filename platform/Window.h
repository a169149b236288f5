// A window created from a layout table, as the logic sees it: controls by name, sizes in twips.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Layout.h"

namespace corvane {

enum class Event {
  Click,     // button pressed (mouse, keyboard or BM_CLICK); a list box's selection changed
  DblClick,  // double-click on a text box, a frame or a list box's line
  Close,     // the frame's close box; control name is "Form"
  Shown,     // the window was shown and has painted once; control name is "Form"
};

// Receives a window's events. It deals with every failure of its own, so that none reaches the window procedure.
class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void OnEvent(std::string_view control, Event event) noexcept = 0;
};

// Unloading is destroying the Window object. Naming a control the layout lacks is a programming error.
class Window {
 public:
  virtual ~Window() = default;

  virtual void SetText(std::string_view control, const std::string& text) = 0;
  virtual std::string Text(std::string_view control) const = 0;
  virtual bool IsChecked(std::string_view control) const = 0;
  virtual void SetChecked(std::string_view control, bool checked) = 0;
  virtual void SetControlVisible(std::string_view control, bool visible) = 0;
  virtual bool IsControlVisible(std::string_view control) const = 0;
  // Draws the control's text in `colour`, or in the system's colour where there is none.
  virtual void SetTextColour(std::string_view control, std::optional<Rgb> colour) = 0;
  virtual void SetEnabled(std::string_view control, bool enabled) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  // A list box's lines, none selected; and the line selected, from 0, if any.
  virtual void SetLines(std::string_view control, const std::vector<std::string>& lines) = 0;
  virtual std::optional<int> SelectedLine(std::string_view control) const = 0;

  // Outer width (frame included) and left edge of the window, in twips.
  virtual int OuterWidth() const = 0;
  virtual int Left() const = 0;
  virtual void SetLeft(int twips) = 0;

  // Shows modeless and brings the window to the front.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool IsVisible() const = 0;
};

}  // namespace corvane
