// The two manuals (PDF in the reader, else DOC in the word processor) and the web support page.
#pragma once

#include <optional>
#include <string>

#include "platform/Desktop.h"
#include "settings/ModuleState.h"

namespace corvane {

// The manual's name without a ".pdf" or ".doc" ending (case-sensitive); any other name stays whole.
std::string ManualBaseName(const std::string& manualName);

enum class ManualAction { OpenPdf, OpenDoc, Tell };

struct ManualDecision {
  ManualAction action;
  std::string message;  // where action is Tell
};

// What to do once both copies have been probed; the first matching row of the table wins.
ManualDecision DecideManual(bool readerFound, bool pdfPresent, bool wordProcessorFound, bool docPresent);

namespace Shortcuts11 {

void OpenManual(Desktop& platform, State& state, int manualNumber);
void OpenWebSupport(Platform& platform, State& state);

}  // namespace Shortcuts11
}  // namespace corvane
