// The launcher window: start-up, the title hint, the eleven application buttons, Support and Exit.
#pragma once

#include "launcher/Form.h"

namespace corvane {

class frmCorvane : public Form {
 public:
  explicit frmCorvane(Program& program);

  // Creates the window and runs Form_Load; the window is shown afterwards, whatever Form_Load reported.
  void Load();

  void OnEvent(std::string_view control, Event event) override;

  void Form_Load();
  void tTitle_DblClick();
  void CmdOpenSupport_Click();
  void CmdClose_Click();
  void CmdOpen1_Click();
  void CmdOpen2_Click();
  void CmdOpen3_Click();
  void CmdOpen4_Click();
  void CmdOpen5_Click();
  void CmdOpen6_Click();
  void CmdOpen7_Click();
  void CmdOpen8_Click();
  void CmdOpen9_Click();
  void CmdOpen10_Click();
  void CmdOpen11_Click();
};

}  // namespace corvane
