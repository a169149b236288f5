// The fair yardstick of start-up: the launcher's own window, built from its layout table through the same backend and
// shown, with nothing else done: no probes, no settings, no placing. What Corvane takes beyond it is its own work.
#include "launcher/frmCorvaneLayout.h"
#include "platform/win32/Backend.h"

int main() {
  struct Deaf : corvane::EventSink {
    void OnEvent(std::string_view, corvane::Event) noexcept override {}
  } sink;
  const auto platform = corvane::win32::MakeDesktop();
  const auto window = platform->CreateForm(corvane::kFrmCorvaneLayout, sink, nullptr);
  window->Show();
  return corvane::win32::RunMessageLoop();
}
