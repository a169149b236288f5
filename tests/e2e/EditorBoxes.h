// The names of the editor's text boxes, grouped and ordered as the settings files hold their fields.
#pragma once

#include <string>
#include <vector>

namespace corvane::e2e {

// cAppName0 to cAppName12, then cTitle: the 14 fields of the app names file.
std::vector<std::string> AppNameBoxes();
// cHLPath0 to cHLPath12: the 13 fields of the paths file.
std::vector<std::string> PathBoxes();
// cAlias0 to cAlias10: the 11 fields of the captions file.
std::vector<std::string> AliasBoxes();
// All 38, in the three groups' order.
std::vector<std::string> AllSettingsBoxes();

}  // namespace corvane::e2e
