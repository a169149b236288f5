// The settings editor: every stored setting in its own box; Close saves them all.
#pragma once

#include "launcher/Form.h"
#include "settings/LauncherSettings.h"

namespace corvane {

class frmPaths11 : public Form {
 public:
  explicit frmPaths11(Program& program);

  // Creates the window and runs Form_Load; showing it is the caller's.
  void Load();

  void OnEvent(std::string_view control, Event event) override;

  void Form_Load();
  void CmdSaveClose_Click();
  void pTitle_DblClick();
  void CmdBrowse_Click();
  void Form_Close();

 private:
  SettingsTexts BoxTexts() const;
};

}  // namespace corvane
