// Reading and writing the settings files' one-line, quoted, comma-separated format.
#include "settings/SettingsFiles.h"

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

void WriteSettingsFiles(Platform& platform, std::span<const SettingsFileText> files) {
  const auto scratchOf = [](std::string_view path) { return std::string(path) + ".new"; };
  // At the root of C: a standard user may read files but not create them.
  const auto guarded = [](std::string_view path, auto&& step) {
    try {
      step();
    } catch (const PlatformError& refusal) {
      if (!refusal.accessDenied()) {
        throw;
      }
      throw ProgramError("Corvane can not save " + std::string(path) + ": " + refusal.description() +
                         " The settings at the root of C: can be changed by an administrator, for example by "
                         "starting Corvane with \"Run as administrator\".");
    }
  };
  try {
    for (const SettingsFileText& file : files) {
      guarded(file.path, [&] { platform.WriteTextFile(scratchOf(file.path), FormatSettingsLine(file.fields)); });
    }
    for (const SettingsFileText& file : files) {
      guarded(file.path, [&] { platform.ReplaceFile(scratchOf(file.path), std::string(file.path)); });
    }
  } catch (...) {
    for (const SettingsFileText& file : files) {
      RemoveScratch(platform, scratchOf(file.path));
    }
    throw;
  }
}

}  // namespace corvane
