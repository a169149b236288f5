// Formatting a log line so that one outcome is always exactly one line of tab-separated fields.
#include "unattended/LogLine.h"

#include "platform/DateText.h"

namespace corvane {
namespace {

// The system's own texts end with CR LF, and no field may carry a tab or a line end into the log.
void AddField(std::string& line, std::string_view field) {
  std::string clean(field);
  for (char& c : clean) {
    c = c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
  }
  clean.erase(clean.find_last_not_of(' ') + 1);
  line += '\t' + clean;
}

}  // namespace

std::string LogLine(const Date& time, std::string_view action, std::string_view path, std::string_view outcome,
                    std::span<const std::string> extra) {
  std::string line = DateTimeText(time);
  for (std::string_view field : {action, path, outcome}) {
    AddField(line, field);
  }
  for (const std::string& field : extra) {
    AddField(line, field);
  }
  return line + "\r\n";
}

}  // namespace corvane
