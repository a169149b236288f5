// The seam to the operating system: everything the program asks of Windows goes through this interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace corvane {

// Why the system refused, where the program answers some refusals with advice of its own.
enum class Refusal {
  Other,
  AccessDenied,  // for want of rights, as at the root of C:, where a standard user may read files but not create them
  ReadOnly,      // the file to be replaced or deleted has the read-only attribute
};

// A refusal of the system, carrying its own description (and the path it concerns, where there is one). Only an
// implementation of Platform throws it; the program's own findings are ProgramError (platform/Failure.h).
class PlatformError : public std::runtime_error {
 public:
  PlatformError(const std::string& subject, const std::string& description, Refusal reason = Refusal::Other)
      : std::runtime_error(subject.empty() ? description : subject + ": " + description),
        subject_(subject),
        description_(description),
        reason_(reason) {}

  const std::string& subject() const { return subject_; }
  const std::string& description() const { return description_; }
  Refusal reason() const { return reason_; }

 private:
  std::string subject_;
  std::string description_;
  Refusal reason_;
};

// Attribute filter of a directory lookup.
//  NormalFiles: plain, read-only and archive files; never hidden, system, folders or volume labels.
//  Directories: everything NormalFiles finds, and folders that are neither hidden nor system.
//  AllFiles: files whatever their attributes, hidden and system too; never folders.
//  AllFolders: folders whatever their attributes (with or without the trailing backslash); never files.
enum class Lookup { NormalFiles, Directories, AllFiles, AllFolders };

enum class Wait { No, UntilEnded };

// The kind of an event in the Windows Application log.
enum class EventKind { Error, Warning };

// The local date and time.
struct Date {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0, minute = 0, second = 0;
};

// A plain file of a folder, with the local time it was created.
struct FolderEntry {
  std::string name;
  Date created;
  bool readOnly = false;
  Date lastWritten{};  // local time
  std::uint64_t size = 0;
};

// How Windows opens a type of document (".pdf") or address ("http").
struct Association {
  std::string program;  // full path of the program it starts
  std::string command;  // the registered command line, with %1 where the document goes
};

// The volume a path lies on, as Windows names it ("C:", "\\server\share"), and the bytes free there for this user.
struct Volume {
  std::string name;
  std::uint64_t freeBytes = 0;
};

// What tells one version of a file from another without reading it.
struct FileStamp {
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;  // 100-nanosecond intervals since 1601, UTC
  bool operator==(const FileStamp&) const = default;
};

// A value of the current user's registry: text (REG_SZ) or a number (REG_DWORD).
using RegistryValue = std::variant<std::string, std::uint32_t>;

// A file this process keeps open while the object lives: others may read it, nobody may write or delete it.
class HeldFile {
 public:
  virtual ~HeldFile() = default;
};

// Everything but the user interface, which is apart (Desktop.h): an unattended run receives only this.
class Platform {
 public:
  virtual ~Platform() = default;

  // Directory lookup of `pattern` (wildcards * and ? in the last part mean what they mean to Windows).
  // An absent file is `false`; only a lookup the system cannot make at all throws.
  virtual bool Exists(const std::string& pattern, Lookup filter) = 0;
  // Creates exactly one folder level; the parent must exist.
  virtual void CreateFolder(const std::string& path) = 0;

  // A whole small text file in the system's ANSI code page; text crosses the seam as UTF-8.
  // Writing creates or truncates; text the code page cannot hold is refused, never replaced.
  virtual void WriteTextFile(const std::string& path, const std::string& text) = 0;
  // Whether WriteTextFile can store `text` exactly in the ANSI code page.
  virtual bool FitsTextFile(const std::string& text) = 0;
  // Moves `from` onto `to`, replacing `to` in one step where it exists; a read-only `to` is refused.
  virtual void ReplaceFile(const std::string& from, const std::string& to) = 0;

  // A read-only file is refused, as Windows refuses it.
  virtual void DeleteFile(const std::string& path) = 0;
  // Byte-for-byte copy, with the source's attributes and last-write time; an existing `to` is replaced, a read-only one
  // refused.
  virtual void CopyFile(const std::string& from, const std::string& to) = 0;
  // Clears the read-only attribute of a file the program owns, so that it can be replaced or deleted.
  virtual void MakeWritable(const std::string& path) = 0;
  virtual std::uint64_t FileSize(const std::string& path) = 0;
  // Size and last-write time of a file, in one lookup; nullopt where there is no file (also a folder in its place).
  // Only a lookup the system cannot make at all, such as one on a server it cannot reach, throws.
  virtual std::optional<FileStamp> StampOf(const std::string& path) = 0;
  // The plain files of `folder` (no folders, hidden or system files).
  virtual std::vector<FolderEntry> ListFiles(const std::string& folder) = 0;
  // Whether two file names name the same file, compared as the file system compares them.
  virtual bool SameFileName(std::string_view a, std::string_view b) = 0;
  // What tells a folder from every other whatever its spelling (a mapped drive, "/" for "\", "."): the volume serial
  // number and file ID of an open handle to it, as text. nullopt where the folder cannot be opened.
  virtual std::optional<std::string> FolderIdentity(const std::string& folder) = 0;
  // `path` made full as Windows makes it ("/" read as "\", "." and ".." resolved, relative to the current folder);
  // nullopt where it cannot be.
  virtual std::optional<std::string> FullPathName(const std::string& path) = 0;
  // Whether another process holds `path` open so that an open sharing nothing is refused; an absent file is not.
  // The file is never changed.
  virtual bool HeldOpen(const std::string& path) = 0;
  // Whether another process holds `path` open so that an open of it for deletion is refused; an absent file is not.
  virtual bool HeldAgainstDeletion(const std::string& path) = 0;
  // Creates `path` (replacing a file no one holds) with `bytes` as they are, and keeps it open until the result is
  // destroyed; it is then closed, not deleted.
  virtual std::unique_ptr<HeldFile> CreateHeldFile(const std::string& path, const std::string& bytes) = 0;
  virtual Volume VolumeOf(const std::string& path) = 0;
  // Whether `path` lies on another computer: a "\\server\share" path, or a drive letter mapped to a share.
  virtual bool OnNetwork(const std::string& path) = 0;
  // The first `limit` bytes of a file, as they are, read while other programs may be writing it.
  virtual std::string ReadBytes(const std::string& path, std::size_t limit) = 0;
  // Text in the ANSI code page, as UTF-8.
  virtual std::string FromAnsi(std::string_view bytes) = 0;
  // Appends UTF-8 text to a file, creating it where it is missing.
  virtual void AppendUtf8File(const std::string& path, const std::string& text) = 0;
  // Makes the present moment a file's creation and last-write time, so that its creation time tells when the program
  // made it: Windows may give a file that replaces another the older one's creation time, and Wine reports the
  // last-write time as the creation time.
  virtual void MarkMadeNow(const std::string& path) = 0;

  // What Windows says is installed. Each asks the system only when called; what it lacks is no failure.
  // The default values of the "App Paths" registration of `programName` ("MSACCESS.EXE") as they are stored,
  // unexpanded: the current user's first, then the machine's, each in its 64-bit and then its 32-bit view.
  virtual std::vector<std::string> AppPathRegistrations(const std::string& programName) = 0;
  // The program and command that open `type` (".pdf", "http") for the user; nullopt where there is none.
  virtual std::optional<Association> AssociationOf(const std::string& type) = 0;
  // The value `name` of the key HKEY_CURRENT_USER\`key`; nullopt where either is missing, the value is of another type
  // or cannot be read.
  virtual std::optional<RegistryValue> UserRegistryValue(const std::string& key, const std::string& name) = 0;
  // Writes `values` to the key HKEY_CURRENT_USER\`key`, made where it is missing; its other values are left alone.
  virtual void SetUserRegistryValues(const std::string& key,
                                     const std::vector<std::pair<std::string, RegistryValue>>& values) = 0;
  // An environment variable of the program's own environment; nullopt where it is not defined.
  virtual std::optional<std::string> EnvironmentVariable(const std::string& name) = 0;

  // Folder of the program's own executable, without a trailing backslash.
  virtual std::string ProgramFolder() = 0;
  virtual Date Now() = 0;
  // The user's decimal separator, for numbers shown in messages.
  virtual std::string DecimalSeparator() = 0;
  // A day in the user's short date format ("05/12/2026", "12/5/2026").
  virtual std::string ShortDate(const Date& day) = 0;

  // Starts `program` (a full path, never searched) with the whole `commandLine` in a normal, focused window. With
  // Wait::UntilEnded, returns the program's exit code once it has ended; nothing with Wait::No, or when the program is
  // still running after `limitMinutes` (where given).
  virtual std::optional<std::uint32_t> StartProgram(const std::string& program, const std::string& commandLine,
                                                    Wait wait, int limitMinutes = 0) = 0;
  // Writes a line to the console the program was started from; nothing where there is none.
  virtual void WriteConsole(const std::string& line) = 0;
  // Writes one event, with `text` as it is, to the Windows Application log from the source "Corvane": an error as
  // event 1, a warning as event 2.
  virtual void ReportEvent(EventKind kind, const std::string& text) = 0;
  // Registers the source "Corvane" of the Application log, this program's own file holding its messages; refused
  // without administrator rights.
  virtual void RegisterEventSource() = 0;
};

}  // namespace corvane
