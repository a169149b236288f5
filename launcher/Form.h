// What the three windows share: a window made from a layout table while loaded, and handlers found by name.
#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "platform/Layout.h"
#include "platform/Platform.h"

namespace corvane {

class Program;

class Form : public EventSink {
 public:
  Form(Program& program, const FormLayout& layout);

  bool IsLoaded() const { return window_ != nullptr; }
  Window& window() { return *window_; }
  // Unloading destroys the window; the form object stays, ready to be loaded again.
  void Unload() { window_.reset(); }

  template <class Derived>
  struct Handler {
    std::string_view control;
    Event event;
    void (Derived::*run)();
  };

  // Runs the handler named by control and event, if the form has one.
  template <class Derived>
  static void Dispatch(Derived& form, std::span<const Handler<Derived>> handlers, std::string_view control,
                       Event event) {
    for (const Handler<Derived>& handler : handlers) {
      if (handler.control == control && handler.event == event) {
        (form.*handler.run)();
        return;
      }
    }
  }

 protected:
  void CreateWindow() { window_ = platform_.CreateForm(layout_, *this); }

  // The left edge that ends this window 40 twips short of the screen's right edge; single precision, as the
  // positions of the windows are.
  int LeftAtScreenEdge() const;
  // The left edge that ends this window 40 twips short of the launcher, which ends 40 short of the screen's edge.
  int LeftBesideLauncher() const;

  Program& program_;
  Platform& platform_;
  const FormLayout& layout_;
  std::unique_ptr<Window> window_;
};

}  // namespace corvane
