// A form made from a layout table: a top-level window whose controls the logic reaches by name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Layout.h"
#include "platform/Window.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/WinApi.h"

namespace corvane::win32 {

class Win32Window final : public Window {
 public:
  // Creates the form hidden, with all its controls. `layout`'s table must outlive the window (layout tables
  // are constants). Throws PlatformError when the system refuses.
  Win32Window(HINSTANCE instance, const FormLayout& layout, EventSink& sink, HWND owner = nullptr);
  // Unloads: destroys the window and its controls.
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  void SetText(std::string_view control, const std::string& text) override;
  std::string Text(std::string_view control) const override;
  bool IsChecked(std::string_view control) const override;
  void SetChecked(std::string_view control, bool checked) override;
  void SetControlVisible(std::string_view control, bool visible) override;
  bool IsControlVisible(std::string_view control) const override;
  void SetTextColour(std::string_view control, std::optional<Rgb> colour) override;
  void SetEnabled(std::string_view control, bool enabled) override;
  void SetCaption(const std::string& caption) override;
  void SetLines(std::string_view control, const std::vector<std::string>& lines) override;
  std::optional<int> SelectedLine(std::string_view control) const override;

  int OuterWidth() const override;
  int Left() const override;
  void SetLeft(int twips) override;

  void Show() override;
  void Hide() override;
  bool IsVisible() const override;

  HWND handle() const { return window_; }

  // The one window procedure of every form; it finds its Win32Window through the window's user data.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Control {
    const ControlSpec* row = nullptr;  // its row of the layout table
    HWND window = nullptr;
    ScopedBrush background;
    std::optional<COLORREF> text;  // none: the system's colour
  };

  static LRESULT CALLBACK TextBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);

  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Calls the sink and nothing after it: the handler may unload this window or end the process.
  LRESULT Notify(std::string_view control, Event event) noexcept;

  void CreateControls(HINSTANCE instance);
  void ApplyDpi(int dpi);
  const Control* ControlOfWindow(HWND control) const;
  const Control& ControlNamed(std::string_view name) const;
  std::string_view FrameAt(POINT clientPoint) const;
  HWND FirstTabStop() const;
  void Activate(bool active);
  LRESULT ControlColour(HDC dc, HWND control, UINT message, WPARAM wParam, LPARAM lParam);

  FormLayout layout_;
  EventSink& sink_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  HWND lastFocus_ = nullptr;
  int dpi_;
  ScopedFont font_;
  ScopedBrush background_;
  std::vector<Control> controls_;  // by table index
};

}  // namespace corvane::win32
