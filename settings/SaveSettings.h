// The settings as the editor shows them, and saving what it holds into the files and the record.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Desktop.h"
#include "settings/LauncherSettings.h"

namespace corvane {

// The texts of `texts` that go into `file`, one of the settings files, in its order.
std::vector<std::string> TextsOf(const SettingsTexts& texts, std::string_view file);
// The stored settings as the editor's texts.
SettingsTexts StoredTexts(LauncherSettingsRecord& settings);

namespace Shortcuts11 {

// Stores the editor's texts and writes the settings files, except those in `leaveAlone`, whose texts are neither
// written nor stored. Returns false, having said why, for a text the files cannot hold; a failure to write is thrown,
// with the files and the record as they were.
bool SaveSettings(Desktop& platform, LauncherSettingsRecord& settings, const SettingsTexts& texts,
                  std::span<const std::string> leaveAlone = {});

}  // namespace Shortcuts11
}  // namespace corvane
