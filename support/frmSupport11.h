// The support window: manuals, web support, the settings editor, Delete Path Files and the slot check boxes.
#pragma once

#include "launcher/Form.h"

namespace corvane {

class frmSupport11 : public Form {
 public:
  explicit frmSupport11(Program& program);

  // Creates the window and runs Form_Load; showing it is the caller's.
  void Load();

  void OnEvent(std::string_view control, Event event) override;

  void Form_Load();
  void CmdClose_Click();
  void CmdEditPaths_Click();
  void Frame1_DblClick();
  void CmdDeletePathFiles_Click();
  void CmdBackup_Click();
  void CmdCompact_Click();
  void CmdOpenManual1_Click();
  void CmdOpenManual2_Click();
  void CmdWebSupport_Click();

 private:
  void ForEachTicked(void (*routine)(Platform&, int));
};

// The check box caption of a slot: its file name without the last four characters.
std::string CheckCaption(const std::string& appName);

}  // namespace corvane
