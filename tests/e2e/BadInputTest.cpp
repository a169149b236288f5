// Texts a person should not type but may: the longest a box takes, characters the code page lacks, nothing at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "CorvaneTest.h"
#include "DriveC.h"
#include "EditorBoxes.h"
#include "TestSettings.h"
#include "TopWindows.h"
#include "Wide.h"
#include "settings/frmPaths11Layout.h"
#include "support/frmSupport11Layout.h"

namespace corvane::e2e {
namespace {

// The most a text box of the editor takes, in UTF-16 characters.
constexpr std::size_t kLongest = 32767;

class BadInputTest : public CorvaneTest {
 protected:
  // Support, then "Edit App Paths".
  Form OpenEditor(const Form& launcher) const {
    OpenSupport(launcher).Click("CmdEditPaths");
    return WaitForForm(kFrmPaths11Layout);
  }

  bool EditorShows() const { return FindFormWindow(corvane().Id(), "Paths11") != nullptr; }

  // Close, and true once the editor has gone, as it does after a save.
  bool SaveAndClose(const Form& editor) const {
    editor.Click("CmdSaveClose");
    return WaitFor([&] { return !EditorShows(); }, kShortWait);
  }

  // Exit and start again: the launcher takes its title and captions from the files only as it starts.
  Form Restart() {
    WaitForLauncher().Click("CmdClose");
    if (!corvane().WaitForEnd(kShortWait)) {
      throw std::runtime_error("Exit left the program running");
    }
    StartCorvane();
    return WaitForLauncher();
  }
};

// A folder of exactly `length` characters, its levels numbered so that a lost or shifted piece shows.
std::string LongFolder(std::size_t length) {
  std::string folder = "C:\\Corvane Apps";
  for (int level = 1; folder.size() < length; ++level) {
    folder += "\\Level " + std::to_string(level);
  }
  folder.resize(length);
  // A folder never ends in a backslash.
  if (folder.back() == '\\') {
    folder.back() = '_';
  }
  return folder;
}

// A caption of exactly `length` characters, numbered word by word, each word with an "é" the code page holds.
std::wstring LongCaption(std::size_t length) {
  std::wstring caption;
  for (int word = 1; caption.size() < length; ++word) {
    caption += L"Caf\u00e9" + std::to_wstring(word) + L" ";
  }
  caption.resize(length);
  return caption;
}

// Texts too long to print whole: on a difference, their lengths and where they first part.
::testing::AssertionResult SameText(const std::string& actual, const std::string& expected) {
  if (actual == expected) {
    return ::testing::AssertionSuccess();
  }
  const auto at = static_cast<std::size_t>(
      std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first - actual.begin());
  return ::testing::AssertionFailure() << actual.size() << " bytes instead of " << expected.size() << "; from byte "
                                       << at << " \"" << actual.substr(at, 24) << "\" instead of \""
                                       << expected.substr(at, 24) << "\"";
}

// The fields of a settings file's one line (each in double quotes, single commas, CR LF at the end), or nothing
// when the file is missing or its bytes are not in that form.
std::optional<std::vector<std::string>> FieldsOf(std::wstring_view file) {
  const std::optional<std::string> bytes = ReadBinaryFile(std::wstring(file));
  if (!bytes) {
    return std::nullopt;
  }
  std::vector<std::string> fields;
  for (std::size_t at = 0;;) {
    const std::size_t close = bytes->find('"', at + 1);
    if (bytes->compare(at, 1, "\"") != 0 || close == std::string::npos) {
      return std::nullopt;
    }
    fields.push_back(bytes->substr(at + 1, close - at - 1));
    at = close + 1;
    if (bytes->compare(at, std::string::npos, "\r\n") == 0) {
      return fields;
    }
    if (bytes->compare(at, 1, ",") != 0) {
      return std::nullopt;
    }
    ++at;
  }
}

// A settings file's exact bytes when every one of its `count` fields is empty.
std::string EmptyFields(int count) {
  std::string line = "\"\"";
  for (int field = 1; field < count; ++field) {
    line += ",\"\"";
  }
  return line + "\r\n";
}

bool AnySettingsFileExists() {
  return FileExists(std::wstring(kAppNamesFile)) || FileExists(std::wstring(kPathsFile)) ||
         FileExists(std::wstring(kAppAliasFile));
}

TEST_F(BadInputTest, TheLongestFolderAndCaptionABoxTakesAreSavedAndComeBackWhole) {
  PlaceAccess();
  const TestSettings settings = SettingsWithFolders(kDatabaseFolder, kManualsFolder);
  settings.Write();
  StartCorvane();
  const Form editor = OpenEditor(WaitForLauncher());
  const std::string folder = LongFolder(kLongest);
  const std::string caption = ToUtf8(LongCaption(kLongest));

  editor.TypeOver("cHLPath0", folder);
  ASSERT_TRUE(SameText(editor.Text("cHLPath0"), folder)) << "the box did not take the whole folder";
  // One key more than the box takes: refused, the folder stays as it was.
  editor.TypeAtEnd("cHLPath0", L'x');
  EXPECT_TRUE(SameText(editor.Text("cHLPath0"), folder)) << "the box took more than " << kLongest << " characters";
  editor.TypeOver("cAlias0", caption);
  ASSERT_EQ(ToWide(editor.Text("cAlias0")).size(), kLongest);

  ASSERT_TRUE(SaveAndClose(editor)) << "Close left the editor open";
  EXPECT_TRUE(ShowsNoMessageBox());
  const std::optional<std::vector<std::string>> paths = FieldsOf(kPathsFile);
  ASSERT_TRUE(paths && paths->size() == 13) << "the paths file is not 13 quoted fields on one line";
  EXPECT_EQ(paths->front().size(), kLongest);
  EXPECT_TRUE(SameText(paths->front(), folder));
  EXPECT_EQ(std::vector<std::string>(paths->begin() + 1, paths->end()),
            std::vector<std::string>(settings.paths.begin() + 1, settings.paths.end()));
  const std::optional<std::vector<std::string>> aliases = FieldsOf(kAppAliasFile);
  ASSERT_TRUE(aliases && aliases->size() == 11) << "the captions file is not 11 quoted fields on one line";
  // One byte a character: "é" too.
  EXPECT_EQ(aliases->front().size(), kLongest);
  EXPECT_TRUE(SameText(aliases->front(), ToAnsi(caption)));
  EXPECT_EQ(std::vector<std::string>(aliases->begin() + 1, aliases->end()),
            std::vector<std::string>(settings.aliases.begin() + 1, settings.aliases.end()));

  const Form launcher = Restart();
  const std::string shown = launcher.Text("CmdOpen1");
  EXPECT_EQ(ToWide(shown).size(), kLongest);
  EXPECT_TRUE(SameText(shown, caption));
  EXPECT_EQ(launcher.Text("CmdOpen2"), settings.aliases[1]);
  // The folder shows only in the editor.
  EXPECT_TRUE(SameText(OpenEditor(launcher).Text("cHLPath0"), folder)) << "the folder came back changed";
}

TEST_F(BadInputTest, ACharacterTheCodePageLacksIsRefusedByNameAndNothingIsWritten) {
  PlaceAccess();
  StartCorvane();
  const Form editor = OpenEditor(WaitForLauncher());
  const std::vector<std::string> boxes = AllSettingsBoxes();
  std::vector<std::string> shown;
  for (const std::string& box : boxes) {
    shown.push_back(editor.Text(box));
  }

  struct Case {
    const char* box;
    const char* typed;
    const char* field;
  };
  // One box of each file; the first is the last file, which a save going file by file would reach last.
  for (const Case& bad : {Case{"cAlias1", "\u03a9", "App2 Button Name"}, Case{"cTitle", "\u65e5\u672c", "Toolbar Name"},
                          Case{"cHLPath11", "C:\\Manuals \u65e5\u672c", "Manuals Path"}}) {
    SCOPED_TRACE(bad.box);
    const std::string before = editor.Text(bad.box);
    editor.TypeOver(bad.box, bad.typed);
    editor.Click("CmdSaveClose");
    const ShownMessageBox refusal = WaitForMessageBox();
    EXPECT_EQ(refusal.title, "Corvane");
    EXPECT_EQ(refusal.text, std::string(bad.field) +
                                " holds characters that this computer's code page can not store. Nothing was saved.");
    Answer(refusal, IDOK);

    EXPECT_TRUE(ShowsNoMessageBox()) << "more than one message";
    EXPECT_TRUE(EditorShows()) << "the editor closed";
    EXPECT_EQ(editor.Text(bad.box), bad.typed) << "the typed text was lost";
    EXPECT_FALSE(AnySettingsFileExists());
    // Put right, as a person would after the message, before the next try.
    editor.TypeOver(bad.box, before);
  }

  // The refusals left nothing behind: the next Close saves what the editor showed.
  ASSERT_TRUE(SaveAndClose(editor)) << "Close after putting every box right left the editor open";
  std::vector<std::string> saved;
  for (std::wstring_view file : {kAppNamesFile, kPathsFile, kAppAliasFile}) {
    const std::vector<std::string> fields = FieldsOf(file).value_or(std::vector<std::string>{});
    saved.insert(saved.end(), fields.begin(), fields.end());
  }
  std::vector<std::string> expected;
  std::transform(shown.begin(), shown.end(), std::back_inserter(expected), ToAnsi);
  EXPECT_EQ(saved, expected);
}

TEST_F(BadInputTest, EmptyValuesEverywhereAreSavedAndShownEmpty) {
  PlaceAccess();
  SettingsWithFolders(kDatabaseFolder, kManualsFolder).Write();
  StartCorvane();
  const Form editor = OpenEditor(WaitForLauncher());
  const std::vector<std::string> boxes = AllSettingsBoxes();
  for (const std::string& box : boxes) {
    editor.TypeOver(box, "");
  }
  for (const std::string& box : boxes) {
    ASSERT_EQ(editor.Text(box), "") << box << " kept its text";
  }

  ASSERT_TRUE(SaveAndClose(editor)) << "Close left the editor open";
  EXPECT_TRUE(ShowsNoMessageBox());
  EXPECT_EQ(ReadBinaryFile(std::wstring(kAppNamesFile)).value_or("(no file)"), EmptyFields(14));
  EXPECT_EQ(ReadBinaryFile(std::wstring(kPathsFile)).value_or("(no file)"), EmptyFields(13));
  EXPECT_EQ(ReadBinaryFile(std::wstring(kAppAliasFile)).value_or("(no file)"), EmptyFields(11));

  const Form launcher = Restart();
  EXPECT_EQ(launcher.Text("tTitle"), "");
  for (int number = 1; number <= 11; ++number) {
    EXPECT_EQ(launcher.Text("CmdOpen" + std::to_string(number)), "") << "CmdOpen" << number;
  }

  // No file name and no folder: the message's name is empty between its two blanks, and Access is not started.
  launcher.Click("CmdOpen1");
  const ShownMessageBox box = WaitForMessageBox();
  EXPECT_EQ(box.title, "Corvane");
  EXPECT_EQ(box.text, "Cannot find  database.");
  Answer(box, IDOK);
  EXPECT_TRUE(ShowsNoMessageBox());
  EXPECT_TRUE(StartsOf(kAccessPath).empty());

  // An empty file name cannot be cut into a check box caption: the support window says so once as it loads,
  // then opens with every box keeping its design caption.
  launcher.Click("CmdOpenSupport");
  const ShownMessageBox failure = WaitForMessageBox();
  EXPECT_EQ(failure.title, "Corvane");
  Answer(failure, IDOK);
  const Form support = WaitForForm(kFrmSupport11Layout);
  EXPECT_TRUE(ShowsNoMessageBox()) << "more than one message";
  for (int number = 1; number <= 11; ++number) {
    const std::string check = "Check" + std::to_string(number);
    EXPECT_EQ(support.Text(check), check);
  }

  // Every empty field loads back empty, not as its default.
  support.Click("CmdEditPaths");
  const Form reopened = WaitForForm(kFrmPaths11Layout);
  for (const std::string& name : boxes) {
    EXPECT_EQ(reopened.Text(name), "") << name;
  }
}

}  // namespace
}  // namespace corvane::e2e
