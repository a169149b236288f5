// Forms made from a layout table: controls and their ids, placement, tab order, texts, and events by name.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "platform/Layout.h"
#include "platform/win32/Dpi.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"
#include "platform/win32/Win32Window.h"

namespace corvane::win32::test {
namespace {

// Table order, tab order and top-to-bottom order all differ on purpose. The form is narrower than a captioned
// window usually may be, as the launcher column is.
constexpr ControlSpec kControls[] = {
    {"tName", ControlKind::TextBox, "Name", 10, 100, 975, 300, 2, true, {0, 255, 255}, {}, true},
    {"CmdGo", ControlKind::Button, "Go", 10, 500, 975, 360, 0, false, {}, "Starts it"},
    {"Frame1", ControlKind::Frame, "Choose", 10, 1000, 975, 1200},
    {"Check1", ControlKind::CheckBox, "One", 120, 240, 800, 300, 1, false, {}, {}, false, true, "Frame1"},
    {"Label1", ControlKind::Label, "Label", 120, 700, 800, 300, 3, false, {}, {}, false, true, "Frame1"},
    {"CmdHidden", ControlKind::Button, "Hidden", 10, 2300, 975, 360, 4, false, {}, {}, false, false},
    {"tMore", ControlKind::TextBox, "More", 10, 2700, 975, 300, 5},
};
constexpr FormLayout kLayout{"frmTest", "Form test", 1500, 1200, 1005, 3300, true, {255, 255, 0}, kControls};

class Recorder : public EventSink {
 public:
  void OnEvent(std::string_view control, Event event) override { events.emplace_back(std::string(control), event); }
  std::vector<std::pair<std::string, Event>> events;
};

class FormTest : public testing::Test {
 protected:
  FormTest() : form_(platform_.CreateForm(kLayout, sink_)), window_(dynamic_cast<Win32Window&>(*form_).handle()) {}

  HWND Control(std::size_t index) const { return ::GetDlgItem(window_, ControlIdOf(index)); }
  std::wstring ClassOf(std::size_t index) const {
    wchar_t name[64] = {};
    ::GetClassNameW(Control(index), name, 64);
    return name;
  }
  // The control's rectangle in the form's client area.
  RECT ClientRectOf(std::size_t index) const {
    RECT rect{};
    ::GetWindowRect(Control(index), &rect);
    ::MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  std::string NameOf(HWND control) const {
    return std::string(kControls[static_cast<std::size_t>(::GetDlgCtrlID(control) - ControlIdOf(0))].name);
  }

  Win32Platform platform_;
  Recorder sink_;
  std::unique_ptr<Window> form_;
  HWND window_;
};

TEST_F(FormTest, EveryRowBecomesItsKindOfControlUnderItsId) {
  EXPECT_EQ(ClassOf(0), L"Edit");
  EXPECT_EQ(ClassOf(1), L"Button");
  EXPECT_EQ(ClassOf(4), L"Static");
  const auto style = [this](std::size_t index) { return ::GetWindowLongPtrW(Control(index), GWL_STYLE); };
  EXPECT_EQ(style(1) & BS_TYPEMASK, BS_PUSHBUTTON);
  EXPECT_EQ(style(2) & BS_TYPEMASK, BS_GROUPBOX);
  EXPECT_EQ(style(3) & BS_TYPEMASK, BS_AUTOCHECKBOX);
  EXPECT_NE(style(0) & ES_CENTER, 0);
  EXPECT_EQ(style(6) & ES_CENTER, 0);
  wchar_t caption[64] = {};
  ::GetWindowTextW(window_, caption, 64);
  EXPECT_STREQ(caption, L"Form test");
  EXPECT_EQ(form_->Text("CmdGo"), "Go");
}

BOOL CALLBACK FindTooltipOf(HWND window, LPARAM found) {
  auto* result = reinterpret_cast<std::pair<HWND, HWND>*>(found);
  wchar_t name[64] = {};
  ::GetClassNameW(window, name, 64);
  if (std::wstring(name) == TOOLTIPS_CLASSW && ::GetWindow(window, GW_OWNER) == result->first) {
    result->second = window;
  }
  return TRUE;
}

TEST_F(FormTest, ControlsWithATooltipTextShowIt) {
  std::pair<HWND, HWND> tooltip{window_, nullptr};
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindTooltipOf, reinterpret_cast<LPARAM>(&tooltip));
  ASSERT_NE(tooltip.second, nullptr);
  EXPECT_EQ(::SendMessageW(tooltip.second, TTM_GETTOOLCOUNT, 0, 0), 1);

  wchar_t text[80] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(Control(1));
  tool.lpszText = text;
  ::SendMessageW(tooltip.second, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
  EXPECT_STREQ(text, L"Starts it");
}

TEST_F(FormTest, ClientAreaAndControlsArePlacedInTwipsAtTheScreenResolution) {
  const int dpi = ScreenDpi();
  RECT client{};
  ::GetClientRect(window_, &client);
  EXPECT_EQ(client.right, TwipsToPixels(1005, dpi));
  EXPECT_EQ(client.bottom, TwipsToPixels(3300, dpi));
  POINT origin{0, 0};
  ::ClientToScreen(window_, &origin);
  EXPECT_EQ(origin.x, TwipsToPixels(1500, dpi));
  EXPECT_EQ(origin.y, TwipsToPixels(1200, dpi));

  const RECT go = ClientRectOf(1);
  EXPECT_EQ(go.left, TwipsToPixels(10, dpi));
  EXPECT_EQ(go.top, TwipsToPixels(500, dpi));
  EXPECT_EQ(go.right, TwipsToPixels(985, dpi));
  // Inside the frame: offset by the frame's position, yet a child of the form.
  const RECT check = ClientRectOf(3);
  EXPECT_EQ(check.left, TwipsToPixels(130, dpi));
  EXPECT_EQ(check.top, TwipsToPixels(1240, dpi));
  EXPECT_EQ(::GetParent(Control(3)), window_);
}

TEST_F(FormTest, TabFollowsTheTabIndexesAndSkipsHiddenControlsAndLabels) {
  form_->Show();
  std::vector<std::string> order;
  HWND control = ::GetNextDlgTabItem(window_, Control(6), FALSE);
  for (int step = 0; step < 6 && control != nullptr; ++step) {
    order.push_back(NameOf(control));
    control = ::GetNextDlgTabItem(window_, control, FALSE);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"CmdGo", "Check1", "tName", "tMore", "CmdGo", "Check1"}));
}

TEST_F(FormTest, TextsAndChecksAndVisibilityByName) {
  form_->SetText("tName", "Caf\xC3\xA9 \xE2\x98\x83");
  EXPECT_EQ(form_->Text("tName"), "Caf\xC3\xA9 \xE2\x98\x83");

  EXPECT_FALSE(form_->IsChecked("Check1"));
  form_->SetChecked("Check1", true);
  EXPECT_TRUE(form_->IsChecked("Check1"));

  EXPECT_FALSE(form_->IsVisible());
  EXPECT_TRUE(form_->IsControlVisible("CmdGo"));
  EXPECT_FALSE(form_->IsControlVisible("CmdHidden"));
  form_->SetControlVisible("CmdHidden", true);
  EXPECT_TRUE(form_->IsControlVisible("CmdHidden"));
  form_->Show();
  EXPECT_TRUE(form_->IsVisible());
  form_->Hide();
  EXPECT_FALSE(form_->IsVisible());

  EXPECT_THROW(form_->Text("CmdMissing"), std::logic_error);
  EXPECT_THROW(form_->SetText("CmdMissing", "x"), std::logic_error);
  EXPECT_TRUE(sink_.events.empty());
}

TEST_F(FormTest, SetLeftMovesOnlyTheLeftEdge) {
  RECT before{};
  ::GetWindowRect(window_, &before);
  const int width = form_->OuterWidth();
  EXPECT_EQ(width, PixelsToTwips(before.right - before.left, ScreenDpi()));
  EXPECT_GT(width, 1005);

  form_->SetLeft(3000);
  RECT after{};
  ::GetWindowRect(window_, &after);
  EXPECT_EQ(after.left, TwipsToPixels(3000, ScreenDpi()));
  EXPECT_EQ(form_->Left(), PixelsToTwips(after.left, ScreenDpi()));
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST_F(FormTest, ClicksAndDoubleClicksReachTheSinkByName) {
  form_->Show();
  ::SendMessageW(Control(1), BM_CLICK, 0, 0);
  ::SendMessageW(Control(3), BM_CLICK, 0, 0);
  ::SendMessageW(Control(0), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));

  // On the form inside the frame but on no control; then on the label inside it; then outside any frame.
  const RECT frame = ClientRectOf(2);
  const RECT label = ClientRectOf(4);
  ::SendMessageW(window_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(frame.right - 5, frame.bottom - 5));
  ::SendMessageW(window_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(label.left + 2, label.top + 2));
  ::SendMessageW(window_, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(frame.left + 2, frame.top - 3));

  EXPECT_EQ(
      sink_.events,
      (std::vector<std::pair<std::string, Event>>{
          {"CmdGo", Event::Click}, {"Check1", Event::Click}, {"tName", Event::DblClick}, {"Frame1", Event::DblClick}}));
  EXPECT_TRUE(form_->IsChecked("Check1"));
}

TEST_F(FormTest, CloseBoxOnlyTellsTheSink) {
  form_->Show();
  ::SendMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_EQ(sink_.events, (std::vector<std::pair<std::string, Event>>{{"Form", Event::Close}}));
  EXPECT_TRUE(::IsWindow(window_));
  EXPECT_TRUE(form_->IsVisible());
}

// A handler that unloads its own form, as Exit does, while the click is still being dispatched.
class Unloader : public EventSink {
 public:
  void OnEvent(std::string_view control, Event) override {
    heard.emplace_back(control);
    form.reset();
  }
  std::unique_ptr<Window> form;
  std::vector<std::string> heard;
};

TEST_F(FormTest, AHandlerMayUnloadItsOwnFormDuringItsEvent) {
  Unloader unloader;
  unloader.form = platform_.CreateForm(kLayout, unloader);
  HWND window = dynamic_cast<Win32Window&>(*unloader.form).handle();
  unloader.form->Show();

  ::SendMessageW(::GetDlgItem(window, ControlIdOf(1)), BM_CLICK, 0, 0);
  EXPECT_FALSE(::IsWindow(window));

  unloader.form = platform_.CreateForm(kLayout, unloader);
  window = dynamic_cast<Win32Window&>(*unloader.form).handle();
  ::SendMessageW(::GetDlgItem(window, ControlIdOf(0)), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ(unloader.heard, (std::vector<std::string>{"CmdGo", "tName"}));
}

}  // namespace
}  // namespace corvane::win32::test
