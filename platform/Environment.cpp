// Expanding %NAME% references the way Windows does, through the platform's environment.
#include "platform/Environment.h"

namespace corvane {

std::string ExpandEnvironment(Platform& platform, std::string_view text) {
  std::string expanded;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t open = text.find('%', pos);
    const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
    if (close == std::string_view::npos) {
      break;
    }
    expanded.append(text.substr(pos, open - pos));
    const std::string name(text.substr(open + 1, close - open - 1));
    const std::optional<std::string> value = name.empty() ? std::nullopt : platform.EnvironmentVariable(name);
    if (value) {
      expanded += *value;
      pos = close + 1;
    } else {
      // Not a reference: the first % stays, and the second may open the next one.
      expanded += '%';
      expanded += name;
      pos = close;
    }
  }
  expanded.append(text.substr(pos));
  return expanded;
}

}  // namespace corvane
