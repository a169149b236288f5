// An in-memory Windows without its user interface, as an unattended run has it: files with attributes, folders,
// the registry, scripted failures and crashes, recorded starts.
#pragma once

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace corvane::testing {

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
  File& AddFile(const std::string& path, std::string content = {}) {
    AddFolder(Parent(Key(path)));
    return files_[Key(path)] = File{std::move(content), path};
  }
  void AddFolder(const std::string& path) {
    for (std::string key = Key(path); !key.empty(); key = Parent(key)) {
      folders_.insert(key);
    }
  }
  File& FileAt(const std::string& path) {
    const auto it = files_.find(Key(path));
    return it != files_.end() ? it->second : throw std::logic_error("the test expected a file " + path);
  }
  bool HasFile(const std::string& path) const { return files_.contains(Key(path)); }
  const std::string& Content(const std::string& path) { return FileAt(path).content; }
  std::vector<std::string> FilePaths() const {
    std::vector<std::string> paths;
    for (const auto& [key, file] : files_) {
      paths.push_back(file.name);
    }
    return paths;
  }
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

  bool Exists(const std::string& pattern, Lookup filter) override {
    probes.push_back(pattern);
    Check("Exists", pattern);
    std::string key = Key(pattern);
    if ((filter == Lookup::Directories || filter == Lookup::AllFolders) && key.ends_with('\\')) {
      key.pop_back();
    }
    const auto file = files_.find(key);
    const bool isFile = file != files_.end(), normal = isFile && !file->second.hidden && !file->second.system;
    const bool folder = folders_.contains(key);
    return filter == Lookup::AllFiles     ? isFile
           : filter == Lookup::AllFolders ? folder
                                          : normal || (filter == Lookup::Directories && folder);
  }
  void CreateFolder(const std::string& path) override {
    Check("CreateFolder", path);
    const std::string key = Key(path);
    if (folders_.contains(key) || !folders_.contains(Parent(key))) {
      throw PlatformError(path, kNoPath);
    }
    folders_.insert(key);
  }
  void WriteTextFile(const std::string& path, const std::string& text) override {
    const std::string key = Key(path);
    if (!FitsTextFile(text)) {
      throw PlatformError(path, "No mapping for the Unicode character exists in the target multi-byte code page.");
    }
    CheckWritable(key, path);
    // Like a real write that fails midway: the file was already created or truncated.
    files_[key] = File{{}, path};
    Check("WriteTextFile", path);
    files_[key] = File{text, path};
  }
  // Code page 1252 in brief: Latin-1 letters (lead bytes C2 and C3) fit, Greek and beyond do not.
  bool FitsTextFile(const std::string& text) override {
    return std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0xC4; });
  }
  void ReplaceFile(const std::string& from, const std::string& to) override {
    Check("ReplaceFile", to);
    const auto source = files_.find(Key(from));
    if (source == files_.end()) {
      throw PlatformError(from, kNoFile);
    }
    CheckWritable(Key(to), to);
    File moved = source->second;
    moved.name = to;
    if (const auto target = files_.find(Key(to)); target != files_.end()) {
      moved.hidden = target->second.hidden;
      moved.system = target->second.system;
    }
    files_.erase(source);
    files_[Key(to)] = moved;
  }
  void DeleteFile(const std::string& path) override {
    if (Existing(path, "DeleteFile").readOnly) {
      throw PlatformError(path, kDenied, Refusal::ReadOnly);
    }
    if (holding.contains(Key(path)) || heldOpen.contains(path)) {
      throw PlatformError(path, "The process cannot access the file because it is being used by another process.");
    }
    files_.erase(Key(path));
  }
  void CopyFile(const std::string& from, const std::string& to) override {
    File copy = files_.contains(Key(from)) ? files_.at(Key(from)) : throw PlatformError(from, kNoFile);
    CheckWritable(Key(to), to);
    copy.name = to;
    // Like a real copy that fails midway: half the bytes are already there.
    files_[Key(to)] = File{copy.content.substr(0, copy.content.size() / 2), to};
    Check("CopyFile", to);
    files_[Key(to)] = copy;  // attributes and all, as Windows copies them
  }
  void MakeWritable(const std::string& path) override { Existing(path, "MakeWritable").readOnly = false; }
  std::uint64_t FileSize(const std::string& path) override { return Existing(path, "FileSize").content.size(); }
  std::optional<FileStamp> StampOf(const std::string& path) override {
    Check("StampOf", path);
    const auto file = files_.find(Key(path));
    return file == files_.end() ? std::nullopt
                                : std::optional(FileStamp{file->second.content.size(), file->second.lastWrite});
  }
  std::vector<FolderEntry> ListFiles(const std::string& folder) override {
    Check("ListFiles", folder);
    std::vector<FolderEntry> entries;
    for (const auto& [key, file] : files_) {
      if (Parent(key) == Key(folder) && !file.hidden && !file.system) {
        const std::string name = file.name.substr(file.name.find_last_of('\\') + 1);
        entries.push_back({name, file.created, file.readOnly, file.created, file.content.size()});
      }
    }
    return entries;
  }
  bool SameFileName(std::string_view a, std::string_view b) override { return Key(a) == Key(b); }
  // The folder's path made full and lower-case, with the drives of `substitutes` read as the folders they stand for.
  std::optional<std::string> FolderIdentity(const std::string& folder) override {
    std::string key = Key(*FullPathName(folder));
    if (key.ends_with('\\')) {
      key.pop_back();
    }
    if (const auto drive = substitutes.find(key.substr(0, 2)); drive != substitutes.end()) {
      key.replace(0, 2, drive->second);
    }
    return foldersIdentified && folders_.contains(key) ? std::optional(key) : std::nullopt;
  }
  // "/" read as "\\" and "." resolved; no test needs "..".
  std::optional<std::string> FullPathName(const std::string& path) override {
    std::string full = path;
    std::ranges::replace(full, '/', '\\');
    for (std::size_t dot = full.find("\\.\\"); dot != std::string::npos; dot = full.find("\\.\\")) {
      full.erase(dot, 2);
    }
    return full;
  }
  bool HeldOpen(const std::string& path) override { return heldOpen.contains(path); }
  bool HeldAgainstDeletion(const std::string& path) override { return heldOpen.contains(path); }
  std::unique_ptr<HeldFile> CreateHeldFile(const std::string& path, const std::string& bytes) override {
    Check("CreateHeldFile", path);
    CheckWritable(Key(path), path);
    files_[Key(path)] = File{bytes, path};
    struct Held : HeldFile {
      Held(std::set<std::string>& held, std::string key) : holding(held), file(std::move(key)) { holding.insert(file); }
      ~Held() override { holding.erase(file); }
      std::set<std::string>& holding;
      std::string file;
    };
    return std::make_unique<Held>(holding, Key(path));
  }
  Volume VolumeOf(const std::string&) override { return volume; }
  // A share's path, or one on a drive of `networkDrives`.
  bool OnNetwork(const std::string& path) override {
    return path.starts_with("\\\\") || networkDrives.contains(Key(path.substr(0, 2)));
  }
  std::string ReadBytes(const std::string& path, std::size_t limit) override {
    return Existing(path, "ReadBytes").content.substr(0, limit);
  }
  // Every byte is the Latin-1 character of its number.
  std::string FromAnsi(std::string_view bytes) override {
    std::string text;
    for (const char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      text += byte < 0x80 ? std::string{c}
                          : std::string{static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
    }
    return text;
  }
  void AppendUtf8File(const std::string& path, const std::string& text) override {
    Check("AppendUtf8File", path);
    CheckWritable(Key(path), path);
    File& file = files_[Key(path)];
    file.name = path;
    file.content += text;
  }
  void MarkMadeNow(const std::string& path) override { Existing(path, "MarkMadeNow").created = now; }
  std::vector<std::string> AppPathRegistrations(const std::string& programName) override {
    return registrations.contains(programName) ? registrations.at(programName) : std::vector<std::string>{};
  }
  std::optional<corvane::Association> AssociationOf(const std::string& type) override {
    associationQueries.push_back(type);
    return associations.contains(type) ? std::optional(associations.at(type)) : std::nullopt;
  }
  std::optional<RegistryValue> UserRegistryValue(const std::string& key, const std::string& name) override {
    const auto found = userRegistry.find(Key(key));
    return found != userRegistry.end() && found->second.contains(name) ? std::optional(found->second.at(name))
                                                                       : std::nullopt;
  }
  void SetUserRegistryValues(const std::string& key,
                             const std::vector<std::pair<std::string, RegistryValue>>& values) override {
    Check("SetUserRegistryValues", key);
    for (const auto& [name, value] : values) {
      userRegistry[Key(key)][name] = value;
    }
  }
  std::optional<std::string> EnvironmentVariable(const std::string& name) override {
    return environment.contains(name) ? std::optional(environment.at(name)) : std::nullopt;
  }
  std::string ProgramFolder() override { return programFolder; }
  Date Now() override { return now; }
  std::string DecimalSeparator() override { return "."; }
  // Day, month and year, with no leading zeros: "5.12.2026".
  std::string ShortDate(const Date& day) override {
    return std::to_string(day.day) + "." + std::to_string(day.month) + "." + std::to_string(day.year);
  }
  std::optional<std::uint32_t> StartProgram(const std::string& program, const std::string& commandLine, Wait wait,
                                            int limitMinutes = 0) override {
    Check("StartProgram", program);
    if (program.empty() || !HasFile(program)) {
      throw PlatformError(program, kNoFile);
    }
    starts.push_back({program, commandLine, wait, limitMinutes});
    if (wait == Wait::No || (accessOverruns && limitMinutes > 0)) {
      return std::nullopt;
    }
    if (whileWaited) {
      whileWaited();
    }
    return exitCode;
  }
  void WriteConsole(const std::string& line) override { console.push_back(line); }
  void ReportEvent(EventKind kind, const std::string& text) override {
    Check("ReportEvent");
    events.emplace_back(kind, text);
  }
  void RegisterEventSource() override { Check("RegisterEventSource"); }

 protected:
  // Counts a call that changes the disk, for a fault planned there, and throws the failure injected for the
  // operation, if any.
  void Check(std::string_view operation, const std::string& path = {}) {
    constexpr std::string_view kChangesTheDisk[] = {"CreateFolder",   "WriteTextFile",  "ReplaceFile",
                                                    "DeleteFile",     "CopyFile",       "MakeWritable",
                                                    "CreateHeldFile", "AppendUtf8File", "MarkMadeNow"};
    if (std::ranges::count(kChangesTheDisk, operation) == 1) {
      diskCalls.push_back(std::string(operation) + " " + path);
      if (std::ssize(diskCalls) == faultAt && diskFault == DiskFault::Refuse) {
        throw PlatformError(path, "The device is not ready.");
      }
      // Taken before the call has its way: a write has only truncated its file, a copy has written half its bytes.
      if (std::ssize(diskCalls) == faultAt && diskFault == DiskFault::Crash) {
        crash_ = Image{files_, folders_, starts.size(), console.size(), Said()};
      }
    }
    for (auto it = failures_.begin(); it != failures_.end(); ++it) {
      if (it->operation == operation && (it->path.empty() || it->path == Key(path))) {
        if (it->letPass-- > 0) {
          return;
        }
        const std::string description = it->description;
        failures_.erase(it);
        throw PlatformError(path, description, description == kDenied ? Refusal::AccessDenied : Refusal::Other);
      }
    }
  }
  virtual std::size_t Said() const { return 0; }
  // The machine as a crash leaves it, and how much had been started, written to the console and said by then.
  struct Image {
    std::map<std::string, File> files;
    std::set<std::string> folders;
    std::size_t starts, console, said;
  };
  std::optional<Image> crash_;

 private:
  inline static const std::string kNoFile = "The system cannot find the file specified.";
  inline static const std::string kNoPath = "The system cannot find the path specified.";
  inline static const std::string kDenied = "Access is denied.";

  struct Failure {
    std::string operation, path, description;
    int letPass;
  };

  static std::string Key(std::string_view path) {
    std::string key(path);
    std::ranges::transform(key, key.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
  }
  static std::string Parent(const std::string& key) {
    const auto slash = key.find_last_of('\\');
    return slash == std::string::npos ? std::string() : key.substr(0, slash);
  }
  // The existing file at `path`, for an operation that needs it; throws as Windows would when it is missing.
  File& Existing(const std::string& path, std::string_view operation) {
    Check(operation, path);
    const auto it = files_.find(Key(path));
    return it != files_.end() ? it->second : throw PlatformError(path, kNoFile);
  }
  // Refuses, as Windows does, to write where there is no folder or over a read-only file.
  void CheckWritable(const std::string& key, const std::string& path) const {
    if (!folders_.contains(Parent(key))) {
      throw PlatformError(path, kNoPath);
    }
    if (files_.contains(key) && files_.at(key).readOnly) {
      throw PlatformError(path, kDenied, Refusal::ReadOnly);
    }
    if (folders_.contains(key)) {
      throw PlatformError(path, kDenied, Refusal::AccessDenied);
    }
  }

  std::map<std::string, File> files_;
  std::set<std::string> folders_;
  std::vector<Failure> failures_;
};

}  // namespace corvane::testing
