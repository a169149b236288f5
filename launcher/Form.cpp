// The shared part of the three windows.
#include "launcher/Form.h"

#include <cmath>

#include "launcher/Program.h"
#include "launcher/frmCorvane.h"

namespace corvane {

Form::Form(Program& program, const FormLayout& layout)
    : program_(program), platform_(program.platform()), layout_(layout) {}

namespace {

constexpr float kGap = 40;  // twips between a window's right edge and what stands to its right

}  // namespace

int Form::LeftAtScreenEdge() const {
  const float left = static_cast<float>(platform_.ScreenWidth()) - (static_cast<float>(window_->OuterWidth()) + kGap);
  return static_cast<int>(std::lround(left));
}

int Form::LeftBesideLauncher() const {
  const float launcherWidth = static_cast<float>(program_.launcher().window().OuterWidth());
  const float left = static_cast<float>(platform_.ScreenWidth()) -
                     (launcherWidth + static_cast<float>(window_->OuterWidth()) + 2 * kGap);
  return static_cast<int>(std::lround(left));
}

}  // namespace corvane
