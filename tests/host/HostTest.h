// The fixture of the host tests: a fresh fake machine, empty module state, and the program on it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeDesktop.h"
#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "program/Program.h"
#include "settings/LoadSettings.h"
#include "settings/SaveSettings.h"
#include "settings/SelectApp.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFiles.h"

namespace corvane::testing {

inline constexpr const char* kAccess = "C:\\Program Files\\Microsoft Office\\Office11\\MSAccess.exe";

// "<prefix>1" to "<prefix>11", then `tail`, as a settings line.
inline std::string SlotLine(const std::string& prefix, const std::vector<std::string>& tail = {}) {
  std::vector<std::string> fields;
  for (int n = 1; n <= kSlotCount; ++n) {
    fields.push_back(prefix + std::to_string(n));
  }
  fields.insert(fields.end(), tail.begin(), tail.end());
  return FormatSettingsLine(fields);
}

class HostTest : public ::testing::Test {
 protected:
  std::vector<std::string> MessageTexts() const { return platform.MessageTexts(); }

  // Starts the program as a double-click would, and returns its launcher.
  FakeWindow& Start() {
    program.Start();
    return Shown("frmCorvane");
  }
  FakeWindow& Shown(std::string_view form) {
    FakeWindow* window = platform.Form(form);
    if (window == nullptr) {
      throw std::logic_error("no window " + std::string(form));
    }
    return *window;
  }
  FakeWindow& OpenSupport() {
    Shown("frmCorvane").Fire("CmdOpenSupport", Event::Click);
    return Shown("frmSupport11");
  }
  FakeWindow& OpenEditor() {
    OpenSupport().Fire("CmdEditPaths", Event::Click);
    return Shown("frmPaths11");
  }

  FakeDesktop platform;
  Program program{platform};
  Shortcuts11::State& state = program.state();
};

}  // namespace corvane::testing
