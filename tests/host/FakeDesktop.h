// The in-memory Windows of the host tests with its user interface: scripted answers to message boxes, and the
// windows made, with controls that remember what they were given.
#pragma once

#include <deque>

#include "FakePlatform.h"
#include "platform/Desktop.h"
#include "platform/Layout.h"

namespace corvane::testing {

class FakeDesktop;

class FakeWindow : public Window {
 public:
  FakeWindow(FakeDesktop& platform, const FormLayout& layout, EventSink& sink);
  ~FakeWindow() override;

  void Fire(std::string_view control, Event event) { sink_.OnEvent(control, event); }

  void SetText(std::string_view control, const std::string& text) override { At(control).text = text; }
  std::string Text(std::string_view control) const override { return At(control).text; }
  bool IsChecked(std::string_view control) const override { return At(control).checked; }
  void SetChecked(std::string_view control, bool checked) override { At(control).checked = checked; }
  void SetControlVisible(std::string_view control, bool visible) override { At(control).visible = visible; }
  bool IsControlVisible(std::string_view control) const override { return At(control).visible; }
  void SetTextColour(std::string_view control, std::optional<Rgb> colour) override { At(control).colour = colour; }
  std::optional<Rgb> TextColour(std::string_view control) const { return At(control).colour; }
  void SetEnabled(std::string_view control, bool enabled) override { At(control).enabled = enabled; }
  bool IsEnabled(std::string_view control) const { return At(control).enabled; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  const std::string& Caption() const { return caption_; }
  void SetLines(std::string_view control, const std::vector<std::string>& lines) override {
    At(control).lines = lines;
    At(control).selected.reset();
  }
  const std::vector<std::string>& Lines(std::string_view control) const { return At(control).lines; }
  // As a click on a line does: selects it and tells the window.
  void SelectLine(std::string_view control, int line) {
    At(control).selected = line;
    Fire(control, Event::Click);
  }
  std::optional<int> SelectedLine(std::string_view control) const override { return At(control).selected; }
  int OuterWidth() const override;
  int Left() const override { return left_; }
  void SetLeft(int twips) override { left_ = twips; }
  // Painted at once, so the window hears it was shown at once.
  void Show() override {
    visible_ = true;
    sink_.OnEvent("Form", Event::Shown);
  }
  void Hide() override { visible_ = false; }
  bool IsVisible() const override { return visible_; }
  const FormLayout& layout() const { return layout_; }
  const Window* owner = nullptr;  // the window it was made owned by

 private:
  struct Control {
    std::string text;
    bool checked = false;
    bool visible = true;
    std::optional<Rgb> colour;
    bool enabled = true;
    std::vector<std::string> lines;
    std::optional<int> selected;
  };
  Control& At(std::string_view control) const {
    const auto it = controls_.find(control);
    return it != controls_.end()
               ? it->second
               : throw std::logic_error("no control " + std::string(control) + " on " + std::string(layout_.name));
  }

  FakeDesktop& platform_;
  const FormLayout& layout_;
  EventSink& sink_;
  mutable std::map<std::string, Control, std::less<>> controls_;
  int left_;
  bool visible_ = false;
  std::string caption_;
};

class FakeDesktop : public FakePlatform, public Desktop {
 public:
  struct Message {
    std::string text, title;
    Buttons buttons;
  };

  static constexpr int kFrameWidth = 120;  // twips the frame adds to a form's client width

  void Answer(corvane::Answer answer) { answers_.push_back(answer); }
  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const Message& message : messages) {
      texts.push_back(message.text);
    }
    return texts;
  }
  FakeWindow* Form(std::string_view name) const {
    const auto it = std::ranges::find_if(forms_, [&](FakeWindow* f) { return f->layout().name == name; });
    return it == forms_.end() ? nullptr : *it;
  }

  std::vector<Message> messages;
  bool ended = false;
  bool launcherReleased = false, broughtForward = false;
  LauncherClaim claim = LauncherClaim::Ours;
  int screenWidth = 19200;  // 1280 pixels at 96 DPI

  corvane::Answer ShowMessage(const std::string& text, const std::string& title, Buttons buttons) override {
    messages.push_back({text, title, buttons});
    if (answers_.empty()) {
      return buttons == Buttons::Ok ? corvane::Answer::Ok : throw std::logic_error("unscripted question: " + text);
    }
    const corvane::Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  int ScreenWidth() override { return screenWidth; }
  std::unique_ptr<Window> CreateForm(const FormLayout& layout, EventSink& sink, Window* owner) override {
    auto window = std::make_unique<FakeWindow>(*this, layout, sink);
    window->owner = owner;
    return window;
  }
  void EndProgram() override { ended = true; }
  LauncherClaim ClaimLauncher() override { return claim; }
  void BringLauncherForward() override { broughtForward = true; }
  void ReleaseLauncher() override { launcherReleased = true; }
  void EndAtTheCrash() override;

 private:
  std::size_t Said() const override { return messages.size(); }
  friend class FakeWindow;
  std::deque<corvane::Answer> answers_;
  std::vector<FakeWindow*> forms_;
};

inline FakeWindow::FakeWindow(FakeDesktop& platform, const FormLayout& layout, EventSink& sink)
    : platform_(platform), layout_(layout), sink_(sink), left_(layout.client.left - FakeDesktop::kFrameWidth / 2) {
  for (const ControlSpec& control : layout.controls) {
    controls_[std::string(control.name)] =
        Control{std::string(control.text), false, !control.hidden, std::nullopt, true, {}, std::nullopt};
  }
  platform_.forms_.push_back(this);
}

inline int FakeWindow::OuterWidth() const {
  return layout_.client.width + FakeDesktop::kFrameWidth;
}

}  // namespace corvane::testing
