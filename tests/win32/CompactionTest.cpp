// What a safe compaction asks of the system: a drive's free space and its name, and a marker that others may read
// but not change while it is held, by this process or another, and that is stale once no process holds it.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32::test {
namespace {

TEST(CompactionTest, AVolumeIsNamedAsWindowsNamesItAndItsFreeSpaceIsTheUsersShare) {
  TempFolder folder;
  Win32Platform platform;
  const Volume volume = platform.VolumeOf(folder / "App1.mde");  // a database not there yet has a volume too
  EXPECT_EQ(volume.name, folder.path.substr(0, 2));
  EXPECT_NEAR(double(volume.freeBytes), double(std::filesystem::space(folder.path).available), 200e6);
  EXPECT_EQ(platform.VolumeOf("Z:\\tmp").name, "Z:");
}

TEST(CompactionTest, AHeldMarkerCanBeReadButNotChangedAndIsStaleOnceNoProcessHoldsIt) {
  TempFolder folder;
  Win32Platform platform;
  const std::string marker = folder / "Compacting_App1.mde";
  EXPECT_FALSE(platform.HeldAgainstDeletion(marker));  // absent
  auto held = platform.CreateHeldFile(marker, "PC1\tann\t2026-12-05 01:30");
  EXPECT_TRUE(platform.HeldAgainstDeletion(marker));
  EXPECT_EQ(platform.ReadBytes(marker, 100), "PC1\tann\t2026-12-05 01:30");
  EXPECT_THROW(platform.DeleteFile(marker), PlatformError);
  EXPECT_THROW(platform.CreateHeldFile(marker, "another"), PlatformError);
  EXPECT_FALSE(std::ofstream(marker, std::ios::app).is_open());
  held.reset();
  EXPECT_FALSE(platform.HeldAgainstDeletion(marker));

  // Another process holds it as Access holds its lock file, sharing no deletion.
  const ScopedHandle holder = StartHolding(marker);
  EXPECT_TRUE(Eventually([&] { return platform.HeldAgainstDeletion(marker); }));
  ::TerminateProcess(holder.Get(), 0);
  ::WaitForSingleObject(holder.Get(), 5000);
  EXPECT_FALSE(platform.HeldAgainstDeletion(marker));
}

}  // namespace
}  // namespace corvane::win32::test
