// Environment references in paths that Windows or the user wrote ("%ProgramFiles%\Microsoft Office").
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace corvane {

// Each %NAME% replaced by the variable's value; a reference to a variable that is not defined, and a lone %, stay
// as they were typed, as Windows leaves them.
std::string ExpandEnvironment(Platform& platform, std::string_view text);

}  // namespace corvane
