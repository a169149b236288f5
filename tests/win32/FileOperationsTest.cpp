// Folder creation, replace, delete, copy and size against the real file system.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/win32/ScopedHandle.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32::test {
namespace {

class FileOperationsTest : public testing::Test {
 protected:
  // Runs `operation`, expecting a refusal whose text starts with `path` and then describes the failure.
  template <class Operation>
  void ExpectRefusalNaming(const std::string& path, Operation operation) {
    try {
      operation();
      ADD_FAILURE() << "no failure concerning " << path;
    } catch (const PlatformError& failure) {
      const std::string text = failure.what();
      EXPECT_NE(text.find(path), std::string::npos) << text;
      EXPECT_GT(text.size(), text.find(path) + path.size() + 2) << text;
    }
  }

  TempFolder folder_;
  Win32Platform platform_;
};

TEST_F(FileOperationsTest, CreateFolderMakesExactlyOneLevel) {
  const std::string backup = folder_ / "ArcBackup";
  platform_.CreateFolder(backup);
  EXPECT_TRUE(IsFolder(backup));

  ExpectRefusalNaming(backup, [&] { platform_.CreateFolder(backup); });
  const std::string twoLevels = folder_ / "Outer\\Inner";
  ExpectRefusalNaming(twoLevels, [&] { platform_.CreateFolder(twoLevels); });
  EXPECT_FALSE(IsFolder(folder_ / "Outer"));
}

TEST_F(FileOperationsTest, ReplaceFileMovesOverAnExistingFileButNotAReadOnlyOne) {
  WriteBytes(folder_ / "New.txt", "new");
  WriteBytes(folder_ / "Old.txt", "old content");

  platform_.ReplaceFile(folder_ / "New.txt", folder_ / "Old.txt");

  EXPECT_EQ(ReadBytes(folder_ / "Old.txt"), "new");
  EXPECT_EQ(ReadBytes(folder_ / "New.txt"), std::nullopt);

  const std::string readOnly = folder_ / "ReadOnly.txt";
  WriteBytes(readOnly, "kept");
  SetAttributes(readOnly, FILE_ATTRIBUTE_READONLY);
  ExpectRefusalNaming(readOnly, [&] { platform_.ReplaceFile(folder_ / "Old.txt", readOnly); });
  EXPECT_EQ(ReadBytes(readOnly), "kept");
  EXPECT_EQ(ReadBytes(folder_ / "Old.txt"), "new");
}

TEST_F(FileOperationsTest, DeleteFileRemovesAFileButRefusesAReadOnlyOne) {
  WriteBytes(folder_ / "Plain.txt", "x");
  platform_.DeleteFile(folder_ / "Plain.txt");
  EXPECT_EQ(ReadBytes(folder_ / "Plain.txt"), std::nullopt);

  const std::string readOnly = folder_ / "ReadOnly.txt";
  WriteBytes(readOnly, "kept");
  SetAttributes(readOnly, FILE_ATTRIBUTE_READONLY);
  ExpectRefusalNaming(readOnly, [&] { platform_.DeleteFile(readOnly); });
  EXPECT_EQ(ReadBytes(readOnly), "kept");

  const std::string missing = folder_ / "Missing.txt";
  ExpectRefusalNaming(missing, [&] { platform_.DeleteFile(missing); });
}

TEST_F(FileOperationsTest, CopyFileReplacesAnExistingTargetByteForByte) {
  const std::string source = folder_ / "App1.mde";
  WriteBytes(source, std::string("db\0bytes\xFF", 9));
  WriteBytes(folder_ / "Copy.mde", "an older and longer copy");

  platform_.CopyFile(source, folder_ / "Copy.mde");
  EXPECT_EQ(ReadBytes(folder_ / "Copy.mde"), std::string("db\0bytes\xFF", 9));
  EXPECT_EQ(ReadBytes(source), std::string("db\0bytes\xFF", 9));
}

TEST_F(FileOperationsTest, CopyFileRefusesAReadOnlyOrLockedTargetAndLeavesItAsItWas) {
  const std::string source = folder_ / "App1.mde";
  WriteBytes(source, "new content");

  const std::string readOnly = folder_ / "ReadOnly.mde";
  WriteBytes(readOnly, "kept");
  SetAttributes(readOnly, FILE_ATTRIBUTE_READONLY);
  ExpectRefusalNaming(readOnly, [&] { platform_.CopyFile(source, readOnly); });
  EXPECT_EQ(ReadBytes(readOnly), "kept");

  // Open elsewhere without leave to write, as a database in use is.
  const std::string locked = folder_ / "Locked.mde";
  WriteBytes(locked, "in use");
  {
    ScopedHandle open(::CreateFileW(Widen(locked).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(open.IsValid());
    ExpectRefusalNaming(locked, [&] { platform_.CopyFile(source, locked); });
  }
  EXPECT_EQ(ReadBytes(locked), "in use");
}

TEST_F(FileOperationsTest, CopyFileFromAMissingOrLockedSourceMakesNoTarget) {
  const std::string target = folder_ / "Arc12526App1.mde.partial";
  const std::string missing = folder_ / "Missing.mde";
  ExpectRefusalNaming(missing, [&] { platform_.CopyFile(missing, target); });
  EXPECT_EQ(ReadBytes(target), std::nullopt);

  const std::string locked = folder_ / "Locked.mde";
  WriteBytes(locked, "in use");
  ScopedHandle open(
      ::CreateFileW(Widen(locked).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(open.IsValid());
  ExpectRefusalNaming(locked, [&] { platform_.CopyFile(locked, target); });
  EXPECT_EQ(ReadBytes(target), std::nullopt);
}

TEST_F(FileOperationsTest, FileSizeCountsBytesBeyondFourGigabytes) {
  WriteBytes(folder_ / "Empty.mde", "");
  WriteBytes(folder_ / "Small.mde", "12345");
  EXPECT_EQ(platform_.FileSize(folder_ / "Empty.mde"), 0u);
  EXPECT_EQ(platform_.FileSize(folder_ / "Small.mde"), 5u);

  const std::string large = folder_ / "Large.mde";
  const std::uint64_t size = (5ull << 30) + 7;
  MakeSparseFile(large, size);
  EXPECT_EQ(platform_.FileSize(large), size);

  const std::string missing = folder_ / "Missing.mde";
  ExpectRefusalNaming(missing, [&] { platform_.FileSize(missing); });
}

TEST_F(FileOperationsTest, ProgramFolderIsTheFolderOfTheRunningProgram) {
  const std::string folder = platform_.ProgramFolder();
  const std::string program = ThisProgram();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_EQ(program.substr(0, folder.size() + 1), folder + "\\");
  EXPECT_EQ(program.find('\\', folder.size() + 1), std::string::npos) << program;
}

}  // namespace
}  // namespace corvane::win32::test
