// The launcher window: start-up, the title hint, the eleven application buttons, Support and Exit.
#pragma once

#include <span>

#include "platform/Form.h"
#include "settings/ModuleState.h"

namespace corvane {

class frmCorvane : public FormOf<frmCorvane> {
 public:
  frmCorvane(Desktop& platform, FormOwner& owner, Shortcuts11::State& state);

  static std::span<const Handler<frmCorvane>> Handlers();

  void Form_Load() override;
  void tTitle_DblClick();
  void CmdOpenSupport_Click();
  void CmdClose_Click();
  // CmdOpen1 to CmdOpen11 open slots 0 to 10.
  void CmdOpen_Click(int slot);
  void Form_Close();

 private:
  Shortcuts11::State& state_;
};

}  // namespace corvane
