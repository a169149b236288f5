// A form made from a layout table, as Wine shows it: controls in tab order under their ids, clicks by name, and a
// handler that unloads its own form.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "launcher/frmCorvaneLayout.h"
#include "platform/Layout.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"
#include "settings/frmPaths11Layout.h"
#include "support/frmSupport11Layout.h"

namespace corvane::win32::test {
namespace {

// Table order, tab order and top-to-bottom order differ on purpose; a label takes no tab stop, whatever its index.
constexpr ControlSpec kControls[] = {
    {.name = "tName", .kind = ControlKind::TextBox, .rect = {100, 100, 1500, 300}, .tab = 2},
    {.name = "lblName", .kind = ControlKind::Label, .text = "Name", .rect = {100, 500, 1500, 300}, .tab = 3},
    {.name = "CmdGo", .kind = ControlKind::Button, .text = "Go", .rect = {100, 900, 1500, 360}, .tab = 0},
    {.name = "Check1", .kind = ControlKind::CheckBox, .text = "One", .rect = {100, 1300, 1500, 300}, .tab = 1},
};
constexpr FormLayout kLayout{.name = "frmTest", .caption = "Test", .client = {0, 0, 1700, 1700}, .controls = kControls};

// Records what it hears; a click on CmdGo unloads the form during the event, as Exit does.
struct Sink : EventSink {
  void OnEvent(std::string_view control, Event event) noexcept override {
    heard.emplace_back(control, event);
    if (control == "CmdGo") {
      form.reset();
    }
  }
  std::vector<std::pair<std::string, Event>> heard;
  std::unique_ptr<Window> form;
};

TEST(FormTest, ControlsTabByIndexUnderTheirIdsAndClicksReachTheSinkByNameEvenWhenItUnloadsTheForm) {
  Win32Desktop platform;
  Sink sink;
  sink.form = platform.CreateForm(kLayout, sink);
  sink.form->Show();
  HWND window = dynamic_cast<Win32Window&>(*sink.form).handle();
  std::vector<int> ids;
  for (HWND control = ::GetDlgItem(window, ControlIdOf(0)); ids.size() < 4; ids.push_back(::GetDlgCtrlID(control))) {
    control = ::GetNextDlgTabItem(window, control, FALSE);
  }
  EXPECT_EQ(ids, (std::vector<int>{ControlIdOf(2), ControlIdOf(3), ControlIdOf(0), ControlIdOf(2)}));

  ::SendMessageW(::GetDlgItem(window, ControlIdOf(3)), BM_CLICK, 0, 0);
  EXPECT_TRUE(sink.form->IsChecked("Check1"));
  ::SendMessageW(::GetDlgItem(window, ControlIdOf(2)), BM_CLICK, 0, 0);
  EXPECT_EQ(sink.heard,
            (std::vector<std::pair<std::string, Event>>{{"Check1", Event::Click}, {"CmdGo", Event::Click}}));
  EXPECT_FALSE(::IsWindow(window));
}

// Two clicks of the mouse, as a person makes them, at a point of the screen.
void DoubleClickAt(POINT point) {
  ::SetCursorPos(point.x, point.y);
  INPUT clicks[4] = {};
  for (int i = 0; i < 4; ++i) {
    clicks[i].type = INPUT_MOUSE;
    clicks[i].mi.dwFlags = i % 2 == 0 ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  }
  ::SendInput(4, clicks, sizeof(INPUT));
}

// The three places the windows listen for a double-click: two text boxes, which select a word first, and a frame,
// which is no window of its own to the mouse, so that its form must find it under the pointer.
TEST(FormTest, RealDoubleClicksOnTheTitleTheStripAndTheFrameReachTheSink) {
  struct Case {
    const FormLayout* layout;
    std::string_view control;
  } cases[] = {{&kFrmCorvaneLayout, "tTitle"}, {&kFrmPaths11Layout, "pTitle"}, {&kFrmSupport11Layout, "Frame1"}};
  Win32Desktop platform;
  for (const Case& c : cases) {
    Sink sink;
    sink.form = platform.CreateForm(*c.layout, sink);
    sink.form->Show();
    HWND window = dynamic_cast<Win32Window&>(*sink.form).handle();
    const auto row = std::ranges::find(c.layout->controls, c.control, &ControlSpec::name) - c.layout->controls.begin();
    RECT rect{};
    ::GetWindowRect(::GetDlgItem(window, ControlIdOf(static_cast<int>(row))), &rect);
    // Inside a frame's right edge, where none of its check boxes reaches; in the middle of a box.
    const bool frame = c.control.starts_with("Frame");
    const POINT point{frame ? rect.right - 6 : (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    const std::pair<std::string, Event> expected{c.control, Event::DblClick};
    // A window just shown may take the first click as its activation under Wine: a person would click again.
    for (int wait = 0; wait < 150 && std::ranges::find(sink.heard, expected) == sink.heard.end(); ++wait) {
      if (wait % 50 == 10) {
        DoubleClickAt(point);
      }
      MSG message;
      while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&message);
      }
      ::Sleep(20);
    }
    EXPECT_NE(std::ranges::find(sink.heard, expected), sink.heard.end()) << c.control;
  }
}

}  // namespace
}  // namespace corvane::win32::test
