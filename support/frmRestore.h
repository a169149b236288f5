// The restore window: a slot's copies, one of which the user puts back in place of its database.
#pragma once

#include <span>
#include <vector>

#include "platform/Form.h"
#include "settings/ModuleState.h"
#include "support/Restore.h"

namespace corvane {

class frmRestore : public FormOf<frmRestore> {
 public:
  frmRestore(Desktop& platform, FormOwner& owner, Shortcuts11::State& state);

  static std::span<const Handler<frmRestore>> Handlers();

  // The slot whose copies the window lists when it next loads.
  void SetSlot(int slot) { slot_ = slot; }

  void Form_Load() override;
  Window* OwnerWindow() override { return owner_.LoadedWindow(FormName::Support); }
  void ListCopies_Click();
  void CmdRestore_Click();
  void CmdCancel_Click();

 private:
  Shortcuts11::State& state_;
  int slot_ = 0;
  std::vector<RestoreChoice> choices_;
};

}  // namespace corvane
