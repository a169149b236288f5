// The base fixture: a fresh fake machine and empty module state for every test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakePlatform.h"
#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "settings/LauncherSettings.h"

namespace corvane::testing {

// The module's state as it is when the program starts.
inline void ResetModuleState() {
  Shortcuts11::LauncherSettings = {};
  Shortcuts11::AccessPath.clear();
  Shortcuts11::WordProcessorPath.clear();
  Shortcuts11::PdfReaderPath.clear();
  Shortcuts11::WordProcessorStatus.clear();
  Shortcuts11::PdfReaderStatus.clear();
  Shortcuts11::ShellCommandLine.clear();
}

class CorvaneTest : public ::testing::Test {
 protected:
  CorvaneTest() { ResetModuleState(); }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : platform.messages) {
      texts.push_back(message.text);
    }
    return texts;
  }

  FakePlatform platform;
};

}  // namespace corvane::testing
