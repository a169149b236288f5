// Reading the unattended command line strictly: a scheduled task that is mistyped must do nothing at all.
#include "unattended/UnattendedRequest.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "settings/LauncherSettings.h"

namespace corvane {
namespace {

constexpr int kMaxKeep = 999;
constexpr int kMaxWaitMinutes = 1440;
constexpr int kDefaultWaitMinutes = 60;

bool SameWord(std::string_view text, std::string_view word) {
  return std::ranges::equal(text, word,
                            [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == y; });
}

bool IsOption(std::string_view argument) {
  return !argument.empty() && (argument[0] == '/' || argument[0] == '-');
}

// The option's name without its '/' or '-', in lower case, or empty for anything that is not one of the six.
std::string_view OptionName(std::string_view argument) {
  if (!IsOption(argument)) {
    return {};
  }
  for (std::string_view name : {"backup", "compact", "restore", "register", "keep", "wait"}) {
    if (SameWord(argument.substr(1), name)) {
      return name;
    }
  }
  return {};
}

// Only plain digits, from 1 to max: no sign, no blanks, no other base.
std::optional<int> Number(std::string_view text, int max) {
  unsigned value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < 1 || value > static_cast<unsigned>(max)) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

// The slots may arrive as one argument or several ("1,2", "1 2", "1, 2"), so they are read from the joined text:
// blanks and commas both separate numbers, but a comma needs a number on each side ("1,,2" and "1," are refused).
bool ReadSlots(std::string_view text, UnattendedRequest& request) {
  std::vector<std::string_view> words;
  bool wantNumber = true;
  for (std::size_t at = 0; at < text.size();) {
    if (text[at] == ' ' || text[at] == '\t') {
      ++at;
    } else if (text[at] == ',') {
      if (wantNumber) {
        return false;
      }
      wantNumber = true;
      ++at;
    } else {
      const std::size_t end = std::min(text.find_first_of(" \t,", at), text.size());
      words.push_back(text.substr(at, end - at));
      wantNumber = false;
      at = end;
    }
  }
  if (wantNumber) {
    return false;
  }
  if (words.size() == 1 && SameWord(words[0], "all")) {
    request.allSlots = true;
    return true;
  }
  for (std::string_view word : words) {
    const std::optional<int> slot = Number(word, kSlotCount);
    if (!slot) {
      return false;
    }
    request.slots.push_back(*slot - 1);
  }
  std::ranges::sort(request.slots);
  request.slots.erase(std::unique(request.slots.begin(), request.slots.end()), request.slots.end());
  return true;
}

// "/restore SLOT COPY": one slot, and a bare file name, which can reach no other folder than the slot's backups.
std::optional<UnattendedRequest> ParseRestore(std::span<const std::string> arguments) {
  if (arguments.size() != 3) {
    return std::nullopt;
  }
  const std::optional<int> slot = Number(arguments[1], kSlotCount);
  const std::string& copy = arguments[2];
  if (!slot || copy.empty() || copy == "." || copy == ".." || copy.find_first_of("\\/:") != std::string::npos) {
    return std::nullopt;
  }
  return UnattendedRequest{Maintenance::Restore, false, {*slot - 1}, 0, kDefaultWaitMinutes, copy};
}

}  // namespace

std::optional<UnattendedRequest> ParseUnattended(std::span<const std::string> arguments) {
  if (arguments.empty()) {
    return std::nullopt;
  }
  const std::string_view action = OptionName(arguments[0]);
  if (action == "restore") {
    return ParseRestore(arguments);
  }
  if (action == "register") {
    return arguments.size() == 1 ? std::optional(UnattendedRequest{Maintenance::Register, false, {}, 0, 0, {}})
                                 : std::nullopt;
  }
  if (action != "backup" && action != "compact") {
    return std::nullopt;
  }
  UnattendedRequest request{
      action == "backup" ? Maintenance::Backup : Maintenance::Compact, false, {}, 0, kDefaultWaitMinutes, {}};

  std::size_t next = 1;
  std::string slots;
  for (; next < arguments.size() && !IsOption(arguments[next]); ++next) {
    slots += arguments[next] + ' ';
  }
  if (!ReadSlots(slots, request)) {
    return std::nullopt;
  }
  if (next == arguments.size()) {
    return request;
  }

  // At most one option follows, with its value, and it must belong to the action.
  const std::string_view option = OptionName(arguments[next]);
  const bool belongs = option == (request.action == Maintenance::Backup ? "keep" : "wait");
  if (!belongs || next + 2 != arguments.size()) {
    return std::nullopt;
  }
  const std::optional<int> value = Number(arguments[next + 1], option == "keep" ? kMaxKeep : kMaxWaitMinutes);
  if (!value) {
    return std::nullopt;
  }
  (option == "keep" ? request.keep : request.waitMinutes) = *value;
  return request;
}

}  // namespace corvane
