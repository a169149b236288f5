// Any bytes as a settings file: the reader never gives more fields than asked, and a whole file it reads, where the
// files can hold it, comes back unchanged through the writer.
#include <cstdint>
#include <string_view>

#include "Require.h"
#include "settings/SettingsFields.h"
#include "settings/SettingsFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const std::string_view file : corvane::SettingsFileNames()) {
    const std::size_t count = corvane::FieldsOf(file).size();
    const auto fields = corvane::ReadSettingsFields(text, count);
    Require(fields.size() <= count);
    bool fits = true;
    for (const auto& field : fields) {
      fits = fits && corvane::FitsSettingsFile(field);
    }
    if (fits && fields.size() == count) {  // the writer writes whole files only
      Require(corvane::ReadSettingsFields(corvane::FormatSettingsLine(fields), count) == fields);
    }
  }
  return 0;
}
