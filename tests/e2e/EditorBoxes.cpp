// Builds the editor's box names from their numbered patterns.
#include "EditorBoxes.h"

namespace corvane::e2e {

namespace {

std::vector<std::string> Numbered(const std::string& prefix, int last) {
  std::vector<std::string> boxes;
  for (int number = 0; number <= last; ++number) {
    boxes.push_back(prefix + std::to_string(number));
  }
  return boxes;
}

}  // namespace

std::vector<std::string> AppNameBoxes() {
  std::vector<std::string> boxes = Numbered("cAppName", 12);
  boxes.push_back("cTitle");
  return boxes;
}

std::vector<std::string> PathBoxes() {
  return Numbered("cHLPath", 12);
}

std::vector<std::string> AliasBoxes() {
  return Numbered("cAlias", 10);
}

std::vector<std::string> AllSettingsBoxes() {
  std::vector<std::string> boxes = AppNameBoxes();
  for (const auto& group : {PathBoxes(), AliasBoxes()}) {
    boxes.insert(boxes.end(), group.begin(), group.end());
  }
  return boxes;
}

}  // namespace corvane::e2e
