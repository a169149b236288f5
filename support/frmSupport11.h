// The support window: manuals, web support, the settings editor, Delete Path Files and the slot check boxes.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/Form.h"
#include "settings/ModuleState.h"

namespace corvane {

class frmSupport11 : public FormOf<frmSupport11> {
 public:
  frmSupport11(Desktop& platform, FormOwner& owner, Shortcuts11::State& state);

  static std::span<const Handler<frmSupport11>> Handlers();

  void Form_Load() override;
  // Once it has painted, each box gets the age of its slot's newest backup: a slow share is read after the paint.
  void Form_Shown();
  void CmdClose_Click();
  void CmdEditPaths_Click();
  void Frame1_DblClick();
  void CmdDeletePathFiles_Click();
  void CmdBackup_Click();
  void CmdCompact_Click();
  void CmdRestore_Click();
  // CmdOpenManual1 and CmdOpenManual2 open manuals 1 and 2.
  void CmdOpenManual_Click(int index);
  void CmdWebSupport_Click();

 private:
  std::vector<int> TickedSlots() const;
  void ForEachTicked(void (*routine)(Desktop&, Shortcuts11::State&, int));
  void ShowLastBackups();

  Shortcuts11::State& state_;
};

// The check box caption of a slot: its file name without the last four characters.
std::string CheckCaption(const std::string& appName);

}  // namespace corvane
