// Finding and clicking the programs' windows through the end-to-end driver and Corvane's own layout tables.
#include "ShownWindows.h"

#include <stdexcept>
#include <string>

#include "BareWindow.h"
#include "Form.h"
#include "Poll.h"
#include "TopWindows.h"
#include "Wide.h"
#include "launcher/frmCorvaneLayout.h"
#include "settings/Defaults.h"
#include "settings/frmPaths11Layout.h"
#include "support/frmSupport11Layout.h"

namespace corvane::bench {

namespace {

// The last button is captioned last: once it reads its built-in caption, so do the title and the others.
constexpr std::string_view kLastButton = "CmdOpen11";

e2e::Form WaitForForm(DWORD processId, const FormLayout& layout) {
  HWND window = e2e::WaitFor([&] { return e2e::FindFormWindow(processId, layout.caption); }, e2e::kShortWait);
  if (window == nullptr) {
    throw std::runtime_error("the window \"" + std::string(layout.caption) + "\" did not show");
  }
  return e2e::Form(window, layout);
}

}  // namespace

bool IsBareWindowShown(DWORD processId) {
  return e2e::FindFormWindow(processId, e2e::ToUtf8(kBareWindowCaption)) != nullptr;
}

bool IsLauncherReady(DWORD processId) {
  HWND launcher = e2e::FindFormWindow(processId, kFrmCorvaneLayout.caption);
  return launcher != nullptr && e2e::Form(launcher, kFrmCorvaneLayout).Text(kLastButton) == kDefaultAliases.back();
}

void OpenSupportAndEditor(DWORD processId) {
  WaitForForm(processId, kFrmCorvaneLayout).Click("CmdOpenSupport");
  WaitForForm(processId, kFrmSupport11Layout).Click("CmdEditPaths");
  WaitForForm(processId, kFrmPaths11Layout);
}

}  // namespace corvane::bench
