// The support window's handlers.
#include "support/frmSupport11.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/Failure.h"
#include "settings/Characters.h"
#include "settings/SettingsFiles.h"
#include "support/Backup.h"
#include "support/BackupAge.h"
#include "support/Compact.h"
#include "support/Manuals.h"
#include "support/frmSupport11Layout.h"

namespace corvane {
namespace {

using Handler = Form::Handler<frmSupport11>;

constexpr Rgb kOverdueColour{255, 0, 0};

constexpr std::array kHandlers{
    Handler{.control = "CmdClose", .event = Event::Click, .run = &frmSupport11::CmdClose_Click},
    Handler{.control = "CmdEditPaths", .event = Event::Click, .run = &frmSupport11::CmdEditPaths_Click},
    Handler{.control = "Frame1", .event = Event::DblClick, .run = &frmSupport11::Frame1_DblClick},
    Handler{.control = "CmdDeletePathFiles", .event = Event::Click, .run = &frmSupport11::CmdDeletePathFiles_Click},
    Handler{.control = "CmdBackup", .event = Event::Click, .run = &frmSupport11::CmdBackup_Click},
    Handler{.control = "CmdCompact", .event = Event::Click, .run = &frmSupport11::CmdCompact_Click},
    Handler{.control = "CmdRestore", .event = Event::Click, .run = &frmSupport11::CmdRestore_Click},
    Handler{.control = "CmdOpenManual", .event = Event::Click, .indexed = &frmSupport11::CmdOpenManual_Click},
    Handler{.control = "CmdWebSupport", .event = Event::Click, .run = &frmSupport11::CmdWebSupport_Click},
    // The frame's close box closes the window as its Close button does.
    Handler{.control = "Form", .event = Event::Close, .run = &frmSupport11::CmdClose_Click},
    Handler{.control = "Form", .event = Event::Shown, .run = &frmSupport11::Form_Shown},
};

}  // namespace

// The cut counts characters: a byte count would split a letter such as "é" and show half of it.
std::string CheckCaption(const std::string& appName) {
  std::optional<std::string> caption = WithoutLastCharacters(appName, 4);
  if (!caption) {
    throw ProgramError("Cannot make a check box caption from the file name \"" + appName +
                       "\": it is shorter than four characters.");
  }
  return *caption;
}

frmSupport11::frmSupport11(Desktop& platform, FormOwner& owner, Shortcuts11::State& state)
    : FormOf(platform, owner, kFrmSupport11Layout), state_(state) {}

std::span<const Form::Handler<frmSupport11>> frmSupport11::Handlers() {
  return kHandlers;
}

void frmSupport11::Form_Load() {
  window_->SetLeft(LeftBesideLauncher());
  // Each box gets its caption on its own: a name too short to cut costs its box alone, and is told once.
  std::optional<std::string> failure;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    try {
      window_->SetText(Member("Check", slot), CheckCaption(state_.LauncherSettings.Apps[slot].AppName));
    } catch (const std::exception& refused) {
      failure = failure.value_or(refused.what());
    }
  }
  if (failure) {
    ShowInfo(platform_, *failure);
  }
}

void frmSupport11::Form_Shown() {
  ShowLastBackups();
}

// Red where a slot whose database is there has gone more than a week, or for ever, without a backup.
void frmSupport11::ShowLastBackups() {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const LastBackup last = LastBackupOf(platform_, state_.LauncherSettings, slot);
    window_->SetText(Member("LastBackup", slot), last.text);
    window_->SetTextColour(Member("LastBackup", slot), last.overdue ? std::optional(kOverdueColour) : std::nullopt);
  }
}

void frmSupport11::CmdClose_Click() {
  window_->Hide();
  owner_.Close(FormName::Support);
}

void frmSupport11::CmdEditPaths_Click() {
  owner_.Show(FormName::Editor);
  window_->Hide();
}

void frmSupport11::Frame1_DblClick() {
  window_->SetControlVisible("CmdDeletePathFiles", true);
}

// The captions' file is never deleted: without it every button would fall back to the default captions.
void frmSupport11::CmdDeletePathFiles_Click() {
  const Answer answer =
      platform_.ShowMessage("Are you sure you want to Delete the files storing your Path and File specs?",
                            std::string(kWarningTitle), Buttons::YesNo);
  if (answer == Answer::No) {
    return;
  }
  for (std::string_view file : {kAppNamesFile, kPathsFile}) {
    if (platform_.Exists(std::string(file), Lookup::NormalFiles)) {
      platform_.DeleteFile(std::string(file));
    }
  }
}

// Each ticked box in turn, top to bottom; a slot's failure is shown and the next slot goes on.
std::vector<int> frmSupport11::TickedSlots() const {
  std::vector<int> ticked;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (window_->IsChecked(Member("Check", slot))) {
      ticked.push_back(slot);
    }
  }
  return ticked;
}

void frmSupport11::ForEachTicked(void (*routine)(Desktop&, Shortcuts11::State&, int)) {
  for (const int slot : TickedSlots()) {
    GoOnAfterFailure(platform_, [&] { routine(platform_, state_, slot); });
  }
}

void frmSupport11::CmdBackup_Click() {
  ForEachTicked(&Shortcuts11::BackupApp);
  ShowLastBackups();
}
// Without Access no slot can be compacted: said once, before any question.
void frmSupport11::CmdCompact_Click() {
  if (state_.AccessPath.empty()) {
    ShowInfo(platform_, std::string(kNoAccessToCompact));
    return;
  }
  ForEachTicked(&Shortcuts11::CompactApp);
}

// A restore puts one database back at a time.
void frmSupport11::CmdRestore_Click() {
  const std::vector<int> ticked = TickedSlots();
  if (ticked.size() != 1) {
    ShowInfo(platform_, "Tick the one application to restore.");
    return;
  }
  owner_.ShowRestore(ticked.front());
}

void frmSupport11::CmdOpenManual_Click(int index) {
  Shortcuts11::OpenManual(platform_, state_, index + 1);
}
void frmSupport11::CmdWebSupport_Click() {
  Shortcuts11::OpenWebSupport(platform_, state_);
}

}  // namespace corvane
