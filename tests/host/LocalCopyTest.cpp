// Local copies: the fourth settings file, where a copy goes, when the master is copied, and the editor's boxes.
#include <algorithm>
#include <optional>

#include "HostTest.h"
#include "launcher/LocalCopy.h"
#include "launcher/TrustedLocation.h"

namespace corvane::testing {
namespace {

const std::string kLocalFile(kLocalCopiesFile);
// Slot 1 is App1.mdb on the server; its copy goes to C:\Users\Ann\Local\App1, none of whose folders exists yet.
const std::string kMaster = "\\\\server\\apps\\App1.mdb";
const std::string kLocal = "C:\\Users\\Ann\\Local\\App1\\App1.mdb";

// The fourth file's fields: the slots given say "Yes", the others "No", then the folder.
std::vector<std::string> Ticked(std::vector<int> slots, std::string folder) {
  std::vector<std::string> fields(kSlotCount, "No");
  for (int slot : slots) {
    fields[static_cast<std::size_t>(slot)] = "Yes";
  }
  fields.push_back(std::move(folder));
  return fields;
}

TEST(LocalCopiesFile, OnlyAnExactYesTicksAndADamagedFileTicksNothing) {
  std::vector<std::string> spelled = Ticked({0, 10}, "D:\\Copies");
  spelled[1] = "yes", spelled[2] = "Yes ", spelled[3] = "\"Yes\"";
  spelled.push_back("Yes");  // past the twelfth field: ignored
  struct Case {
    std::optional<std::string> content;  // none: no file
    std::vector<int> ticked;
    std::string folder, problem;
  } cases[] = {
      {std::nullopt, {}, "%LOCALAPPDATA%\\Corvane", ""},
      {FormatSettingsLine(spelled), {0, 10}, "D:\\Copies", ""},
      {"\"Yes\",\"Yes\",\"Yes\"\r\n",
       {},
       "%LOCALAPPDATA%\\Corvane",
       "Input past end of file: C:\\CorvaneLocalCopies.txt holds 3 of its 12 fields."},
  };
  for (const Case& c : cases) {
    FakeDesktop machine;
    LauncherSettingsRecord settings;
    machine.AddFile(std::string(kAppAliasFile), SlotLine("Caption "));
    if (c.content) {
      machine.AddFile(kLocalFile, *c.content);
    }
    const std::vector<SettingsProblem> problems = ReadSettings(machine, settings);
    for (int slot = 0; slot < kSlotCount; ++slot) {
      EXPECT_EQ(RunsLocalCopy(settings, slot), std::ranges::count(c.ticked, slot) == 1) << slot;
    }
    EXPECT_EQ(settings.LocalCopiesFolder, c.folder);
    EXPECT_EQ(problems.empty() ? "" : problems.back().description, c.problem);
    EXPECT_EQ(settings.Apps[4].Alias, "Caption 5");  // the other files are read whatever this one holds
  }
}

// References to variables that are not defined stay as typed.
TEST(LocalCopyPath, ExpandsTheFolderEachTimeAndRefusesOneThatIsNoFullPath) {
  const std::pair<std::string, std::string> cases[] = {
      {"%LOCALAPPDATA%\\Corvane", "C:\\Users\\Ann\\AppData\\Local\\Corvane\\App3\\Sales.mdb"},
      {"D:\\Copies\\%USERNAME%\\", "D:\\Copies\\ann\\App3\\Sales.mdb"},
      {"\\\\pc\\c$\\%NOSUCH%", "\\\\pc\\c$\\%NOSUCH%\\App3\\Sales.mdb"},
      {"C:\\100% %%", "C:\\100% %%\\App3\\Sales.mdb"},
      {"C:\\%NOSUCH%USERNAME%", "C:\\%NOSUCHann\\App3\\Sales.mdb"},
      {"C:\\", "C:\\App3\\Sales.mdb"},
      {"%NOSUCH%\\Corvane", "%NOSUCH%\\Corvane"},
      {"Copies", "Copies"},
  };
  FakeDesktop machine;
  machine.environment = {{"LOCALAPPDATA", "C:\\Users\\Ann\\AppData\\Local"}, {"USERNAME", "ann"}};
  LauncherSettingsRecord settings;
  settings.Apps[2].AppName = "Sales.mdb";
  for (const auto& [folder, expected] : cases) {
    settings.LocalCopiesFolder = folder;
    std::string path;
    try {
      path = LocalCopyPath(machine, settings, 2);
    } catch (const ProgramError& failure) {
      EXPECT_EQ(failure.what(),
                "The local copies folder \"" + expected +
                    "\" is not a full path such as C:\\Corvane. Correct it in Support, Edit App Paths.");
      continue;
    }
    EXPECT_EQ(path, expected) << folder;
  }
}

// Below a drive, the table's first row makes every level; a share itself is never made.
TEST(CreateFolders, MakesEveryMissingLevelBelowAShare) {
  FakeDesktop machine;
  machine.AddFolder("\\\\srv\\share");
  CreateFolders(machine, "\\\\srv\\share\\A\\B", "");
  EXPECT_TRUE(machine.Exists("\\\\srv\\share\\A\\B\\", Lookup::Directories));
}

// An office whose slot 1 runs a local copy of its master on the server; a fixture of its own for each row.
struct Office : HostTest {
  using HostTest::MessageTexts, HostTest::platform, HostTest::Start;
  Office() {
    platform.AddFile(kAccess);
    platform.AddFile("C:\\CorvaneAppNames.txt", SlotLine("App", {"", "", ""}).replace(1, 4, "App1.mdb"));
    platform.AddFile("C:\\CorvanePaths.txt", FormatSettingsLine(std::vector<std::string>(13, "\\\\server\\apps")));
    platform.AddFile(kLocalFile, FormatSettingsLine(Ticked({0}, "%LOCALAPPDATA%\\Local")));
    platform.environment["LOCALAPPDATA"] = "C:\\Users\\Ann";
    platform.AddFolder("\\\\server\\apps");
  }
  void Add(const std::string& path, const std::string& content, std::uint64_t lastWrite) {
    platform.AddFile(path, content).lastWrite = lastWrite;
  }
  void TestBody() override {}
};

TEST(LocalCopy, CopiesTheMasterWhereItDiffersAndOpensTheLocalCopy) {
  using File = std::pair<std::string, std::uint64_t>;  // content and last-write time
  const std::string opened = "\"" + std::string(kAccess) + "\" \"" + kLocal + "\"";
  struct Case {
    const char* name;
    std::optional<File> master, local;
    void (*spoil)(FakeDesktop&);
    std::string localAfter;  // empty: no local copy after
    std::string message;     // empty: none
    bool started;
  } cases[] = {
      {"missing", File{"v2", 5}, std::nullopt, nullptr, "v2", "", true},
      {"same", File{"v2", 5}, File{"v1", 5}, nullptr, "v1", "", true},
      {"larger", File{"v22", 5}, File{"v1", 5}, nullptr, "v22", "", true},
      {"smaller", File{"v", 5}, File{"v1", 5}, nullptr, "v", "", true},
      {"older", File{"v2", 4}, File{"v1", 5}, nullptr, "v2", "", true},
      {"newer", File{"v2", 6}, File{"v1", 5}, nullptr, "v2", "", true},
      {"in use", File{"v2", 6}, File{"v1", 5}, [](FakeDesktop& m) { m.heldOpen.insert(kLocal); }, "v1", "", true},
      {"master in use", File{"v2", 6}, File{"v1", 5}, [](FakeDesktop& m) { m.heldOpen.insert(kMaster); }, "v1", "",
       true},
      {"master in use, no copy", File{"v2", 6}, std::nullopt, [](FakeDesktop& m) { m.heldOpen.insert(kMaster); }, "v2",
       "", true},
      {"folder is a file", File{"v2", 6}, std::nullopt, [](FakeDesktop& m) { m.AddFile("C:\\Users\\Ann\\Local"); }, "",
       "The local copies folder C:\\Users\\Ann\\Local is a file, not a folder. Correct it in Support, Edit App Paths.",
       false},
      {"master missing", std::nullopt, File{"v1", 5}, nullptr, "v1", "", true},
      {"server down", File{"v2", 6}, File{"v1", 5},
       [](FakeDesktop& m) { m.FailOn("StampOf", kMaster, "The network path was not found."); }, "v1", "", true},
      {"neither", std::nullopt, std::nullopt, nullptr, "", "Cannot find App1.mdb database.", false},
      {"stale partial", File{"v2", 6}, File{"v1", 5},
       [](FakeDesktop& m) { m.AddFile(kLocal + ".partial", "half").readOnly = true; }, "v2", "", true},
      {"copy fails", File{"v2", 6}, File{"v1", 5},
       [](FakeDesktop& m) { m.FailOn("CopyFile", kLocal + ".partial", "The disk is full."); }, "v1",
       kLocal + ": The disk is full. The copy on this PC, " + kLocal + ", was kept as it was and opens instead.", true},
      {"first copy fails", File{"v2", 6}, std::nullopt,
       [](FakeDesktop& m) { m.FailOn("CopyFile", kLocal + ".partial", "The disk is full."); }, "",
       kLocal + ": The disk is full.", false},
      {"being compacted", File{"v2", 6}, File{"v1", 5},
       [](FakeDesktop& m) {
         const std::string marker = "\\\\server\\apps\\ArcBackup\\Compacting_App1.mdb";
         m.AddFile(marker, "PC7\tBob\t2026-12-05 01:50");
         m.heldOpen.insert(marker);
       },
       "v1", "App1.mdb is being compacted by Bob on PC7 since 01:50. Please try again in a few minutes.", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Office office;
    FakeDesktop& m = office.platform;
    if (c.master) {
      office.Add(kMaster, c.master->first, c.master->second);
    }
    if (c.local) {
      office.Add(kLocal, c.local->first, c.local->second);
    }
    if (c.spoil != nullptr) {
      c.spoil(m);
    }
    office.Start().Fire("CmdOpen1", Event::Click);
    EXPECT_EQ(m.HasFile(kLocal) ? m.Content(kLocal) : "", c.localAfter);
    if (c.master && c.localAfter == c.master->first) {
      EXPECT_EQ(m.FileAt(kLocal).lastWrite, c.master->second);  // so that the next start sees no difference
    }
    // The copy replaced is kept once, and only a copy replaced.
    const std::string previous = kLocal.substr(0, kLocal.rfind('\\')) + "\\Previous_App1.mdb";
    const bool replaced = c.local && c.localAfter != c.local->first && !c.localAfter.empty();
    EXPECT_EQ(m.HasFile(previous) ? m.Content(previous) : "", replaced ? c.local->first : "");
    EXPECT_EQ(office.MessageTexts(), c.message.empty() ? std::vector<std::string>{} : std::vector{c.message});
    EXPECT_EQ(m.starts.size() == 1 && m.starts[0].commandLine == opened, c.started);
    EXPECT_FALSE(m.HasFile(kLocal + ".partial"));
  }
}

TEST(TrustedLocation, TheOfficeVersionIsTheFolderAccessLiesIn) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"C:\\Program Files\\Microsoft Office\\root\\Office16\\MSACCESS.EXE", "16.0"},
      {"C:\\Program Files (x86)\\Microsoft Office\\Office16\\MSACCESS.EXE", "16.0"},
      {"C:\\Program Files\\Microsoft Office 15\\root\\office15\\MSACCESS.EXE", "15.0"},
      {"C:\\Program Files\\Microsoft Office\\Office14\\MSAccess.exe", "14.0"},
      {"C:\\Program Files\\Microsoft Office\\Office12\\MSAccess.exe", "12.0"},
      {"D:\\Apps\\Office16\\MSACCESS.EXE", "16.0"},  // wherever App Paths says it is
      {"C:\\Program Files\\Microsoft Office\\Office11\\MSAccess.exe", std::nullopt},
      {"C:\\Program Files\\Microsoft Office\\Office10\\MSAccess.exe", std::nullopt},
      {"C:\\Program Files\\Microsoft Office\\Office\\MSAccess.exe", std::nullopt},
      {"C:\\Program Files\\Common Files\\Runtime\\MSAccess.exe", std::nullopt},
      {"D:\\Office16x\\MSACCESS.EXE", std::nullopt},
      {"MSACCESS.EXE", std::nullopt},
  };
  for (const auto& [access, version] : cases) {
    EXPECT_EQ(OfficeVersionOf(access), version) << access;
  }
}

// Written where the location is missing or names another folder, and then only its own values; never against the
// policy, for a folder on the network or for an Access without trusted locations; a refusal is no failure.
TEST(TrustedLocation, WrittenOnlyWhereMissingOrElsewhereAndNeverAgainstPolicyOrForTheNetwork) {
  const std::string access = "C:\\Program Files\\Microsoft Office\\root\\Office16\\MSACCESS.EXE";
  const std::string locations = "software\\microsoft\\office\\16.0\\access\\security\\trusted locations\\";
  using Values = std::map<std::string, RegistryValue>;
  const Values current{{"Path", std::string("C:\\Copies\\")}, {"Date", std::string("yesterday")}};
  const Values elsewhere{{"Path", std::string("D:\\Old\\")}, {"Extra", std::string("kept")}};
  const Values written{{"Path", std::string("C:\\Copies\\")},
                       {"AllowSubfolders", std::uint32_t{1}},
                       {"Description", std::string("Corvane local copies")},
                       {"Date", std::string("2026-12-05 02:00:00")}};
  Values rewritten = written;
  rewritten["Extra"] = std::string("kept");
  struct Case {
    std::string access, folder;
    std::optional<Values> before, after;  // the location, where there is one
    RegistryValue policy = std::uint32_t{0};
    bool refused = false;
  } cases[] = {
      {access, "C:\\Copies", std::nullopt, written},
      {access, "C:\\Copies", current, current},
      {access, "C:\\Copies", elsewhere, rewritten},
      {access, "C:\\Copies", std::nullopt, std::nullopt, std::uint32_t{1}},
      {access, "\\\\server\\copies", std::nullopt, std::nullopt},
      {access, "Z:\\Copies", std::nullopt, std::nullopt},  // a drive mapped to a share
      {kAccess, "C:\\Copies", std::nullopt, std::nullopt},
      {access, "C:\\Copies", std::nullopt, std::nullopt, std::uint32_t{0}, true},
  };
  for (const Case& c : cases) {
    FakePlatform machine;
    machine.networkDrives = {"z:"};
    machine.userRegistry[locations + "location0"] = {{"Path", std::string("C:\\Mine\\")}};
    if (c.before) {
      machine.userRegistry[locations + "corvane"] = *c.before;
    }
    machine.userRegistry["software\\policies\\microsoft\\office\\16.0\\access\\security\\trusted locations"] = {
        {"AllLocationsDisabled", c.policy}};
    if (c.refused) {
      machine.FailOn("SetUserRegistryValues", "", "Access is denied.");
    }
    EXPECT_NO_THROW(TrustLocalCopies(machine, c.access, c.folder));
    const auto location = machine.userRegistry.find(locations + "corvane");
    EXPECT_EQ(location == machine.userRegistry.end() ? std::nullopt : std::optional(location->second), c.after)
        << c.folder << c.access;
    EXPECT_EQ(machine.userRegistry.size(), 2u + (c.after ? 1 : 0));  // no other key
    EXPECT_EQ(std::get<std::string>(machine.userRegistry[locations + "location0"].at("Path")), "C:\\Mine\\");
  }
}

class LocalCopyEditorTest : public HostTest {};

// Any text but "Yes" shows an empty box. A PC that never ticks a box keeps no fourth file, unless its folder is not
// the default; once it has one, every Close rewrites it. Delete Path Files leaves it, as it leaves the captions.
TEST_F(LocalCopyEditorTest, BoxesShowAnExactYesAndCloseWritesTheirFileOnlyWhenNeeded) {
  const std::string folder = "%LOCALAPPDATA%\\Corvane";
  const auto Close = [&] { Shown("frmPaths11").Fire("CmdSaveClose", Event::Click); };
  std::vector<std::string> fields = Ticked({0, 10}, "D:\\Copies");
  fields[0] = "yes";
  platform.AddFile(kLocalFile, FormatSettingsLine(fields));
  Start();
  FakeWindow& editor = OpenEditor();
  EXPECT_TRUE(!editor.IsChecked("CheckLocal0") && editor.IsChecked("CheckLocal10"));
  EXPECT_EQ(editor.Text("cLocalPath"), "D:\\Copies");
  platform.DeleteFile(kLocalFile);
  editor.SetChecked("CheckLocal10", false);
  Close();
  EXPECT_EQ(platform.Content(kLocalFile), FormatSettingsLine(Ticked({}, "D:\\Copies")));
  OpenEditor().SetText("cLocalPath", folder);
  Close();
  EXPECT_EQ(platform.Content(kLocalFile), FormatSettingsLine(Ticked({}, folder)));
  platform.DeleteFile(kLocalFile);
  OpenEditor();
  Close();
  EXPECT_FALSE(platform.HasFile(kLocalFile));
  OpenEditor().SetChecked("CheckLocal2", true);
  Close();
  EXPECT_EQ(platform.Content(kLocalFile), FormatSettingsLine(Ticked({2}, folder)));
  EXPECT_TRUE(RunsLocalCopy(state.LauncherSettings, 2));
  platform.Answer(Answer::Yes);
  OpenSupport().Fire("CmdDeletePathFiles", Event::Click);
  EXPECT_TRUE(platform.HasFile(kLocalFile));
  EXPECT_FALSE(platform.HasFile(std::string(kPathsFile)));
}

}  // namespace
}  // namespace corvane::testing
