// A local date and time as text that sorts as it reads: "2026-12-08 08:45:00".
#pragma once

#include <cstdio>
#include <string>

#include "platform/Platform.h"

namespace corvane {

inline std::string DateTimeText(const Date& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day, time.hour,
                time.minute, time.second);
  return text;
}

}  // namespace corvane
