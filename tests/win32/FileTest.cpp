// Against the real file system: existence by attributes, ANSI bytes, copy and replace, folders, sizes, attributes.
#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32::test {
namespace {

constexpr DWORD kAbsent = INVALID_FILE_ATTRIBUTES;

class FileTest : public testing::Test {
 protected:
  TempFolder folder_;
  Win32Platform platform_;
};

TEST_F(FileTest, ExistsFindsWhatTheFilterAcceptsAndCallsAnythingAbsentFalse) {
  WriteBytes(folder_ / "Plain.mde", "x");
  WriteBytes(folder_ / "ReadOnly.mde", "x", FILE_ATTRIBUTE_READONLY);
  WriteBytes(folder_ / "Hidden.mde", "x", FILE_ATTRIBUTE_HIDDEN);
  WriteBytes(folder_ / "System.mdb", "x", FILE_ATTRIBUTE_SYSTEM);
  MakeFolder(folder_ / "Apps");
  MakeFolder(folder_ / "Secret", FILE_ATTRIBUTE_HIDDEN);
  MakeFolder(folder_ / "Sys", FILE_ATTRIBUTE_SYSTEM);
  struct Case {
    const char* pattern;
    bool asFile, asFolder;
  };
  constexpr Case kCases[] = {
      {"Plain.mde", true, true},    {"ReadOnly.mde", true, true},
      {"Hidden.mde", false, false}, {"System.mdb", false, false},
      {"Apps", false, true},        {"Secret", false, false},
      {"Sys", false, false},        {"Apps\\", false, true},
      {"Secret\\", false, false},   {"R?adOnly.md?", true, true},
      {"A*", false, true},          {"*.mdb", false, false},
      {"S*", false, false},         {"Missing.mde", false, false},
      {"Missing\\", false, false},  {"Missing\\App1.mde", false, false},
  };
  for (const Case& row : kCases) {
    EXPECT_EQ(platform_.Exists(folder_ / row.pattern, Lookup::NormalFiles), row.asFile) << row.pattern;
    EXPECT_EQ(platform_.Exists(folder_ / row.pattern, Lookup::Directories), row.asFolder) << row.pattern << " (folder)";
  }
}

TEST_F(FileTest, SettingsTextIsAnsiOnDiskAndTextTheCodePageCannotHoldNeverReachesIt) {
  ASSERT_EQ(::GetACP(), 1252u) << "the test prefix's ANSI code page";
  const std::string path = folder_ / "CorvaneAppAlias.txt", text = "\"Caf\xC3\xA9\",\"HLQ\"\r\n\"Two\"\r\n";
  const std::string bytes = "\"Caf\xE9\",\"HLQ\"\r\n\"Two\"\r\n";
  platform_.WriteTextFile(path, text);
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_EQ(platform_.ReadTextFile(path), text);

  for (const std::string& target : {path, folder_ / "CorvanePaths.txt"}) {
    EXPECT_THROW(platform_.WriteTextFile(target, "Snow \xE2\x98\x83\r\n"), PlatformError) << target;
  }
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_EQ(AttributesOf(folder_ / "CorvanePaths.txt"), kAbsent);
}

TEST_F(FileTest, AReadOnlyOrLockedFileIsLeftAsItWasAndAFailedCopyMakesNoFile) {
  WriteBytes(folder_ / "App1.mde", "new");
  WriteBytes(folder_ / "ReadOnly.mde", "kept", FILE_ATTRIBUTE_READONLY);
  WriteBytes(folder_ / "Locked.mde", "kept");
  {
    ScopedHandle inUse = OpenWithoutSharing(folder_ / "Locked.mde");
    for (const char* target : {"ReadOnly.mde", "Locked.mde"}) {
      EXPECT_THROW(platform_.CopyFile(folder_ / "App1.mde", folder_ / target), PlatformError) << target;
    }
    EXPECT_THROW(platform_.ReplaceFile(folder_ / "App1.mde", folder_ / "ReadOnly.mde"), PlatformError);
    EXPECT_THROW(platform_.CopyFile(folder_ / "Locked.mde", folder_ / "New.mde"), PlatformError);
  }
  EXPECT_EQ(ReadBytes(folder_ / "ReadOnly.mde"), "kept");
  EXPECT_EQ(ReadBytes(folder_ / "Locked.mde"), "kept");
  EXPECT_EQ(AttributesOf(folder_ / "New.mde"), kAbsent);
}

TEST_F(FileTest, CreateFolderMakesOneLevelOnly) {
  platform_.CreateFolder(folder_ / "ArcBackup");
  EXPECT_NE(AttributesOf(folder_ / "ArcBackup") & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_THROW(platform_.CreateFolder(folder_ / "Outer\\Inner"), PlatformError);
  EXPECT_EQ(AttributesOf(folder_ / "Outer"), kAbsent);
}

TEST_F(FileTest, FileSizeCountsBeyondFourGigabytesAndRefusesAFolder) {
  MakeSparseFile(folder_ / "Large.mde", (5ull << 30) + 7);
  EXPECT_EQ(platform_.FileSize(folder_ / "Large.mde"), (5ull << 30) + 7);
  EXPECT_THROW(platform_.FileSize(folder_.path), PlatformError);
}

TEST_F(FileTest, MakeWritableClearsReadOnlyAndKeepsTheRest) {
  const std::string path = folder_ / "Arc12526App1.mde";
  WriteBytes(path, "x", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
  platform_.MakeWritable(path);
  EXPECT_EQ(AttributesOf(path) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE), FILE_ATTRIBUTE_ARCHIVE);
}

}  // namespace
}  // namespace corvane::win32::test
