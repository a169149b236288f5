// The backend tests' entry point: the child's work when started as one, GoogleTest otherwise.
#include <gtest/gtest.h>

#include "ChildMode.h"

int main(int argc, char** argv) {
  if (const auto exitCode = corvane::win32::test::RunAsChildIfAsked()) {
    return *exitCode;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
