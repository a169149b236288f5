// Settings-file text on disk: the ANSI code page, whole-file writes, and refusal instead of substitution.
#include <gtest/gtest.h>

#include "TempFolder.h"
#include "platform/win32/Win32Platform.h"

namespace corvane::win32::test {
namespace {

class TextFileTest : public testing::Test {
 protected:
  TempFolder folder_;
  Win32Platform platform_;
};

// A snowman and an emoji: no single-byte or East Asian ANSI code page holds them.
constexpr const char* kNotInAnyAnsiCodePage = "Snow \xE2\x98\x83 \xF0\x9F\x98\x80";

TEST_F(TextFileTest, Cp1252TextIsStoredAsAnsiBytesAndReadBackAsUtf8) {
  if (::GetACP() != 1252) {
    GTEST_SKIP() << "needs the Western European code page, this system uses " << ::GetACP();
  }
  const std::string path = folder_ / "CorvaneAppAlias.txt";
  const std::string text = "\"Caf\xC3\xA9, Smith\",\"HLQ\"\r\n";

  platform_.WriteTextFile(path, text);

  EXPECT_EQ(ReadBytes(path), "\"Caf\xE9, Smith\",\"HLQ\"\r\n");
  EXPECT_EQ(platform_.ReadTextFile(path), text);
}

TEST_F(TextFileTest, WritingReplacesTheWholeFileAndEmptyTextGivesAnEmptyFile) {
  const std::string path = folder_ / "CorvanePaths.txt";
  WriteBytes(path, "a much longer line that was there before\r\n");

  platform_.WriteTextFile(path, "\"C:\\Apps\"\r\n");
  EXPECT_EQ(ReadBytes(path), "\"C:\\Apps\"\r\n");

  platform_.WriteTextFile(path, "");
  EXPECT_EQ(ReadBytes(path), "");
  EXPECT_EQ(platform_.ReadTextFile(path), "");
}

TEST_F(TextFileTest, TextTheCodePageCannotHoldIsRefusedAndNothingIsWritten) {
  if (::GetACP() == CP_UTF8) {
    GTEST_SKIP() << "a UTF-8 code page holds every text";
  }
  const std::string fresh = folder_ / "Fresh.txt";
  try {
    platform_.WriteTextFile(fresh, kNotInAnyAnsiCodePage);
    FAIL() << "text written with substitutes";
  } catch (const PlatformError& failure) {
    const std::string text = failure.what();
    EXPECT_EQ(text.rfind(fresh + ": ", 0), 0u) << text;
    EXPECT_GT(text.size(), fresh.size() + 2) << text;
  }
  EXPECT_EQ(ReadBytes(fresh), std::nullopt);

  const std::string existing = folder_ / "Existing.txt";
  WriteBytes(existing, "kept\r\n");
  EXPECT_THROW(platform_.WriteTextFile(existing, kNotInAnyAnsiCodePage), PlatformError);
  EXPECT_EQ(ReadBytes(existing), "kept\r\n");
}

TEST_F(TextFileTest, ReadingOrWritingWhereTheSystemRefusesThrowsNamingTheFile) {
  const std::string missing = folder_ / "Missing.txt";
  try {
    platform_.ReadTextFile(missing);
    FAIL() << "read a missing file";
  } catch (const PlatformError& failure) {
    EXPECT_EQ(std::string(failure.what()).rfind(missing + ": ", 0), 0u) << failure.what();
  }

  const std::string readOnly = folder_ / "ReadOnly.txt";
  WriteBytes(readOnly, "kept");
  SetAttributes(readOnly, FILE_ATTRIBUTE_READONLY);
  EXPECT_THROW(platform_.WriteTextFile(readOnly, "new"), PlatformError);
  EXPECT_EQ(ReadBytes(readOnly), "kept");

  EXPECT_THROW(platform_.WriteTextFile(folder_ / "Missing\\New.txt", "new"), PlatformError);
}

}  // namespace
}  // namespace corvane::win32::test
