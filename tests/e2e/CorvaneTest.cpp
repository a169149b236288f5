// Setup and cleanup shared by the end-to-end tests, and the waits every test makes.
#include "CorvaneTest.h"

#include <stdexcept>

#include "CrashDialog.h"
#include "DriveC.h"
#include "E2eConfig.h"
#include "TopWindows.h"
#include "Wide.h"
#include "launcher/frmCorvaneLayout.h"

namespace corvane::e2e {

namespace {

std::wstring AccessLog() {
  return std::wstring(kAccessPath) + L".log";
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
  }
  RemoveFile(std::wstring(kAccessPath));
  RemoveFile(AccessLog());
  RemoveFile(std::wstring(kAccessPath) + L".delay");

  RemoveFolderAndFiles(std::wstring(kDatabaseFolder));
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
  const DWORD id = corvane_->Id();
  HWND launcher = nullptr;
  // An ended program shows nothing more: stop waiting at once.
  WaitFor(
      [&] {
        launcher = FindFormWindow(id, kFrmCorvaneLayout.caption);
        return launcher != nullptr || corvane_->HasEnded();
      },
      kStartWait);
  if (launcher == nullptr) {
    throw std::runtime_error(NothingShowed("the launcher window"));
  }
  return Form(launcher, kFrmCorvaneLayout);
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

void CorvaneTest::PlaceAccess() {
  for (std::wstring& folder : PlaceFile(WindowsPath(kStandInExe), std::wstring(kAccessPath))) {
    madeFolders_.push_back(std::move(folder));
  }
}

std::vector<std::string> CorvaneTest::WaitForAccessStarts(std::size_t count) const {
  std::optional<std::vector<std::string>> starts = WaitFor(
      [count]() -> std::optional<std::vector<std::string>> {
        std::optional<std::vector<std::string>> lines = ReadLines(AccessLog());
        return lines && lines->size() >= count ? lines : std::nullopt;
      },
      kStartWait);
  if (!starts) {
    throw std::runtime_error("Access was not started " + std::to_string(count) + " time(s)");
  }
  return *starts;
}

std::wstring CorvaneTest::MakeDatabase(const std::wstring& name) {
  MakeFolders(std::wstring(kDatabaseFolder));
  const std::wstring path = std::wstring(kDatabaseFolder) + L"\\" + name;
  WriteBinaryFile(path, "stand-in database of the end-to-end tests");
  return path;
}

}  // namespace corvane::e2e
