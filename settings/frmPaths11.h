// The settings editor: every stored setting in its own box; Close saves them all.
#pragma once

#include <span>

#include "platform/Form.h"
#include "settings/LauncherSettings.h"

namespace corvane {

class frmPaths11 : public FormOf<frmPaths11> {
 public:
  frmPaths11(Platform& platform, FormOwner& owner);

  static std::span<const Handler<frmPaths11>> Handlers();

  void Form_Load() override;
  void CmdSaveClose_Click();
  void pTitle_DblClick();
  void CmdBrowse_Click();
  void Form_Close();

 private:
  SettingsTexts BoxTexts() const;
};

}  // namespace corvane
