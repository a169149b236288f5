// The settings line format: what is written, and what reads back.
#include <gtest/gtest.h>

#include "settings/SettingsFiles.h"

namespace corvane {
namespace {

using Fields = std::vector<std::string>;

TEST(SettingsLine, QuotesEveryFieldSeparatesWithCommasAndEndsWithCrLf) {
  EXPECT_EQ(FormatSettingsLine(Fields{"App1.mde", "", " a, b ", "NAME"}), "\"App1.mde\",\"\",\" a, b \",\"NAME\"\r\n");
}

TEST(SettingsLine, ReadsBackWhatWasWritten) {
  const Fields written{"Smith, Jones", "  padded  ", "", "C:\\Data Files\\x", "caf\xC3\xA9"};
  EXPECT_EQ(ReadSettingsFields(FormatSettingsLine(written), written.size()), written);
}

TEST(SettingsLine, AcceptsUnquotedFieldsWithoutTheirBlanks) {
  EXPECT_EQ(ReadSettingsFields("  one ,two,\"three\"\r\n", 3), (Fields{"one", "two", "three"}));
}

TEST(SettingsLine, FieldsMayBeSpreadOverLines) {
  const Fields expected{"a", "b", "c", "d"};
  EXPECT_EQ(ReadSettingsFields("\"a\"\r\n\"b\"\n\"c\"\r\"d\"\r\n", 4), expected);
  EXPECT_EQ(ReadSettingsFields("\"a\",\"b\",\r\n\"c\",\r\n  \"d\"", 4), expected);
}

TEST(SettingsLine, IgnoresWhatFollowsAQuotedFieldAndTheFieldsNotNeeded) {
  EXPECT_EQ(ReadSettingsFields("\"a\"junk,\"b\",\"c\"\r\n", 2), (Fields{"a", "b"}));
}

TEST(SettingsLine, EmptyFieldsBetweenCommasCount) {
  EXPECT_EQ(ReadSettingsFields("\"a\",,\"c\"", 3), (Fields{"a", "", "c"}));
}

TEST(SettingsLine, RunsOutOfFieldsAtTheEndOfTheText) {
  EXPECT_TRUE(ReadSettingsFields("", 14).empty());
  EXPECT_TRUE(ReadSettingsFields("\r\n", 14).size() <= 1);
  EXPECT_EQ(ReadSettingsFields("\"a\",\"b\"\r\n", 3), (Fields{"a", "b"}));
  // An unclosed quote runs to the end of the text rather than past it.
  EXPECT_EQ(ReadSettingsFields("\"a\",\"unclosed", 3), (Fields{"a", "unclosed"}));
}

TEST(SettingsLine, RefusesValuesTheFileCannotHold) {
  EXPECT_TRUE(FitsSettingsFile("Smith, Jones 'quoted'"));
  EXPECT_FALSE(FitsSettingsFile("say \"hi\""));
  EXPECT_FALSE(FitsSettingsFile("two\r\nlines"));
  EXPECT_FALSE(FitsSettingsFile("line\n"));
}

}  // namespace
}  // namespace corvane
