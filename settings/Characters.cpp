// Counting and cutting UTF-8 text by character.
#include "settings/Characters.h"

namespace corvane {

namespace {

// Every byte but a continuation byte (10xxxxxx) begins a character.
bool BeginsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

}  // namespace

std::optional<std::string> WithoutLastCharacters(std::string_view text, std::size_t count) {
  std::size_t end = text.size();
  for (std::size_t dropped = 0; dropped < count; ++dropped) {
    if (end == 0) {
      return std::nullopt;
    }
    do {
      --end;
    } while (end > 0 && !BeginsCharacter(text[end]));
  }
  return std::string(text.substr(0, end));
}

}  // namespace corvane
