// The settings editor's handlers.
#include "settings/frmPaths11.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/Failure.h"
#include "settings/OpenExplorer.h"
#include "settings/SaveSettings.h"
#include "settings/SettingsFields.h"
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

}  // namespace

frmPaths11::frmPaths11(Desktop& platform, FormOwner& owner, Shortcuts11::State& state)
    : FormOf(platform, owner, kFrmPaths11Layout), state_(state) {}

std::span<const Form::Handler<frmPaths11>> frmPaths11::Handlers() {
  return kHandlers;
}

void frmPaths11::Form_Load() {
  window_->SetLeft(LeftBesideLauncher());
  loaded_ = StoredTexts(state_.LauncherSettings);
  for (const SettingsField& field : SettingsFields()) {
    const std::string& text = loaded_[field.box];
    if (field.IsCheckBox()) {
      window_->SetChecked(field.box, text == kYes);
    } else {
      window_->SetText(field.box, text);
    }
  }
}

SettingsTexts frmPaths11::BoxTexts() const {
  SettingsTexts texts;
  for (const SettingsField& field : SettingsFields()) {
    texts[field.box] =
        field.IsCheckBox() ? std::string(window_->IsChecked(field.box) ? kYes : kNo) : window_->Text(field.box);
  }
  return texts;
}

// A file that could not be read at start-up has boxes that do not show what it holds: empty boxes written over it
// would wipe it.
std::vector<std::string> frmPaths11::FilesToLeave(const SettingsTexts& typed, bool& declined) {
  std::vector<std::string> leave;
  for (const std::string& file : state_.LauncherSettings.UnreadFiles) {
    const bool changed = TextsOf(typed, file) != TextsOf(loaded_, file);
    if (changed && platform_.ShowMessage(file + " could not be read when Corvane started, so this window does not show "
                                                "what it holds. Replace it with what this window shows?",
                                         std::string(kWarningTitle), Buttons::YesNo) == Answer::Yes) {
      continue;
    }
    declined = declined || changed;
    leave.push_back(file);
  }
  return leave;
}

// A refused or failed save, or a file the user would not replace, keeps the editor open with the texts as typed, so
// the user can put it right.
void frmPaths11::CmdSaveClose_Click() {
  const SettingsTexts typed = BoxTexts();
  bool declined = false;
  const std::vector<std::string> leave = FilesToLeave(typed, declined);
  if (Shortcuts11::SaveSettings(platform_, state_.LauncherSettings, typed, leave) && !declined) {
    owner_.Close(FormName::Editor);
  }
}

// The manuals folder goes with the application folders; the support page address does not.
void frmPaths11::pTitle_DblClick() {
  const std::vector<SettingsField> paths = FieldsOf(kPathsFile);
  const std::string first = window_->Text(paths.front().box);
  for (const SettingsField& field : paths) {
    if (field.column->field != &LauncherSettingsRecord::SupportUrl) {
      window_->SetText(field.box, first);
    }
  }
}

void frmPaths11::CmdBrowse_Click() {
  Shortcuts11::OpenExplorer(platform_, state_);
}

// The frame's own close box: nothing changed, nothing to ask; otherwise the user chooses to save, to drop the
// changes, or to stay.
void frmPaths11::Form_Close() {
  if (BoxTexts() != loaded_) {
    const Answer answer =
        platform_.ShowMessage("Save the changes to the settings?", std::string(kProgramTitle), Buttons::YesNoCancel);
    if (answer == Answer::Yes) {
      CmdSaveClose_Click();
    }
    if (answer != Answer::No) {
      return;
    }
  }
  owner_.Close(FormName::Editor);
}

}  // namespace corvane
