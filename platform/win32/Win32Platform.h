// The program's operating system: Windows, through the Win32 API.
#pragma once

#include "platform/Desktop.h"
#include "platform/win32/Backend.h"
#include "platform/win32/WinApi.h"

namespace corvane::win32 {

// Everything but the user interface. Alone, as an unattended run has it, it shows no window at all, not even a
// copy's progress.
class Win32Platform : public virtual Platform {
 public:
  explicit Win32Platform(bool showsCopyProgress = false);

  bool Exists(const std::string& pattern, Lookup filter) override;
  void CreateFolder(const std::string& path) override;

  void WriteTextFile(const std::string& path, const std::string& text) override;
  bool FitsTextFile(const std::string& text) override;
  void ReplaceFile(const std::string& from, const std::string& to) override;

  void DeleteFile(const std::string& path) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  void MakeWritable(const std::string& path) override;
  std::uint64_t FileSize(const std::string& path) override;
  std::optional<FileStamp> StampOf(const std::string& path) override;
  std::vector<FolderEntry> ListFiles(const std::string& folder) override;
  bool SameFileName(std::string_view a, std::string_view b) override;
  std::optional<std::string> FolderIdentity(const std::string& folder) override;
  std::optional<std::string> FullPathName(const std::string& path) override;
  bool HeldOpen(const std::string& path) override;
  bool HeldAgainstDeletion(const std::string& path) override;
  std::unique_ptr<HeldFile> CreateHeldFile(const std::string& path, const std::string& bytes) override;
  Volume VolumeOf(const std::string& path) override;
  bool OnNetwork(const std::string& path) override;
  std::string ReadBytes(const std::string& path, std::size_t limit) override;
  std::string FromAnsi(std::string_view bytes) override;
  void AppendUtf8File(const std::string& path, const std::string& text) override;
  void MarkMadeNow(const std::string& path) override;

  std::vector<std::string> AppPathRegistrations(const std::string& programName) override;
  std::optional<Association> AssociationOf(const std::string& type) override;
  std::optional<RegistryValue> UserRegistryValue(const std::string& key, const std::string& name) override;
  void SetUserRegistryValues(const std::string& key,
                             const std::vector<std::pair<std::string, RegistryValue>>& values) override;
  std::optional<std::string> EnvironmentVariable(const std::string& name) override;

  std::string ProgramFolder() override;
  Date Now() override;
  std::string DecimalSeparator() override;
  std::string ShortDate(const Date& day) override;

  std::optional<std::uint32_t> StartProgram(const std::string& program, const std::string& commandLine, Wait wait,
                                            int limitMinutes = 0) override;
  void WriteConsole(const std::string& line) override;
  void ReportEvent(EventKind kind, const std::string& text) override;
  void RegisterEventSource() override;

 private:
  bool showsCopyProgress_;
  HANDLE console_ = nullptr;  // the console the program was started from, once it is first written to
  bool consoleLooked_ = false;
};

// The platform with its user interface: the launcher's windows, message boxes and the one launcher of a session.
class Win32Desktop : public Win32Platform, public Desktop {
 public:
  // Loads the common controls and registers the form class.
  Win32Desktop();

  Answer ShowMessage(const std::string& text, const std::string& title, Buttons buttons) override;
  int ScreenWidth() override;
  std::unique_ptr<Window> CreateForm(const FormLayout& layout, EventSink& sink, Window* owner) override;
  [[noreturn]] void EndProgram() override;
  LauncherClaim ClaimLauncher() override;
  void BringLauncherForward() override;
  void ReleaseLauncher() override;

 private:
  HINSTANCE instance_;
  HANDLE launcherMutex_ = nullptr;  // owned while this process runs the launcher
  HWND runningLauncher_ = nullptr;  // another start's, where that one runs it
};

}  // namespace corvane::win32
