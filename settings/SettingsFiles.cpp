// Reading and writing the settings files' one-line, quoted, comma-separated format.
#include "settings/SettingsFiles.h"

#include "settings/SettingsFields.h"

#include <exception>

#include "platform/Failure.h"
#include "platform/ReplaceViaScratch.h"

namespace corvane {
namespace {

bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

class FieldScanner {
 public:
  explicit FieldScanner(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  // Blanks before a field are never part of it; a line break right after a comma only continues the line.
  void SkipToField() {
    SkipBlanks();
    while (afterComma_ && !AtEnd() && IsLineEnd(text_[pos_])) {
      ++pos_;
      SkipBlanks();
    }
  }

  std::string Next() {
    std::string field = text_[pos_] == '"' ? Quoted() : Unquoted();
    SkipDelimiter();
    return field;
  }

 private:
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[pos_])) {
      ++pos_;
    }
  }

  std::string Quoted() {
    const std::size_t start = pos_ + 1;
    const std::size_t close = text_.find('"', start);
    const std::size_t end = close == std::string_view::npos ? text_.size() : close;
    pos_ = close == std::string_view::npos ? end : end + 1;
    // Whatever stands between the closing quote and the next delimiter is not part of the field.
    while (!AtEnd() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
      ++pos_;
    }
    return std::string(text_.substr(start, end - start));
  }

  std::string Unquoted() {
    const std::size_t start = pos_;
    while (!AtEnd() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) {
      ++pos_;
    }
    std::size_t end = pos_;
    while (end > start && IsBlank(text_[end - 1])) {
      --end;
    }
    return std::string(text_.substr(start, end - start));
  }

  void SkipDelimiter() {
    afterComma_ = !AtEnd() && text_[pos_] == ',';
    if (afterComma_) {
      ++pos_;
    } else if (!AtEnd()) {
      // CR LF, a lone CR or a lone LF: one line end.
      pos_ += text_.substr(pos_, 2) == "\r\n" ? 2 : 1;
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  bool afterComma_ = false;
};

}  // namespace

std::string FormatSettingsLine(std::span<const std::string> fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    line += i == 0 ? "\"" : ",\"";
    line += fields[i];
    line += '"';
  }
  line += "\r\n";
  return line;
}

std::vector<std::string> ReadSettingsFields(std::string_view text, std::size_t count) {
  std::vector<std::string> fields;
  FieldScanner scanner(text);
  while (fields.size() < count) {
    scanner.SkipToField();
    if (scanner.AtEnd()) {
      break;
    }
    fields.push_back(scanner.Next());
  }
  return fields;
}

bool FitsSettingsFile(std::string_view value) {
  return value.find_first_of("\"\r\n") == std::string_view::npos;
}

namespace {

std::string ScratchOf(std::string_view path) {
  return std::string(path) + ".new";
}
// The file's content before the save, kept until every file is in place.
std::string FormerOf(std::string_view path) {
  return std::string(path) + ".old";
}

// Refusals the user can do something about get a word on what to do.
[[noreturn]] void ThrowSaveFailure(Platform& platform, std::string_view path, const PlatformError& refusal) {
  bool folder = false;
  try {
    folder = platform.Exists(std::string(path), Lookup::AllFolders);
  } catch (const PlatformError&) {
    // The refusal itself is then the best that can be said.
  }
  if (folder) {
    throw ProgramError(std::string(path) +
                       " is a folder, so the settings cannot be saved there. Remove or rename the folder, then Close "
                       "again.");
  }
  switch (refusal.reason()) {
    case Refusal::AccessDenied:
      throw ProgramError("Corvane can not save " + std::string(path) + ": " + refusal.description() +
                         " The settings at the root of C: can be changed by an administrator, for example by "
                         "starting Corvane with \"Run as administrator\".");
    case Refusal::ReadOnly:
      throw ProgramError("Corvane can not save " + std::string(path) +
                         ": the file is read-only. No settings file was changed. Clear the file's Read-only "
                         "attribute in its Properties, then save again.");
    case Refusal::Other:
      break;
  }
  throw refusal;
}

// Puts the files already replaced back as they were, newest first; what cannot be put back is named with the
// place its former content is kept.
void PutBack(Platform& platform, std::span<const SettingsFileText> replaced, const std::vector<bool>& existed) {
  std::string unrestored;
  for (std::size_t i = replaced.size(); i-- > 0;) {
    const std::string path(replaced[i].path);
    try {
      if (existed[i]) {
        platform.ReplaceFile(FormerOf(path), path);
      } else {
        platform.DeleteFile(path);
      }
    } catch (const std::exception& failure) {
      unrestored += std::string(" ") + failure.what() +
                    (existed[i] ? " Its former content is kept in " + FormerOf(path) + "."
                                : " It did not exist before the save.");
    }
  }
  if (!unrestored.empty()) {
    throw ProgramError("Corvane could not save the settings, nor put back what it had already saved of them." +
                       unrestored);
  }
}

}  // namespace

void WriteSettingsFiles(Platform& platform, std::span<const SettingsFileText> files) {
  std::size_t replacedCount = 0;
  std::vector<bool> existed;
  const auto guarded = [&](std::string_view path, auto&& step) {
    try {
      step();
    } catch (const PlatformError& refusal) {
      ThrowSaveFailure(platform, path, refusal);
    }
  };
  const std::string underWay(kSaveUnderWay);
  // One left by a save whose end could not remove it would have the next start put this save's files in place.
  if (platform.Exists(underWay, Lookup::AllFiles)) {
    guarded(underWay, [&] { platform.DeleteFile(underWay); });
  }
  try {
    std::string names;
    for (const SettingsFileText& file : files) {
      guarded(file.path, [&] { platform.WriteTextFile(ScratchOf(file.path), FormatSettingsLine(file.fields)); });
      names += std::string(file.path) + "\r\n";
    }
    // From here on every new file is whole: a start after a crash puts the rest of them in place.
    guarded(underWay, [&] { platform.WriteTextFile(underWay, names); });
    // Each file's former content is kept beside it until all are in place, so that a refusal at the second or
    // third file can still give the first its old content back.
    for (const SettingsFileText& file : files) {
      const std::string path(file.path);
      existed.push_back(platform.Exists(path, Lookup::AllFiles));
      if (existed.back()) {
        RemoveScratch(platform, FormerOf(path));
        guarded(file.path, [&] { platform.CopyFile(path, FormerOf(path)); });
      }
      guarded(file.path, [&] { platform.ReplaceFile(ScratchOf(path), path); });
      ++replacedCount;
    }
  } catch (...) {
    std::exception_ptr failure = std::current_exception();
    // First, so that no later start finishes what is now being undone.
    RemoveScratch(platform, underWay);
    std::size_t keptFormer = 0;  // the first files, whose former content a failed put-back names
    try {
      PutBack(platform, files.first(replacedCount), existed);
    } catch (...) {
      failure = std::current_exception();
      keptFormer = replacedCount;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
      RemoveScratch(platform, ScratchOf(files[i].path));
      if (i >= keptFormer) {
        RemoveScratch(platform, FormerOf(files[i].path));
      }
    }
    std::rethrow_exception(failure);
  }
  RemoveScratch(platform, underWay);
  for (const SettingsFileText& file : files) {
    RemoveScratch(platform, FormerOf(file.path));
  }
}

std::optional<std::string> FinishInterruptedSave(Platform& platform) {
  const std::string underWay(kSaveUnderWay);
  try {
    if (!platform.Exists(underWay, Lookup::AllFiles)) {
      return std::nullopt;
    }
    for (std::string_view file : SettingsFileNames()) {
      const std::string path(file);
      if (platform.Exists(ScratchOf(path), Lookup::AllFiles)) {
        platform.ReplaceFile(ScratchOf(path), path);
      }
    }
    platform.DeleteFile(underWay);
  } catch (const PlatformError& refusal) {
    return "A save of the settings at C:\\ did not finish, and Corvane could not finish it: " +
           std::string(refusal.what()) +
           " The settings are read as they are. Start Corvane once with \"Run as administrator\" to finish it.";
  }
  for (std::string_view file : SettingsFileNames()) {
    RemoveScratch(platform, FormerOf(file));
  }
  return std::nullopt;
}

}  // namespace corvane
