// The settings files: their line format and encodings, LoadSettings and SaveSettings.
#include "HostTest.h"
#include "settings/TextEncoding.h"

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
      {"a,  ,c", 3, {"a", "", "c"}},
      {"\"a\"\r\n\r\n\"c\"", 3, {"a", "", "c"}},  // a blank line is an empty field
      {"\"a\",\"unclosed", 3, {"a", "unclosed"}},
      {"\"Smith,\",\"b\"", 2, {"Smith,", "b"}},  // a comma that ends a quoted field is the field's
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadSettingsFields(c.text, c.count), c.expected) << c.text;
  }
}

// Each Unicode form decoded to the code point, a unit that pairs with nothing as U+FFFD; ANSI left to the platform.
TEST(TextEncoding, DecodesEachUnicodeFormAndLeavesAnsiAlone) {
  using namespace std::string_literals;
  // UTF-16 either side of U+0800 and a low surrogate ending above DF; UTF-8 at its lowest and highest leads.
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"\xFE\xFF\x01\x00"s, "\xC4\x80"},
      {"\xFF\xFE\x3D\xD8\x00\xDE"s, "\xF0\x9F\x98\x80"},
      {"\xFE\xFF\xD8\x3D\xDE\xE9"s, "\xF0\x9F\x9B\xA9"},
      {"\xFF\xFE\x00\xDEx"s, "\xEF\xBF\xBD"},
      {"\xFF\xFE\xFF\x07\x00\x08"s, "\xDF\xBF\xE0\xA0\x80"},
      {"\xEF\xBB\xBFplain"s, "plain"},
      {"\xC2\x80\xE0\xA4\x85\xF0\x9F\x98\x80"s, "\xC2\x80\xE0\xA4\x85\xF0\x9F\x98\x80"},
      {"\xDF\xBF\xEF\xBF\xBD\xF4\x8F\xBF\xBF"s, "\xDF\xBF\xEF\xBF\xBD\xF4\x8F\xBF\xBF"},
      {"plain"s, std::nullopt},
      {"\xED\xA0\x80"s, std::nullopt},
      {"\xF4\x90\x80\x80"s, std::nullopt},
      {"\xF5\x80\x80\x80"s, std::nullopt},
  };
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(UnicodeText(bytes), text) << bytes;
  }
}

class SettingsTest : public HostTest {};

// Latin-1 text as UTF-16, in either byte order.
std::string Utf16(std::string_view latin1, bool bigEndian) {
  std::string bytes;
  for (const char c : latin1) {
    bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
  }
  return bytes;
}

// As Notepad saves them: in UTF-16 ("Unicode"), in UTF-8 with or without its mark, or in the ANSI code page, whatever
// the file's attributes; text the code page cannot hold, a folder or a huge file is not read.
TEST_F(SettingsTest, ReadsWhatEditorsSaveAndRefusesWhatIsNoSettingsFile) {
  const std::string padded = SlotLine("a") + std::string(64 * 1024 - SlotLine("a").size(), ' ');
  const char* notAnsi = "C:\\CorvaneAppAlias.txt holds characters that cannot be saved as ANSI.";
  const std::tuple<std::string, const char*, const char*> cases[] = {
      {"\xEF\xBB\xBF" + SlotLine("Caf\xC3\xA9 "), "Caf\xC3\xA9 1", ""},
      {SlotLine("Caf\xC3\xA9 "), "Caf\xC3\xA9 1", ""},
      {"\xFF\xFE" + Utf16(SlotLine("Caf\xE9 "), false), "Caf\xC3\xA9 1", ""},
      {"\xFE\xFF" + Utf16(SlotLine("\x80\xE9"), true),
       "\xC2\x80\xC3\xA9"
       "1",
       ""},
      {"\xFE\xFF" + Utf16(SlotLine("x"), true) + "\xD8\x01", "HLQ", notAnsi},           // half a surrogate pair
      {"\xFF\xFE" + Utf16(SlotLine("x"), false) + "\x3D\xD8\x00\xDE", "HLQ", notAnsi},  // a whole one: U+1F600
      {"\xEF\xBB\xBF" + SlotLine("\xCE\xA9"), "HLQ", notAnsi},
      {SlotLine("Caf\xE9 "), "Caf\xC3\xA9 1", ""},
      {SlotLine("\xC3\xA9\xC0\xAF"),
       "\xC3\x83\xC2\xA9\xC3\x80\xC2\xAF"
       "1",
       ""},  // overlong: no UTF-8
      {padded, "a1", ""},
      {padded + " ", "HLQ", "C:\\CorvaneAppAlias.txt was not read: at more than 64 KB it can not be a settings file."},
      {"", "HLQ", "C:\\CorvaneAppAlias.txt could not be read: it is a folder, not a file."},
  };
  for (const auto& [content, alias, problem] : cases) {
    FakeDesktop machine;
    content.empty() ? machine.AddFolder("C:\\CorvaneAppAlias.txt")
                    : void(machine.AddFile("C:\\CorvaneAppAlias.txt", content).hidden = true);
    state.LauncherSettings.Apps[0].Alias = "HLQ";
    const std::vector<SettingsProblem> problems = ReadSettings(machine, state.LauncherSettings);
    EXPECT_EQ(state.LauncherSettings.Apps[0].Alias, alias);
    EXPECT_EQ(problems.empty() ? "" : problems[0].description, problem);
  }
}

// A save as the editor's Close makes it, under the failure rule: whether it completed.
bool Save(Desktop& platform, LauncherSettingsRecord& settings, const SettingsTexts& texts) {
  bool saved = false;
  RunGuarded(platform, [&] { saved = SaveSettings(platform, settings, texts); });
  return saved;
}

SettingsTexts TextsFromSlots() {
  SettingsTexts texts;
  for (const SettingsField& field : SettingsFields()) {
    texts[field.box] = field.box.starts_with("cHLPath") ? "C:\\Apps" : "Name.mde";
  }
  return texts;
}

TEST_F(SettingsTest, ValuesTheFilesCannotHoldAreRefusedByNameAndNothingIsSaved) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"cAppName2", "say \"hi\"", "App3 File Name can not hold a double quote or a line break."},
      {"cHLPath3", "C:\\\"Apps\"", "App4 Path can not hold a double quote or a line break."},
      {"cAlias10", "\"11\"", "App11 Button Name can not hold a double quote or a line break."},
      {"cAppName11", "\n", "Manual 1 File Name can not hold a double quote or a line break."},
      {"cHLPath12", "http://a\r\nb", "Web Support Page can not hold a double quote or a line break."},
      {"cLocalPath", "D:\\\"Copies\"", "Local copies folder can not hold a double quote or a line break."},
      {"cTitle", "\xCE\xA9", "Toolbar Name holds characters that this computer's code page can not store."},
  };
  for (const auto& [box, value, refusal] : cases) {
    Shortcuts11::State state;
    FakeDesktop machine;
    SettingsTexts texts = TextsFromSlots();
    texts[box] = value;
    EXPECT_FALSE(Save(machine, state.LauncherSettings, texts));
    EXPECT_EQ(machine.MessageTexts(), std::vector<std::string>{std::string(refusal) + " Nothing was saved."});
    EXPECT_TRUE(machine.FilePaths().empty());
    EXPECT_TRUE(state.LauncherSettings.Title.empty());
  }
}

// A save whose second or third file cannot be put in place gives the files already saved their bytes back, and a
// file that was not there before goes again; the record keeps what it held. Only a refusal for want of rights gets
// the administrator's hint; a read-only file is named as one.
TEST_F(SettingsTest, ASaveRefusedAtAnyFileLeavesAllThreeAsTheyWere) {
  const std::string files[] = {std::string(kAppNamesFile), std::string(kPathsFile), std::string(kAppAliasFile)};
  struct Case {
    int refused;
    std::string how;  // "read-only", "folder", or what Windows says
    std::string message;
  } cases[] = {
      {1, "folder",
       "C:\\CorvanePaths.txt is a folder, so the settings cannot be saved there. Remove or rename the folder, then "
       "Close again."},
      {2, "read-only",
       "Corvane can not save C:\\CorvaneAppAlias.txt: the file is read-only. No settings file was changed. Clear the "
       "file's Read-only attribute in its Properties, then save again."},
      {0, "Access is denied.",
       "Corvane can not save C:\\CorvaneAppNames.txt: Access is denied. The settings at the root of C: can be changed "
       "by an administrator, for example by starting Corvane with \"Run as administrator\"."},
  };
  for (const Case& c : cases) {
    Shortcuts11::State state;
    FakeDesktop machine;
    machine.AddFile(files[0], "names");
    machine.AddFile(files[2], "aliases");  // the paths file is new
    if (c.how == "read-only") {
      machine.FileAt(files[c.refused]).readOnly = true;
    } else if (c.how == "folder") {
      machine.AddFolder(files[c.refused]);
    } else {
      machine.FailOn("ReplaceFile", files[c.refused], c.how);
    }
    EXPECT_FALSE(Save(machine, state.LauncherSettings, TextsFromSlots()));
    EXPECT_EQ(machine.FilePaths(), (std::vector<std::string>{files[2], files[0]})) << c.refused;
    EXPECT_EQ(machine.Content(files[0]), "names");
    EXPECT_EQ(machine.Content(files[2]), "aliases");
    EXPECT_EQ(machine.MessageTexts(), std::vector{c.message});
    EXPECT_TRUE(state.LauncherSettings.Title.empty());
  }
}

// Where even the way back is refused, the message says which file holds its former content.
TEST_F(SettingsTest, AFailedPutBackNamesTheKeptCopy) {
  platform.AddFile(std::string(kAppNamesFile), "names");
  platform.FailOn("ReplaceFile", std::string(kAppAliasFile), "The device is not ready.");
  platform.FailOn("ReplaceFile", std::string(kAppNamesFile), "The media is write protected.", 1);  // the put-back
  EXPECT_FALSE(Save(platform, state.LauncherSettings, TextsFromSlots()));
  EXPECT_EQ(MessageTexts().back(),
            "Corvane could not save the settings, nor put back what it had already saved of them. "
            "C:\\CorvaneAppNames.txt: The media is write protected. Its former content is kept in "
            "C:\\CorvaneAppNames.txt.old.");
  EXPECT_EQ(platform.Content(std::string(kAppNamesFile) + ".old"), "names");
}

// A save a crash ended once every new file was whole is finished at the next start; where that is refused, the start
// says why and reads the files as they are, and a later start finishes it.
TEST_F(SettingsTest, ASaveACrashEndedIsFinishedAtTheNextStart) {
  platform.AddFile(std::string(kSaveUnderWay));
  platform.AddFile(std::string(kAppNamesFile) + ".new", SlotLine("App", {"", "", "Saved"}));
  platform.FailOn("ReplaceFile", std::string(kAppNamesFile), "Access is denied.");
  const std::vector<SettingsProblem> problems = ReadSettings(platform, state.LauncherSettings);
  EXPECT_EQ(problems.at(0).description,
            "A save of the settings at C:\\ did not finish, and Corvane could not finish it: C:\\CorvaneAppNames.txt: "
            "Access is denied. The settings are read as they are. Start Corvane once with \"Run as administrator\" to "
            "finish it.");
  EXPECT_EQ(state.LauncherSettings.Title, "NAME");
  EXPECT_TRUE(ReadSettings(platform, state.LauncherSettings).empty());
  EXPECT_EQ(state.LauncherSettings.Title, "Saved");
  EXPECT_EQ(platform.FilePaths(), std::vector<std::string>{std::string(kAppNamesFile)});
  // A marker an earlier save could not remove goes before a new save begins: a crash before its files are whole
  // leaves the files as they were.
  platform.AddFile(std::string(kSaveUnderWay));
  platform.diskCalls.clear();
  platform.diskFault = FakePlatform::DiskFault::Crash;
  platform.faultAt = 3;  // the second new file, cut short
  Save(platform, state.LauncherSettings, TextsFromSlots());
  platform.EndAtTheCrash();
  EXPECT_TRUE(ReadSettings(platform, state.LauncherSettings).empty());
  EXPECT_EQ(state.LauncherSettings.Title, "Saved");
}

}  // namespace
}  // namespace corvane::testing
