// Setup and cleanup shared by the end-to-end tests, and the waits every test makes.
#include "CorvaneTest.h"

#include <stdexcept>

#include "CrashDialog.h"
#include "DriveC.h"
#include "E2eConfig.h"
#include "Screenshot.h"
#include "TopWindows.h"
#include "Wide.h"
#include "launcher/frmCorvaneLayout.h"
#include "support/frmSupport11Layout.h"

namespace corvane::e2e {

namespace {

std::wstring LogOf(std::wstring_view place) {
  return std::wstring(place) + L".log";
}

std::wstring DelayOf(std::wstring_view place) {
  return std::wstring(place) + L".delay";
}

}  // namespace

void CorvaneTest::SetUpTestSuite() {
  LetCrashesEndTheProgram();
}

void CorvaneTest::SetUp() {
  RemoveEverythingPlaced();
}

void CorvaneTest::TearDown() {
  // The program goes first: a running stand-in or launcher could hold files the cleanup removes.
  corvane_.reset();
  RemoveEverythingPlaced();
}

void CorvaneTest::RemoveEverythingPlaced() {
  for (std::wstring_view file : {kAppNamesFile, kPathsFile, kAppAliasFile}) {
    RemoveFile(std::wstring(file));
    // A save that broke off half-way may leave the new file under its scratch name.
    RemoveFile(std::wstring(file) + L".new");
  }
  for (std::wstring_view place : kStandInPlaces) {
    RemoveFile(std::wstring(place));
    RemoveFile(LogOf(place));
    RemoveFile(DelayOf(place));
  }

  RemoveFolderAndFiles(std::wstring(kDatabaseFolder));
  RemoveFolderAndFiles(std::wstring(kManualsFolder));
  for (auto folder = madeFolders_.rbegin(); folder != madeFolders_.rend(); ++folder) {
    RemoveEmptyFolder(*folder);
  }
  madeFolders_.clear();
}

const RunningProgram& CorvaneTest::StartCorvane() {
  corvane_ = std::make_unique<RunningProgram>(WindowsPath(kCorvaneExe));
  return *corvane_;
}

Form CorvaneTest::WaitForLauncher() const {
  return WaitForForm(kFrmCorvaneLayout, kStartWait);
}

Form CorvaneTest::WaitForForm(const FormLayout& layout, Timeout timeout) const {
  const DWORD id = corvane_->Id();
  HWND window = nullptr;
  // An ended program shows nothing more: stop waiting at once.
  WaitFor(
      [&] {
        window = FindFormWindow(id, layout.caption);
        return window != nullptr || corvane_->HasEnded();
      },
      timeout);
  if (window == nullptr) {
    throw std::runtime_error(NothingShowed("the window \"" + std::string(layout.caption) + "\""));
  }
  return Form(window, layout);
}

ShownMessageBox CorvaneTest::WaitForMessageBox(Timeout timeout) const {
  const DWORD id = corvane_->Id();
  std::optional<ShownMessageBox> box;
  WaitFor(
      [&] {
        box = FindMessageBox(id);
        return box.has_value() || corvane_->HasEnded();
      },
      timeout);
  if (!box) {
    throw std::runtime_error(NothingShowed("a message box"));
  }
  return *box;
}

std::string CorvaneTest::NothingShowed(const std::string& what) const {
  if (corvane_->HasEnded()) {
    return "Corvane.exe ended, with exit code " + std::to_string(corvane_->ExitCode()) + ", before " + what + " showed";
  }
  return what + " did not show in time";
}

Form CorvaneTest::StartPastMissingAccess() {
  StartCorvane();
  const ShownMessageBox box = WaitForMessageBox(kStartWait);
  if (box.text != "Can not find MSAccess.exe") {
    throw std::runtime_error("start-up showed \"" + box.text + "\" instead of the missing Access message");
  }
  AnswerMessageBox(box, IDOK);
  return WaitForLauncher();
}

Form CorvaneTest::OpenSupport(const Form& launcher) const {
  launcher.Click("CmdOpenSupport");
  return WaitForForm(kFrmSupport11Layout);
}

void CorvaneTest::Answer(const ShownMessageBox& box, int button) const {
  AnswerMessageBox(box, button);
  if (!WaitFor([&box] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }, kShortWait)) {
    throw std::runtime_error("the message box \"" + box.text + "\" stayed after its answer");
  }
}

bool CorvaneTest::ShowsNoMessageBox(Timeout quiet) const {
  const DWORD id = corvane_->Id();
  return !WaitFor([id] { return FindMessageBox(id).has_value(); }, quiet);
}

void CorvaneTest::PlaceStandIn(std::wstring_view place) {
  for (std::wstring& folder : PlaceFile(WindowsPath(kStandInExe), std::wstring(place))) {
    madeFolders_.push_back(std::move(folder));
  }
}

std::vector<std::string> CorvaneTest::WaitForStarts(std::wstring_view place, std::size_t count) const {
  const std::wstring log = LogOf(place);
  std::optional<std::vector<std::string>> starts = WaitFor(
      [&]() -> std::optional<std::vector<std::string>> {
        std::optional<std::vector<std::string>> lines = ReadLines(log);
        return lines && lines->size() >= count ? lines : std::nullopt;
      },
      kStartWait);
  if (!starts) {
    throw std::runtime_error(ToUtf8(place) + " was not started " + std::to_string(count) + " time(s)");
  }
  return *starts;
}

std::vector<std::string> CorvaneTest::StartsOf(std::wstring_view place) {
  return ReadLines(LogOf(place)).value_or(std::vector<std::string>{});
}

std::wstring CorvaneTest::MakeDatabase(const std::wstring& name, std::string_view bytes) {
  MakeFolders(std::wstring(kDatabaseFolder));
  const std::wstring path = std::wstring(kDatabaseFolder) + L"\\" + name;
  WriteBinaryFile(path, bytes);
  return path;
}

void CorvaneTest::SaveScreenshotAs(const std::wstring& name, std::optional<RECT> area) {
  const std::wstring folder = WindowsPath(kScreenshotFolder);
  MakeFolders(folder);
  const std::wstring path = folder + L"\\" + name;
  if (area) {
    SaveScreenshot(path, *area);
  } else {
    SaveScreenshot(path);
  }
}

}  // namespace corvane::e2e
