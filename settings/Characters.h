// Lengths and cuts of the user's text count characters, never the bytes that UTF-8 spends on them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// `text` without its last `count` characters; none where it has fewer than `count`.
std::optional<std::string> WithoutLastCharacters(std::string_view text, std::size_t count);

}  // namespace corvane
