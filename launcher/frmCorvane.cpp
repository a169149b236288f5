// The launcher window's handlers.
#include "launcher/frmCorvane.h"

#include <array>
#include <string>

#include "launcher/Launch.h"
#include "launcher/Program.h"
#include "launcher/frmCorvaneLayout.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/LauncherSettings.h"

namespace corvane {
namespace {

using Handler = Form::Handler<frmCorvane>;

constexpr std::array kHandlers{
    Handler{"tTitle", Event::DblClick, &frmCorvane::tTitle_DblClick},
    Handler{"CmdOpen1", Event::Click, &frmCorvane::CmdOpen1_Click},
    Handler{"CmdOpen2", Event::Click, &frmCorvane::CmdOpen2_Click},
    Handler{"CmdOpen3", Event::Click, &frmCorvane::CmdOpen3_Click},
    Handler{"CmdOpen4", Event::Click, &frmCorvane::CmdOpen4_Click},
    Handler{"CmdOpen5", Event::Click, &frmCorvane::CmdOpen5_Click},
    Handler{"CmdOpen6", Event::Click, &frmCorvane::CmdOpen6_Click},
    Handler{"CmdOpen7", Event::Click, &frmCorvane::CmdOpen7_Click},
    Handler{"CmdOpen8", Event::Click, &frmCorvane::CmdOpen8_Click},
    Handler{"CmdOpen9", Event::Click, &frmCorvane::CmdOpen9_Click},
    Handler{"CmdOpen10", Event::Click, &frmCorvane::CmdOpen10_Click},
    Handler{"CmdOpen11", Event::Click, &frmCorvane::CmdOpen11_Click},
    Handler{"CmdOpenSupport", Event::Click, &frmCorvane::CmdOpenSupport_Click},
    Handler{"CmdClose", Event::Click, &frmCorvane::CmdClose_Click},
    // Closing the column through its frame ends the program as Exit does: no window is left behind.
    Handler{"Form", Event::Close, &frmCorvane::CmdClose_Click},
};

}  // namespace

frmCorvane::frmCorvane(Program& program) : Form(program, kFrmCorvaneLayout) {}

void frmCorvane::Load() {
  CreateWindow();
  Form_Load();
  window_->Show();
}

void frmCorvane::OnEvent(std::string_view control, Event event) {
  Dispatch<frmCorvane>(*this, kHandlers, control, event);
}

void frmCorvane::Form_Load() {
  Shortcuts11::LocateAccess(platform_);
  Shortcuts11::LocateWordProcessor(platform_);
  Shortcuts11::LocatePdfReader(platform_);
  Shortcuts11::LoadSettings(platform_);
  RunGuarded(platform_, [&] {
    window_->SetLeft(LeftAtScreenEdge());
    window_->SetText("tTitle", Shortcuts11::LauncherSettings.Title);
    for (int slot = 0; slot < kSlotCount; ++slot) {
      window_->SetText("CmdOpen" + std::to_string(slot + 1), Shortcuts11::LauncherSettings.Apps[slot].Alias);
    }
  });
}

void frmCorvane::tTitle_DblClick() {
  RunGuarded(platform_, [&] {
    ShowInfo(platform_, "Press Support for Manuals and Web Support, or to Backup, Compact or edit App Filespecs");
  });
}

void frmCorvane::CmdOpenSupport_Click() {
  RunGuarded(platform_, [&] { program_.ShowSupport(); });
}

void frmCorvane::CmdClose_Click() {
  RunGuarded(platform_, [&] {
    program_.UnloadEditor();
    program_.UnloadLauncher();
    program_.UnloadSupport();
    platform_.EndProgram();
  });
}

void frmCorvane::CmdOpen1_Click() {
  Shortcuts11::OpenApp(platform_, 0);
}
void frmCorvane::CmdOpen2_Click() {
  Shortcuts11::OpenApp(platform_, 1);
}
void frmCorvane::CmdOpen3_Click() {
  Shortcuts11::OpenApp(platform_, 2);
}
void frmCorvane::CmdOpen4_Click() {
  Shortcuts11::OpenApp(platform_, 3);
}
void frmCorvane::CmdOpen5_Click() {
  Shortcuts11::OpenApp(platform_, 4);
}
void frmCorvane::CmdOpen6_Click() {
  Shortcuts11::OpenApp(platform_, 5);
}
void frmCorvane::CmdOpen7_Click() {
  Shortcuts11::OpenApp(platform_, 6);
}
void frmCorvane::CmdOpen8_Click() {
  Shortcuts11::OpenApp(platform_, 7);
}
void frmCorvane::CmdOpen9_Click() {
  Shortcuts11::OpenApp(platform_, 8);
}
void frmCorvane::CmdOpen10_Click() {
  Shortcuts11::OpenApp(platform_, 9);
}
void frmCorvane::CmdOpen11_Click() {
  Shortcuts11::OpenApp(platform_, 10);
}

}  // namespace corvane
