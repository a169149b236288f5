// The program's windows and their lifetimes.
#include "launcher/Program.h"

#include "launcher/frmCorvane.h"
#include "platform/Failure.h"

namespace corvane {

Program::Program(Platform& platform) : platform_(platform) {}

Program::~Program() = default;

void Program::Start() {
  launcher_ = std::make_unique<frmCorvane>(*this);
  // Without its launcher the program has nothing to show: it says why and ends.
  if (!RunGuarded(platform_, [&] { launcher_->Load(); })) {
    platform_.EndProgram();
  }
}

void Program::UnloadLauncher() {
  if (launcher_) {
    launcher_->Unload();
  }
}

// The support window and the settings editor come with the maintenance work; until then there is nothing to show.
void Program::ShowSupport() {}
void Program::UnloadSupport() {}
void Program::UnloadEditor() {}

}  // namespace corvane
