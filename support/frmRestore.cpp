// The restore window's handlers: the list, the question, the restore and what it kept.
#include "support/frmRestore.h"

#include <array>

#include "launcher/UnfinishedCompaction.h"
#include "platform/Failure.h"
#include "settings/SelectApp.h"
#include "support/frmRestoreLayout.h"

namespace corvane {
namespace {

using Handler = Form::Handler<frmRestore>;

constexpr std::array kHandlers{
    Handler{.control = "ListCopies", .event = Event::Click, .run = &frmRestore::ListCopies_Click},
    Handler{.control = "ListCopies", .event = Event::DblClick, .run = &frmRestore::CmdRestore_Click},
    Handler{.control = "CmdRestore", .event = Event::Click, .run = &frmRestore::CmdRestore_Click},
    Handler{.control = "CmdCancel", .event = Event::Click, .run = &frmRestore::CmdCancel_Click},
    Handler{.control = "Form", .event = Event::Close, .run = &frmRestore::CmdCancel_Click},
};

}  // namespace

frmRestore::frmRestore(Desktop& platform, FormOwner& owner, Shortcuts11::State& state)
    : FormOf(platform, owner, kFrmRestoreLayout), state_(state) {}

std::span<const Form::Handler<frmRestore>> frmRestore::Handlers() {
  return kHandlers;
}

void frmRestore::Form_Load() {
  window_->SetCaption("Restore " + state_.LauncherSettings.Apps[static_cast<std::size_t>(slot_)].AppName);
  window_->SetEnabled("CmdRestore", false);
  choices_ = RestoreChoices(platform_, state_.LauncherSettings, slot_);
  std::vector<std::string> lines;
  for (const RestoreChoice& choice : choices_) {
    lines.push_back(choice.line);
  }
  window_->SetLines("ListCopies", lines);
}

void frmRestore::ListCopies_Click() {
  window_->SetEnabled("CmdRestore", window_->SelectedLine("ListCopies").has_value());
}

// The database as it is now is kept before anything is put in its place; the support window, shown again, tells the
// new age of the slot's backups.
void frmRestore::CmdRestore_Click() {
  const std::optional<int> selected = window_->SelectedLine("ListCopies");
  if (!selected || static_cast<std::size_t>(*selected) >= choices_.size()) {
    return;
  }
  const RestoreChoice choice = choices_[static_cast<std::size_t>(*selected)];
  const Selection app = Shortcuts11::SelectApp(state_.LauncherSettings, slot_);
  const std::string& name = app.AppName;
  if (platform_.ShowMessage("Replace " + name + " with its copy of " + choice.date +
                                "? The database as it is now will be kept as ArcBackup\\BeforeRestore_" + name + ".",
                            std::string(kWarningTitle), Buttons::YesNo) != Answer::Yes ||
      !ClearOfCompaction(platform_, app, Purpose::Copy)) {
    return;
  }
  const RestoreResult result = RestoreFromCopy(platform_, app, choice.path);
  if (!result.inUse.empty()) {
    platform_.ShowMessage(name + " is still open " + result.inUse + ". Nothing was restored.",
                          std::string(kWarningTitle), Buttons::Ok);
    return;
  }
  ShowInfo(platform_, name + " was restored from its copy of " + choice.date + "." +
                          (result.kept.empty() ? "" : " The database as it was is kept at " + result.kept + "."));
  owner_.Close(FormName::Restore);
  owner_.Show(FormName::Support);
}

void frmRestore::CmdCancel_Click() {
  owner_.Close(FormName::Restore);
}

}  // namespace corvane
