// What the start-up benchmark and its bare comparison program agree on.
#pragma once

#include <string_view>

namespace corvane::bench {

// The caption of the bare program's one window; the benchmark waits for a visible window with it.
inline constexpr std::wstring_view kBareWindowCaption = L"Bare window";

}  // namespace corvane::bench
