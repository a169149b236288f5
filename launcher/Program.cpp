// The program's windows and their lifetimes.
#include "launcher/Program.h"

#include "launcher/frmCorvane.h"
#include "platform/Failure.h"
#include "settings/frmPaths11.h"
#include "support/frmSupport11.h"

namespace corvane {

Program::Program(Platform& platform)
    : platform_(platform),
      launcher_(std::make_unique<frmCorvane>(*this)),
      support_(std::make_unique<frmSupport11>(*this)),
      editor_(std::make_unique<frmPaths11>(*this)) {}

Program::~Program() = default;

void Program::Start() {
  // Without its launcher the program has nothing to show: it says why and ends.
  if (!RunGuarded(platform_, [&] { launcher_->Load(); })) {
    platform_.EndProgram();
  }
}

void Program::ShowSupport() {
  if (!support_->IsLoaded()) {
    support_->Load();
  }
  support_->window().Show();
}

void Program::ShowEditor() {
  if (!editor_->IsLoaded()) {
    editor_->Load();
  }
  editor_->window().Show();
}

void Program::UnloadEditor() {
  editor_->Unload();
}
void Program::UnloadLauncher() {
  launcher_->Unload();
}
void Program::UnloadSupport() {
  support_->Unload();
}

}  // namespace corvane
