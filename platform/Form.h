// The base of the three windows: a window made from a layout table while loaded, and handlers found by name.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "platform/Desktop.h"
#include "platform/Failure.h"
#include "platform/FormOwner.h"
#include "platform/Layout.h"

namespace corvane {

class Form : public EventSink {
 public:
  Form(Desktop& platform, FormOwner& owner, const FormLayout& layout);

  bool IsLoaded() const { return window_ != nullptr; }
  Window& window() { return *window_; }
  const Window& window() const { return *window_; }
  // Creates the window, hidden, and runs its Form_Load under the failure rule: a failed load still leaves the window.
  void Load();
  // Unloading destroys the window; the form object stays, ready to be loaded again.
  void Unload() { window_.reset(); }

  // A row of a window's handler table. A control array's row names the array ("CmdOpen") and runs `indexed` with
  // the index from 0, so "CmdOpen3" runs it with 2.
  template <class Derived>
  struct Handler {
    std::string_view control{};
    Event event{};
    void (Derived::*run)() = nullptr;
    void (Derived::*indexed)(int) = nullptr;
  };

 protected:
  virtual void Form_Load() = 0;
  // The window this one is owned by, where it has one.
  virtual Window* OwnerWindow() { return nullptr; }

  // The left edge that ends this window 40 twips short of the screen's right edge; single precision, as the
  // positions of the windows are.
  int LeftAtScreenEdge() const;
  // The left edge that ends this window 40 twips short of the launcher, which ends 40 short of the screen's edge.
  int LeftBesideLauncher() const;
  // "Check" and 2 give "Check3": the name of the control at `index` (from 0) of a control array.
  static std::string Member(std::string_view array, int index) {
    return std::string(array) + std::to_string(index + 1);
  }

  Desktop& platform_;
  FormOwner& owner_;
  const FormLayout& layout_;
  std::unique_ptr<Window> window_;

  // The index from 0 of `control` in the array named `array`, or -1 when it is none of its members.
  static int ArrayIndex(std::string_view array, std::string_view control);
};

// A window class: its events run the handlers of `Derived::Handlers()`, the first matching row, each under the common
// failure rule, so that a handler's failure is shown once and the window goes on with the next event.
template <class Derived>
class FormOf : public Form {
 public:
  using Form::Form;

  void OnEvent(std::string_view control, Event event) noexcept final {
    RunGuarded(platform_, [&] { Dispatch(control, event); });
  }

 private:
  void Dispatch(std::string_view control, Event event) {
    auto& self = static_cast<Derived&>(*this);
    for (const Handler<Derived>& handler : Derived::Handlers()) {
      if (handler.event != event) {
        continue;
      }
      if (handler.run != nullptr && handler.control == control) {
        (self.*handler.run)();
        return;
      }
      if (const int index = ArrayIndex(handler.control, control); handler.indexed != nullptr && index >= 0) {
        (self.*handler.indexed)(index);
        return;
      }
    }
  }
};

}  // namespace corvane
