// The support window's handlers.
#include "support/frmSupport11.h"

#include <array>
#include <string>

#include "launcher/Program.h"
#include "platform/Failure.h"
#include "settings/LauncherSettings.h"
#include "settings/SettingsFiles.h"
#include "support/Backup.h"
#include "support/Compact.h"
#include "support/Manuals.h"
#include "support/frmSupport11Layout.h"

namespace corvane {
namespace {

using Handler = Form::Handler<frmSupport11>;

constexpr std::array kHandlers{
    Handler{"CmdClose", Event::Click, &frmSupport11::CmdClose_Click},
    Handler{"CmdEditPaths", Event::Click, &frmSupport11::CmdEditPaths_Click},
    Handler{"Frame1", Event::DblClick, &frmSupport11::Frame1_DblClick},
    Handler{"CmdDeletePathFiles", Event::Click, &frmSupport11::CmdDeletePathFiles_Click},
    Handler{"CmdBackup", Event::Click, &frmSupport11::CmdBackup_Click},
    Handler{"CmdCompact", Event::Click, &frmSupport11::CmdCompact_Click},
    Handler{"CmdOpenManual1", Event::Click, &frmSupport11::CmdOpenManual1_Click},
    Handler{"CmdOpenManual2", Event::Click, &frmSupport11::CmdOpenManual2_Click},
    Handler{"CmdWebSupport", Event::Click, &frmSupport11::CmdWebSupport_Click},
    // The frame's close box closes the window as its Close button does.
    Handler{"Form", Event::Close, &frmSupport11::CmdClose_Click},
};

}  // namespace

std::string CheckCaption(const std::string& appName) {
  if (appName.size() < 4) {
    throw PlatformError("Cannot make a check box caption from the file name \"" + appName +
                        "\": it is shorter than four characters.");
  }
  return appName.substr(0, appName.size() - 4);
}

frmSupport11::frmSupport11(Program& program) : Form(program, kFrmSupport11Layout) {}

void frmSupport11::Load() {
  CreateWindow();
  Form_Load();
}

void frmSupport11::OnEvent(std::string_view control, Event event) {
  Dispatch<frmSupport11>(*this, kHandlers, control, event);
}

void frmSupport11::Form_Load() {
  RunGuarded(platform_, [&] {
    window_->SetLeft(LeftBesideLauncher());
    // A name too short to cut stops here: that box and the ones after it keep their design captions.
    for (int slot = 0; slot < kSlotCount; ++slot) {
      window_->SetText("Check" + std::to_string(slot + 1),
                       CheckCaption(Shortcuts11::LauncherSettings.Apps[slot].AppName));
    }
  });
}

void frmSupport11::CmdClose_Click() {
  RunGuarded(platform_, [&] {
    window_->Hide();
    program_.UnloadSupport();
  });
}

void frmSupport11::CmdEditPaths_Click() {
  RunGuarded(platform_, [&] {
    program_.ShowEditor();
    window_->Hide();
  });
}

void frmSupport11::Frame1_DblClick() {
  RunGuarded(platform_, [&] { window_->SetControlVisible("CmdDeletePathFiles", true); });
}

// The captions' file is never deleted: without it every button would fall back to the default captions.
void frmSupport11::CmdDeletePathFiles_Click() {
  RunGuarded(platform_, [&] {
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
  });
}

// Each ticked box in turn, top to bottom; a slot's failure is told by its routine and the next slot goes on.
void frmSupport11::ForEachTicked(void (*routine)(Platform&, int)) {
  RunGuarded(platform_, [&] {
    for (int slot = 0; slot < kSlotCount; ++slot) {
      if (window_->IsChecked("Check" + std::to_string(slot + 1))) {
        routine(platform_, slot);
      }
    }
  });
}

void frmSupport11::CmdBackup_Click() {
  ForEachTicked(&Shortcuts11::BackupApp);
}
void frmSupport11::CmdCompact_Click() {
  ForEachTicked(&Shortcuts11::CompactApp);
}

void frmSupport11::CmdOpenManual1_Click() {
  Shortcuts11::OpenManual(platform_, 1);
}
void frmSupport11::CmdOpenManual2_Click() {
  Shortcuts11::OpenManual(platform_, 2);
}
void frmSupport11::CmdWebSupport_Click() {
  Shortcuts11::OpenWebSupport(platform_);
}

}  // namespace corvane
