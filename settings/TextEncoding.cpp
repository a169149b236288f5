// Recognising and decoding UTF-16 and UTF-8 by their bytes.
#include "settings/TextEncoding.h"

#include <algorithm>
#include <cstdint>

namespace corvane {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE", kUtf16BigMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& text, char32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += {static_cast<char>(0xC0 | (code >> 6)), static_cast<char>(0x80 | (code & 0x3F))};
  } else if (code < 0x10000) {
    text += {static_cast<char>(0xE0 | (code >> 12)), static_cast<char>(0x80 | ((code >> 6) & 0x3F)),
             static_cast<char>(0x80 | (code & 0x3F))};
  } else {
    text += {static_cast<char>(0xF0 | (code >> 18)), static_cast<char>(0x80 | ((code >> 12) & 0x3F)),
             static_cast<char>(0x80 | ((code >> 6) & 0x3F)), static_cast<char>(0x80 | (code & 0x3F))};
  }
}

std::string FromUtf16(std::string_view bytes, bool bigEndian) {
  const auto unit = [&](std::size_t at) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[at]), second = static_cast<unsigned char>(bytes[at + 1]);
    return bigEndian ? (first << 8) | second : (second << 8) | first;
  };
  std::string text;
  // An odd last byte is half a character: nothing of it is read.
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const char32_t code = unit(at);
    const bool high = code >= 0xD800 && code <= 0xDBFF, low = code >= 0xDC00 && code <= 0xDFFF;
    if (high && at + 3 < bytes.size() && unit(at + 2) >= 0xDC00 && unit(at + 2) <= 0xDFFF) {
      AppendUtf8(text, 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00));
      at += 2;
    } else {
      AppendUtf8(text, high || low ? kReplacement : code);
    }
  }
  return text;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
  for (std::size_t at = 0; at < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || at + length > bytes.size()) {
      return false;
    }
    const auto next = static_cast<unsigned char>(length > 1 ? bytes[at + 1] : 0x80);
    // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    if (next < low || next > high || !std::all_of(bytes.begin() + at + 2, bytes.begin() + at + length, [](char c) {
          return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
        })) {
      return false;
    }
    at += length;
  }
  return true;
}

std::optional<std::string> UnicodeText(std::string_view bytes) {
  if (bytes.starts_with(kUtf16LittleMark) || bytes.starts_with(kUtf16BigMark)) {
    return FromUtf16(bytes.substr(2), bytes.starts_with(kUtf16BigMark));
  }
  if (bytes.starts_with(kUtf8Mark)) {
    return std::string(bytes.substr(kUtf8Mark.size()));
  }
  const bool beyondAscii = std::ranges::any_of(bytes, [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (beyondAscii && IsUtf8(bytes)) {
    return std::string(bytes);
  }
  return std::nullopt;
}

}  // namespace corvane
