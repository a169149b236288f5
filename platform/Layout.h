// Window layouts as data: the backend creates every control from these tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace corvane {

enum class ControlKind { TextBox, Button, Label, CheckBox, Frame, ListBox };

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
};

// Twips, relative to the parent's client area.
struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

struct ControlSpec {
  std::string_view name{};
  ControlKind kind = ControlKind::Label;
  std::string_view text{};  // design text or caption
  Rect rect{};
  std::optional<int> tab{};     // tab index; none for a control that is never tabbed to
  std::optional<Rgb> colour{};  // background
  std::string_view tooltip{};
  bool centred = false;          // text boxes only
  bool hidden = false;           // hidden until the program shows it
  std::string_view frame{};      // the frame the control sits in, if any
  bool pressedByEnter = false;   // buttons only: the default button
  bool pressedByEscape = false;  // buttons only: the button Escape stands for
};

struct FormLayout {
  std::string_view name{};
  std::string_view caption{};
  Rect client{};  // the designed client position and size
  std::optional<Rgb> background{};
  std::span<const ControlSpec> controls{};
};

// Every control uses this font.
inline constexpr std::string_view kFontFace = "MS Sans Serif";
inline constexpr int kFontHundredthsOfPoint = 825;
inline constexpr int kFontWeight = 700;

// The Win32 control identifier of the control at `index` in its form's table; test drivers rely on it too.
constexpr int ControlIdOf(std::size_t index) {
  return 1000 + static_cast<int>(index);
}

}  // namespace corvane
