// The backend tests' entry: GoogleTest, or the child that a process test starts with --child=PATH.
#include <gtest/gtest.h>

#include "TestFiles.h"

int main(int argc, char** argv) {
  constexpr std::string_view kChild = "--child=";
  for (int index = 1; index < argc; ++index) {
    if (std::string_view(argv[index]).starts_with(kChild)) {
      ::Sleep(500);  // long enough that a start which does not wait returns before the child has written
      corvane::win32::test::WriteBytes(argv[index] + kChild.size(), corvane::win32::test::ThisProgram());
      return 0;
    }
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
