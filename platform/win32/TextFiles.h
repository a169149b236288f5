// Whole small text files, stored in the ANSI code page and handed over as UTF-8.
#pragma once

#include <string>

namespace corvane::win32 {

std::string ReadAnsiFile(const std::string& path);
// Creates or truncates `path`. Text the code page cannot hold is refused before the file is touched.
void WriteAnsiFile(const std::string& path, const std::string& text);

}  // namespace corvane::win32
