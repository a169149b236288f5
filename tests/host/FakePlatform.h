// An in-memory Windows for the host tests: files with attributes, scripted answers, recorded starts and messages.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/Desktop.h"
#include "platform/Layout.h"

namespace corvane::testing {

class FakeDesktop;

class FakeWindow : public Window {
 public:
  FakeWindow(FakeDesktop& platform, const FormLayout& layout, EventSink& sink);
  ~FakeWindow() override;

  void Fire(std::string_view control, Event event) { sink_.OnEvent(control, event); }

  void SetText(std::string_view control, const std::string& text) override { At(control).text = text; }
  std::string Text(std::string_view control) const override { return At(control).text; }
  bool IsChecked(std::string_view control) const override { return At(control).checked; }
  void SetChecked(std::string_view control, bool checked) override { At(control).checked = checked; }
  void SetControlVisible(std::string_view control, bool visible) override { At(control).visible = visible; }
  bool IsControlVisible(std::string_view control) const override { return At(control).visible; }
  void SetTextColour(std::string_view control, std::optional<Rgb> colour) override { At(control).colour = colour; }
  std::optional<Rgb> TextColour(std::string_view control) const { return At(control).colour; }
  void SetEnabled(std::string_view control, bool enabled) override { At(control).enabled = enabled; }
  bool IsEnabled(std::string_view control) const { return At(control).enabled; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  const std::string& Caption() const { return caption_; }
  void SetLines(std::string_view control, const std::vector<std::string>& lines) override;
  const std::vector<std::string>& Lines(std::string_view control) const { return At(control).lines; }
  // As a click on a line does: selects it and tells the window.
  void SelectLine(std::string_view control, int line);
  std::optional<int> SelectedLine(std::string_view control) const override { return At(control).selected; }
  int OuterWidth() const override;
  int Left() const override { return left_; }
  void SetLeft(int twips) override { left_ = twips; }
  void Show() override;
  void Hide() override { visible_ = false; }
  bool IsVisible() const override { return visible_; }
  const FormLayout& layout() const { return layout_; }
  const Window* owner = nullptr;  // the window it was made owned by

 private:
  struct Control {
    std::string text;
    bool checked = false;
    bool visible = true;
    std::optional<Rgb> colour;
    bool enabled = true;
    std::vector<std::string> lines;
    std::optional<int> selected;
  };
  Control& At(std::string_view control) const;

  FakeDesktop& platform_;
  const FormLayout& layout_;
  EventSink& sink_;
  mutable std::map<std::string, Control, std::less<>> controls_;
  int left_;
  bool visible_ = false;
  std::string caption_;
};

// The machine without its user interface, as an unattended run has it.
class FakePlatform : public virtual Platform {
 public:
  struct File {
    std::string content;
    std::string name;  // the path as first given
    bool hidden = false, system = false, readOnly = false;
    Date created{2026, 1, 1};
    std::uint64_t lastWrite = 0;
  };
  struct Start {
    std::string program, commandLine;
    Wait wait;
    int limitMinutes;
  };

  FakePlatform() { AddFolder("C:"); }

  // Setting up the machine. AddFile adds every folder above the file too, and returns the file for its attributes.
  File& AddFile(const std::string& path, std::string content = {});
  void AddFolder(const std::string& path);
  File& FileAt(const std::string& path);
  bool HasFile(const std::string& path) const { return files_.contains(Key(path)); }
  const std::string& Content(const std::string& path) { return FileAt(path).content; }
  std::vector<std::string> FilePaths() const;
  // The next operation `operation` on `path` (any path where empty), after `letPass` that succeed, fails with
  // `description`.
  void FailOn(std::string operation, std::string path, std::string description = "The device is not ready.",
              int letPass = 0) {
    failures_.push_back({std::move(operation), Key(path), std::move(description), letPass});
  }

  // A fault at the N-th call that changes the disk (creates, writes, copies, replaces, deletes or sets attributes):
  // it is refused, or the process crashes there. The run goes on past a crash; EndAtTheCrash() then puts the disk back
  // as the crash left it (a write cut short holding what it had written, a replacement not made) and forgets what the
  // process did and said after it, and the files it held are closed.
  enum class DiskFault { None, Refuse, Crash };
  DiskFault diskFault = DiskFault::None;
  int faultAt = 0;
  std::vector<std::string> diskCalls;  // each call that changes the disk, as "CopyFile C:\..."
  virtual void EndAtTheCrash();

  // What happened.
  std::vector<Start> starts;
  std::vector<std::string> probes;  // every Exists pattern, in order
  std::vector<std::string> console;
  std::vector<std::pair<EventKind, std::string>> events;  // in the Application log
  // The machine's state.
  Date now{2026, 12, 5, 2, 0, 0};
  std::set<std::string> heldOpen;     // files another process holds open, as given
  bool accessOverruns = false;        // a limited wait for a started program runs out
  std::uint32_t exitCode = 0;         // of a program waited for, once it ends
  std::function<void()> whileWaited;  // what a program waited for does before it ends
  std::set<std::string> holding;      // files this process holds open (CreateHeldFile), by key
  Volume volume{"C:", 1'000'000'000'000};
  std::string programFolder = "C:\\Program Files\\Corvane";
  std::map<std::string, std::vector<std::string>> registrations;  // "App Paths" values by program name, as stored
  std::map<std::string, corvane::Association> associations;       // by type: ".pdf", "http"
  std::map<std::string, std::string> environment{{"ProgramFiles", "C:\\Program Files"}};
  std::vector<std::string> associationQueries;     // every type asked for, in order
  bool foldersIdentified = true;                   // false: Windows cannot say which folder a path is
  std::map<std::string, std::string> substitutes;  // a drive ("t:") mapped to a folder ("c:\\t"), by key
  std::set<std::string> networkDrives;             // drives ("z:") mapped to shares
  // The current user's registry: values by name, by key in lower case (as Windows compares keys).
  std::map<std::string, std::map<std::string, RegistryValue>> userRegistry;

  bool Exists(const std::string& pattern, Lookup filter) override;
  void CreateFolder(const std::string& path) override;
  void WriteTextFile(const std::string& path, const std::string& text) override;
  // Code page 1252 in brief: Latin-1 letters fit, Greek and beyond do not.
  bool FitsTextFile(const std::string& text) override;
  void ReplaceFile(const std::string& from, const std::string& to) override;
  void DeleteFile(const std::string& path) override;
  void CopyFile(const std::string& from, const std::string& to) override;
  void MakeWritable(const std::string& path) override { Existing(path, "MakeWritable").readOnly = false; }
  std::uint64_t FileSize(const std::string& path) override { return Existing(path, "FileSize").content.size(); }
  std::optional<FileStamp> StampOf(const std::string& path) override;
  std::vector<FolderEntry> ListFiles(const std::string& folder) override;
  bool SameFileName(std::string_view a, std::string_view b) override { return Key(a) == Key(b); }
  // The folder's path made full and lower-case, with the drives of `substitutes` read as the folders they stand for.
  std::optional<std::string> FolderIdentity(const std::string& folder) override;
  std::optional<std::string> FullPathName(const std::string& path) override;
  bool HeldOpen(const std::string& path) override { return heldOpen.contains(path); }
  bool HeldAgainstDeletion(const std::string& path) override { return heldOpen.contains(path); }
  std::unique_ptr<HeldFile> CreateHeldFile(const std::string& path, const std::string& bytes) override;
  Volume VolumeOf(const std::string&) override { return volume; }
  // A share's path, or one on a drive of `networkDrives`.
  bool OnNetwork(const std::string& path) override {
    return path.starts_with("\\\\") || networkDrives.contains(Key(path.substr(0, 2)));
  }
  std::string ReadBytes(const std::string& path, std::size_t limit) override {
    return Existing(path, "ReadBytes").content.substr(0, limit);
  }
  // Every byte is the Latin-1 character of its number.
  std::string FromAnsi(std::string_view bytes) override;
  void AppendUtf8File(const std::string& path, const std::string& text) override;
  void MarkMadeNow(const std::string& path) override { Existing(path, "MarkMadeNow").created = now; }
  std::vector<std::string> AppPathRegistrations(const std::string& programName) override;
  std::optional<corvane::Association> AssociationOf(const std::string& type) override;
  std::optional<RegistryValue> UserRegistryValue(const std::string& key, const std::string& name) override;
  void SetUserRegistryValues(const std::string& key,
                             const std::vector<std::pair<std::string, RegistryValue>>& values) override;
  std::optional<std::string> EnvironmentVariable(const std::string& name) override;
  std::string ProgramFolder() override { return programFolder; }
  Date Now() override { return now; }
  std::string DecimalSeparator() override { return "."; }
  // Day, month and year, with no leading zeros: "5.12.2026".
  std::string ShortDate(const Date& day) override;
  std::optional<std::uint32_t> StartProgram(const std::string& program, const std::string& commandLine, Wait wait,
                                            int limitMinutes = 0) override;
  void WriteConsole(const std::string& line) override { console.push_back(line); }
  void ReportEvent(EventKind kind, const std::string& text) override {
    Check("ReportEvent");
    events.emplace_back(kind, text);
  }
  void RegisterEventSource() override { Check("RegisterEventSource"); }

 protected:
  // Throws the failure injected for the operation, if any.
  void Check(std::string_view operation, const std::string& path = {});
  virtual std::size_t Said() const { return 0; }
  // The machine as a crash leaves it, and how much had been started, written to the console and said by then.
  struct Image {
    std::map<std::string, File> files;
    std::set<std::string> folders;
    std::size_t starts, console, said;
  };
  std::optional<Image> crash_;

 private:
  struct Failure {
    std::string operation, path, description;
    int letPass;
  };

  static std::string Key(std::string_view path);
  static std::string Parent(const std::string& key);
  // The existing file at `path`, for an operation that needs it; throws as Windows would when it is missing.
  File& Existing(const std::string& path, std::string_view operation);
  // Refuses, as Windows does, to write where there is no folder or over a read-only file.
  void CheckWritable(const std::string& key, const std::string& path) const;

  std::map<std::string, File> files_;
  std::set<std::string> folders_;
  std::vector<Failure> failures_;
};

// The machine with its user interface: scripted answers to message boxes, and the windows made.
class FakeDesktop : public FakePlatform, public Desktop {
 public:
  struct Message {
    std::string text, title;
    Buttons buttons;
  };

  static constexpr int kFrameWidth = 120;  // twips the frame adds to a form's client width

  void Answer(corvane::Answer answer) { answers_.push_back(answer); }
  std::vector<std::string> MessageTexts() const;
  FakeWindow* Form(std::string_view name) const;

  std::vector<Message> messages;
  bool ended = false;
  bool launcherReleased = false, broughtForward = false;
  LauncherClaim claim = LauncherClaim::Ours;
  int screenWidth = 19200;  // 1280 pixels at 96 DPI

  corvane::Answer ShowMessage(const std::string& text, const std::string& title, Buttons buttons) override;
  int ScreenWidth() override { return screenWidth; }
  std::unique_ptr<Window> CreateForm(const FormLayout& layout, EventSink& sink, Window* owner) override;
  void EndProgram() override { ended = true; }
  LauncherClaim ClaimLauncher() override { return claim; }
  void BringLauncherForward() override { broughtForward = true; }
  void ReleaseLauncher() override { launcherReleased = true; }
  void EndAtTheCrash() override {
    FakePlatform::EndAtTheCrash();
    messages.resize(crash_ ? crash_->said : messages.size());
  }

 private:
  std::size_t Said() const override { return messages.size(); }
  friend class FakeWindow;
  std::deque<corvane::Answer> answers_;
  std::vector<FakeWindow*> forms_;
};

}  // namespace corvane::testing
