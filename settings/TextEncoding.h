// The encodings Windows' editors save text in: Notepad's "Unicode" (UTF-16) and UTF-8 with or without its mark.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Whether `bytes` are well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing past
// U+10FFFF.
bool IsUtf8(std::string_view bytes);

// The text of a file's bytes as UTF-8 where they are Unicode: UTF-16 after its mark (FF FE or FE FF), UTF-8 after its
// mark, or UTF-8 without it where every byte forms valid UTF-8 and at least one is above 0x7F. Nothing where the bytes
// are to be read in the ANSI code page. A UTF-16 unit that pairs with nothing becomes U+FFFD, which no ANSI code page
// holds.
std::optional<std::string> UnicodeText(std::string_view bytes);

}  // namespace corvane
