// Exists against real directory entries: which attributes count, wildcards, folders, and absent paths.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32::test {
namespace {

class LookupTest : public testing::Test {
 protected:
  void AddFile(std::string_view name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    WriteBytes(folder_ / name, "x");
    SetAttributes(folder_ / name, attributes);
  }
  void AddFolder(std::string_view name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    MakeFolder(folder_ / name);
    SetAttributes(folder_ / name, attributes);
  }
  bool File(std::string_view pattern) { return platform_.Exists(folder_ / pattern, Lookup::NormalFiles); }
  bool Folder(std::string_view pattern) { return platform_.Exists(folder_ / pattern, Lookup::Directories); }

  TempFolder folder_;
  Win32Platform platform_;
};

TEST_F(LookupTest, NormalFilesCountPlainReadOnlyAndArchiveButNotHiddenSystemOrFolders) {
  AddFile("Plain.mde");
  AddFile("ReadOnly.mde", FILE_ATTRIBUTE_READONLY);
  AddFile("Archive.mde", FILE_ATTRIBUTE_ARCHIVE);
  AddFile("Hidden.mde", FILE_ATTRIBUTE_HIDDEN);
  AddFile("System.mde", FILE_ATTRIBUTE_SYSTEM);
  AddFolder("Folder.mde");

  EXPECT_TRUE(File("Plain.mde"));
  EXPECT_TRUE(File("ReadOnly.mde"));
  EXPECT_TRUE(File("Archive.mde"));
  EXPECT_FALSE(File("Hidden.mde"));
  EXPECT_FALSE(File("System.mde"));
  EXPECT_FALSE(File("Folder.mde"));
  EXPECT_FALSE(File("Missing.mde"));
}

TEST_F(LookupTest, WildcardsInTheFileNameFindAnAcceptedEntryAmongRefusedOnes) {
  for (const char* name : {"App1.mde", "App2.mde", "App3.mde", "App4.mde", "App5.mde"}) {
    AddFile(name, FILE_ATTRIBUTE_HIDDEN);
  }
  AddFolder("App6.mde");
  EXPECT_FALSE(File("App*.mde"));
  EXPECT_FALSE(File("App?.mde"));

  AddFile("App7.mde", FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(File("App*.mde"));
  EXPECT_TRUE(File("App?.mde"));
  EXPECT_TRUE(File("*"));
  EXPECT_FALSE(File("App??.mde"));
  EXPECT_FALSE(File("*.mdb"));
}

TEST_F(LookupTest, DirectoriesAcceptPlainFoldersAndFilesButNotHiddenOrSystemFolders) {
  AddFolder("Apps");
  AddFolder("Hidden", FILE_ATTRIBUTE_HIDDEN);
  AddFolder("System", FILE_ATTRIBUTE_SYSTEM);
  AddFile("Plain.mde");
  AddFile("Hidden.mde", FILE_ATTRIBUTE_HIDDEN);

  EXPECT_TRUE(Folder("Apps"));
  EXPECT_TRUE(Folder("Plain.mde"));
  EXPECT_TRUE(Folder("A*"));
  EXPECT_FALSE(Folder("Hidden"));
  EXPECT_FALSE(Folder("System"));
  EXPECT_FALSE(Folder("Hidden.mde"));
  EXPECT_FALSE(Folder("Missing"));
}

TEST_F(LookupTest, TrailingBackslashAsksForTheFolderItself) {
  AddFolder("Apps");
  AddFolder("Hidden", FILE_ATTRIBUTE_HIDDEN);

  EXPECT_TRUE(Folder("Apps\\"));
  EXPECT_FALSE(Folder("Hidden\\"));
  EXPECT_FALSE(Folder("Missing\\"));
  EXPECT_FALSE(File("Apps\\"));
  EXPECT_TRUE(platform_.Exists(folder_.path() + "\\", Lookup::Directories));
  EXPECT_TRUE(platform_.Exists("C:\\", Lookup::Directories));
}

TEST_F(LookupTest, MissingFolderOrEmptyPatternIsAbsentNotAFailure) {
  EXPECT_FALSE(File("Missing\\App1.mde"));
  EXPECT_FALSE(File("Missing\\*.mde"));
  EXPECT_FALSE(File("Missing\\Deeper\\App1.mde"));
  EXPECT_FALSE(Folder("Missing\\Deeper"));
  EXPECT_FALSE(platform_.Exists("", Lookup::NormalFiles));
  EXPECT_FALSE(platform_.Exists("", Lookup::Directories));
}

TEST_F(LookupTest, MalformedPathThrowsNamingIt) {
  const std::string pattern = folder_ / "Bad|Name\\App1.mde";
  try {
    platform_.Exists(pattern, Lookup::NormalFiles);
    FAIL() << "no failure for " << pattern;
  } catch (const PlatformError& failure) {
    const std::string text = failure.what();
    EXPECT_EQ(text.rfind(pattern + ": ", 0), 0u) << text;
    EXPECT_GT(text.size(), pattern.size() + 2) << text;
  }
}

}  // namespace
}  // namespace corvane::win32::test
