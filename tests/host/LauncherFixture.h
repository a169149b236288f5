// Starts the program on the fake machine, as a person would by double-clicking it.
#pragma once

#include "CorvaneTest.h"
#include "launcher/Program.h"

namespace corvane::testing {

class LauncherFixture : public CorvaneTest {
 protected:
  static constexpr const char* kAccess = "C:\\Program Files\\Microsoft Office\\Office11\\MSAccess.exe";

  void Start() {
    program.Start();
    launcher = platform.Form("frmCorvane");
    ASSERT_NE(launcher, nullptr);
  }
  void Click(std::string_view control) { launcher->Fire(control, Event::Click); }

  Program program{platform};
  FakeWindow* launcher = nullptr;
};

}  // namespace corvane::testing
