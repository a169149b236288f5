// The settings files: their line format, LoadSettings, SaveSettings, SelectApp and character cuts.
#include "HostTest.h"
#include "settings/Characters.h"

namespace corvane::testing {
namespace {

using Fields = std::vector<std::string>;
using namespace Shortcuts11;

TEST(SettingsLine, ReadsWhatOtherEditorsWrite) {
  struct Case {
    std::string text;
    std::size_t count;
    Fields expected;
  } cases[] = {
      {"  one ,two,\"three\"\r\n", 3, {"one", "two", "three"}},
      {"\"a\"\r\n\"b\"\n\"c\"\r\"d\"\r\n", 4, {"a", "b", "c", "d"}},
      {"\"a\",\"b\",\r\n\"c\",\r\n  \"d\"", 4, {"a", "b", "c", "d"}},
      {"\"a\"junk,\"b\",\"c\"\r\n", 2, {"a", "b"}},
      {"\"a\",,\"c\"", 3, {"a", "", "c"}},
      {"\"a\"\r\n\r\n\"c\"", 3, {"a", "", "c"}},  // a blank line is an empty field
      {"\"a\",\"unclosed", 3, {"a", "unclosed"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadSettingsFields(c.text, c.count), c.expected) << c.text;
  }
}

TEST(Characters, CutsCountCharactersNotBytes) {
  struct Case {
    std::string text;
    std::optional<std::string> cut;
  } cases[] = {
      {"Billing.mde", "Billing"}, {"Daten.md\xC3\xA9", "Daten"},
      {"Caf\xC3\xA9", ""},        {"\xC3\xA4\xC3\xB6\xC3\xBC", std::nullopt},
      {"abc", std::nullopt},      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithoutLastCharacters(c.text, 4), c.cut) << c.text;
  }
}

class SettingsTest : public HostTest {};

// As Notepad saves them, in UTF-8 with its mark or in the ANSI code page; a folder or a huge file is not read.
TEST_F(SettingsTest, ReadsWhatEditorsSaveAndRefusesWhatIsNoSettingsFile) {
  const std::string padded = SlotLine("a") + std::string(64 * 1024 - SlotLine("a").size(), ' ');
  const std::tuple<std::string, const char*, const char*> cases[] = {
      {"\xEF\xBB\xBF" + SlotLine("Caf\xC3\xA9 "), "Caf\xC3\xA9 1", ""},
      {SlotLine("Caf\xE9 "), "Caf\xC3\xA9 1", ""},
      {padded, "a1", ""},
      {padded + " ", "HLQ", "C:\\CorvaneAppAlias.txt was not read: at more than 64 KB it can not be a settings file."},
      {"", "HLQ", "C:\\CorvaneAppAlias.txt could not be read: it is a folder, not a file."},
  };
  for (const auto& [content, alias, problem] : cases) {
    FakePlatform machine;
    content.empty() ? machine.AddFolder("C:\\CorvaneAppAlias.txt")
                    : machine.AddFile("C:\\CorvaneAppAlias.txt", content);
    LauncherSettings.Apps[0].Alias = "HLQ";
    const std::vector<SettingsProblem> problems = ReadSettings(machine);
    EXPECT_EQ(LauncherSettings.Apps[0].Alias, alias);
    EXPECT_EQ(problems.empty() ? "" : problems[0].description, problem);
  }
}

SettingsTexts TextsFromSlots() {
  SettingsTexts texts;
  texts.appNames.fill("Name.mde");
  texts.paths.fill("C:\\Apps");
  texts.aliases.fill("Alias");
  return texts;
}

TEST_F(SettingsTest, ValuesTheFilesCannotHoldAreRefusedByNameAndNothingIsSaved) {
  struct Case {
    void (*spoil)(SettingsTexts&);
    std::string message;
  } cases[] = {
      {[](SettingsTexts& t) { t.paths[12] = "http://a\r\nb"; },
       "Web Support Page can not hold a double quote or a line break. Nothing was saved."},
      {[](SettingsTexts& t) { t.appNames[13] = "\xCE\xA9"; },
       "Toolbar Name holds characters that this computer's code page can not store. Nothing was saved."},
  };
  for (const Case& c : cases) {
    ResetModuleState();
    FakePlatform machine;
    SettingsTexts texts = TextsFromSlots();
    c.spoil(texts);
    EXPECT_FALSE(SaveSettings(machine, texts));
    ASSERT_EQ(machine.messages.size(), 1u);
    EXPECT_EQ(machine.messages[0].text, c.message);
    EXPECT_TRUE(machine.FilePaths().empty());
    EXPECT_TRUE(LauncherSettings.Title.empty());
  }
}

}  // namespace
}  // namespace corvane::testing
