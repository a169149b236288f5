// The shared part of the three windows.
#include "platform/Form.h"

#include <charconv>
#include <cmath>

#include "platform/Failure.h"

namespace corvane {

namespace {

constexpr float kGap = 40;  // twips between a window's right edge and what stands to its right

}  // namespace

Form::Form(Desktop& platform, FormOwner& owner, const FormLayout& layout)
    : platform_(platform), owner_(owner), layout_(layout) {}

void Form::Load() {
  window_ = platform_.CreateForm(layout_, *this, OwnerWindow());
  RunGuarded(platform_, [&] { Form_Load(); });
}

int Form::LeftAtScreenEdge() const {
  const float left = static_cast<float>(platform_.ScreenWidth()) - (static_cast<float>(window_->OuterWidth()) + kGap);
  return static_cast<int>(std::lround(left));
}

int Form::LeftBesideLauncher() const {
  const float launcherWidth = static_cast<float>(owner_.LauncherWidth());
  const float left = static_cast<float>(platform_.ScreenWidth()) -
                     (launcherWidth + static_cast<float>(window_->OuterWidth()) + 2 * kGap);
  return static_cast<int>(std::lround(left));
}

int Form::ArrayIndex(std::string_view array, std::string_view control) {
  if (!control.starts_with(array) || control.size() == array.size()) {
    return -1;
  }
  const std::string_view digits = control.substr(array.size());
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (error != std::errc{} || end != digits.data() + digits.size() || number < 1 || digits.front() == '0') {
    return -1;
  }
  return number - 1;
}

}  // namespace corvane
