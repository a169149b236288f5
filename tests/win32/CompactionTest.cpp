// What a safe compaction asks of the system: the free space of a drive and its name, and its marker, held by
// another process against writing and deletion, then left stale when that process ends.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32::test {

int HoldMarker(const std::string& path) {
  Win32Platform platform;
  const auto held = platform.CreateHeldFile(path, "PC2\tbob\t2026-12-05 01:30");
  ::Sleep(30000);
  return 0;
}

namespace {

TEST(CompactionTest, AVolumeIsNamedAsWindowsNamesItAndItsFreeSpaceIsTheUsersShare) {
  TempFolder folder;
  Win32Platform platform;
  const Volume volume = platform.VolumeOf(folder / "App1.mde");  // a database not there yet has a volume too
  EXPECT_EQ(volume.name, folder.path.substr(0, 2));
  const auto space = std::filesystem::space(folder.path);
  EXPECT_NEAR(static_cast<double>(volume.freeBytes), static_cast<double>(space.available), 200e6);
  EXPECT_EQ(platform.VolumeOf("Z:\\tmp").name, "Z:");
}

TEST(CompactionTest, AMarkerAnotherProcessHoldsCanBeReadButNotChangedAndIsStaleOnceItEnds) {
  TempFolder folder;
  Win32Platform platform;
  const std::string marker = folder / "Compacting_App1.mde";
  EXPECT_FALSE(platform.HeldAgainstDeletion(marker));  // absent
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  std::wstring commandLine = Widen(std::string("\"").append(ThisProgram()).append("\" ").append(kMark).append(marker));
  ASSERT_TRUE(
      ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
  const ScopedHandle process(child.hProcess), thread(child.hThread);
  for (int tries = 0; tries < 200 && ReadBytes(marker).empty(); ++tries) {
    ::Sleep(50);
  }
  EXPECT_TRUE(platform.HeldAgainstDeletion(marker));
  EXPECT_EQ(platform.ReadBytes(marker, 100), "PC2\tbob\t2026-12-05 01:30");
  EXPECT_THROW(platform.DeleteFile(marker), PlatformError);
  EXPECT_THROW(platform.CreateHeldFile(marker, "mine"), PlatformError);

  ::TerminateProcess(process.Get(), 0);
  ::WaitForSingleObject(process.Get(), 10000);
  EXPECT_FALSE(platform.HeldAgainstDeletion(marker));
  EXPECT_EQ(ReadBytes(marker), "PC2\tbob\t2026-12-05 01:30");
}

}  // namespace
}  // namespace corvane::win32::test
