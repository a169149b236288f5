// The settings editor: every stored setting in its own box; Close saves them all.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/Form.h"
#include "settings/ModuleState.h"

namespace corvane {

class frmPaths11 : public FormOf<frmPaths11> {
 public:
  frmPaths11(Desktop& platform, FormOwner& owner, Shortcuts11::State& state);

  static std::span<const Handler<frmPaths11>> Handlers();

  void Form_Load() override;
  void CmdSaveClose_Click();
  void pTitle_DblClick();
  void CmdBrowse_Click();
  void Form_Close();

 private:
  SettingsTexts BoxTexts() const;
  // The files Close leaves alone: those not read at start-up whose boxes the user left as they were or, asked,
  // would not have replaced. Sets `declined` when the user would not.
  std::vector<std::string> FilesToLeave(const SettingsTexts& typed, bool& declined);

  Shortcuts11::State& state_;
  SettingsTexts loaded_;  // the texts the boxes were filled with
};

}  // namespace corvane
