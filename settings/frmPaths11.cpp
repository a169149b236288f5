// The settings editor's handlers.
#include "settings/frmPaths11.h"

#include <array>
#include <string>

#include "platform/Failure.h"
#include "settings/OpenExplorer.h"
#include "settings/frmPaths11Layout.h"

namespace corvane {
namespace {

using Handler = Form::Handler<frmPaths11>;

constexpr std::array kHandlers{
    Handler{.control = "CmdSaveClose", .event = Event::Click, .run = &frmPaths11::CmdSaveClose_Click},
    Handler{.control = "pTitle", .event = Event::DblClick, .run = &frmPaths11::pTitle_DblClick},
    Handler{.control = "CmdBrowse", .event = Event::Click, .run = &frmPaths11::CmdBrowse_Click},
    Handler{.control = "Form", .event = Event::Close, .run = &frmPaths11::Form_Close},
};

// "cHLPath0", "cHLPath1", ...: the boxes of one settings file, in file order.
template <std::size_t N>
std::array<std::string, N> Numbered(std::string_view prefix) {
  std::array<std::string, N> boxes;
  for (std::size_t i = 0; i < N; ++i) {
    boxes[i] = std::string(prefix) + std::to_string(i);
  }
  return boxes;
}

// The AppNames file ends with the launcher's title, which has a box of its own.
std::array<std::string, 14> AppNameBoxes() {
  auto boxes = Numbered<14>("cAppName");
  boxes[13] = "cTitle";
  return boxes;
}

std::array<std::string, 13> PathBoxes() {
  return Numbered<13>("cHLPath");
}
std::array<std::string, 11> AliasBoxes() {
  return Numbered<11>("cAlias");
}

template <std::size_t N>
void Fill(Window& window, const std::array<std::string, N>& boxes, const std::array<std::string, N>& texts) {
  for (std::size_t i = 0; i < N; ++i) {
    window.SetText(boxes[i], texts[i]);
  }
}

template <std::size_t N>
std::array<std::string, N> Read(const Window& window, const std::array<std::string, N>& boxes) {
  std::array<std::string, N> texts;
  for (std::size_t i = 0; i < N; ++i) {
    texts[i] = window.Text(boxes[i]);
  }
  return texts;
}

}  // namespace

frmPaths11::frmPaths11(Platform& platform, FormOwner& owner) : FormOf(platform, owner, kFrmPaths11Layout) {}

std::span<const Form::Handler<frmPaths11>> frmPaths11::Handlers() {
  return kHandlers;
}

void frmPaths11::Form_Load() {
  RunGuarded(platform_, [&] {
    window_->SetLeft(LeftBesideLauncher());
    const SettingsTexts texts = Shortcuts11::StoredTexts();
    Fill(*window_, AppNameBoxes(), texts.appNames);
    Fill(*window_, PathBoxes(), texts.paths);
    Fill(*window_, AliasBoxes(), texts.aliases);
  });
}

SettingsTexts frmPaths11::BoxTexts() const {
  return {Read(*window_, AppNameBoxes()), Read(*window_, PathBoxes()), Read(*window_, AliasBoxes())};
}

// A refused or failed save keeps the editor open with the texts as typed, so the user can put it right.
void frmPaths11::CmdSaveClose_Click() {
  RunGuarded(platform_, [&] {
    if (Shortcuts11::SaveSettings(platform_, BoxTexts())) {
      owner_.Close(FormName::Editor);
    }
  });
}

// The manuals folder goes with the application folders; the support page address does not.
void frmPaths11::pTitle_DblClick() {
  RunGuarded(platform_, [&] {
    const std::string first = window_->Text("cHLPath0");
    for (int box = 1; box <= 11; ++box) {
      window_->SetText("cHLPath" + std::to_string(box), first);
    }
  });
}

void frmPaths11::CmdBrowse_Click() {
  Shortcuts11::OpenExplorer(platform_);
}

// The frame's own close unloads without saving.
void frmPaths11::Form_Close() {
  RunGuarded(platform_, [&] { owner_.Close(FormName::Editor); });
}

}  // namespace corvane
