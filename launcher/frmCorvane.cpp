// The launcher window's handlers.
#include "launcher/frmCorvane.h"

#include <array>

#include "launcher/Launch.h"
#include "launcher/frmCorvaneLayout.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/LoadSettings.h"

namespace corvane {
namespace {

using Handler = Form::Handler<frmCorvane>;

constexpr std::array kHandlers{
    Handler{.control = "tTitle", .event = Event::DblClick, .run = &frmCorvane::tTitle_DblClick},
    Handler{.control = "CmdOpenSupport", .event = Event::Click, .run = &frmCorvane::CmdOpenSupport_Click},
    Handler{.control = "CmdClose", .event = Event::Click, .run = &frmCorvane::CmdClose_Click},
    Handler{.control = "CmdOpen", .event = Event::Click, .indexed = &frmCorvane::CmdOpen_Click},
    Handler{.control = "Form", .event = Event::Close, .run = &frmCorvane::Form_Close},
};

}  // namespace

frmCorvane::frmCorvane(Desktop& platform, FormOwner& owner, Shortcuts11::State& state)
    : FormOf(platform, owner, kFrmCorvaneLayout), state_(state) {}

std::span<const Form::Handler<frmCorvane>> frmCorvane::Handlers() {
  return kHandlers;
}

void frmCorvane::Form_Load() {
  // Access's absence is told before the column shows; the word processor and the reader serve only the manuals, so
  // they are looked for when a manual is first opened, and the launcher shows that much sooner.
  Shortcuts11::LocateAccess(platform_, state_);
  Shortcuts11::LoadSettings(platform_, state_.LauncherSettings);
  window_->SetLeft(LeftAtScreenEdge());
  window_->SetText("tTitle", state_.LauncherSettings.Title);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    window_->SetText(Member("CmdOpen", slot), state_.LauncherSettings.Apps[slot].Alias);
  }
}

void frmCorvane::tTitle_DblClick() {
  ShowInfo(platform_, "Press Support for Manuals and Web Support, or to Backup, Compact or edit App Filespecs");
}

void frmCorvane::CmdOpenSupport_Click() {
  owner_.Show(FormName::Support);
}

void frmCorvane::CmdClose_Click() {
  owner_.Exit();
}

void frmCorvane::CmdOpen_Click(int slot) {
  Shortcuts11::OpenApp(platform_, state_, slot);
}

// Closing the column through its frame takes only the column away: an editor or support window on the screen
// stays, so that nothing typed there is lost; the program ends with the last window on the screen.
void frmCorvane::Form_Close() {
  owner_.Close(FormName::Launcher);
}

}  // namespace corvane
