// Window layouts as data: the backend creates every control from these tables.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace corvane {

enum class ControlKind { TextBox, Button, Label, CheckBox, Frame };

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
};

inline constexpr int kNoTabStop = -1;

struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  std::string_view text;         // design text or caption
  int left, top, width, height;  // twips, relative to the parent's client area
  int tabIndex = kNoTabStop;
  bool hasColour = false;
  Rgb colour{};  // background, where hasColour
  std::string_view tooltip{};
  bool centred = false;  // text boxes only
  bool visible = true;
  std::string_view parent{};  // a frame's name, where the control sits inside one
};

struct FormLayout {
  std::string_view name;
  std::string_view caption;
  int clientLeft, clientTop, clientWidth, clientHeight;  // twips, the designed client position and size
  bool hasBackground = false;
  Rgb background{};
  std::span<const ControlSpec> controls;
};

// Every control uses this font.
inline constexpr std::string_view kFontFace = "MS Sans Serif";
inline constexpr int kFontHundredthsOfPoint = 825;
inline constexpr int kFontWeight = 700;

}  // namespace corvane

namespace corvane {

// The Win32 control identifier of the control at `index` in its form's table; test drivers rely on it too.
constexpr int ControlIdOf(std::size_t index) {
  return 1000 + static_cast<int>(index);
}

}  // namespace corvane
