// Opening a manual or the support page in an outside program.
#include "support/Manuals.h"

#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/Characters.h"
#include "settings/LauncherSettings.h"

namespace corvane {
namespace {

constexpr std::string_view kInternetExplorer = "C:\\Program Files\\Internet Explorer\\iexplore.exe";

}  // namespace

std::string ManualBaseName(const std::string& manualName) {
  if (manualName.ends_with(".pdf") || manualName.ends_with(".doc")) {
    return *WithoutLastCharacters(manualName, 4);
  }
  return manualName;
}

ManualDecision DecideManual(bool readerFound, bool pdfPresent, bool wordProcessorFound, bool docPresent) {
  if (readerFound && pdfPresent) {
    return {ManualAction::OpenPdf, {}};
  }
  if (wordProcessorFound && docPresent) {
    return {ManualAction::OpenDoc, {}};
  }
  if (readerFound) {
    return {ManualAction::Tell, wordProcessorFound ? "Cannot find the Manual in pdf or doc format"
                                                   : "Cannot find the Manual or Word Processor"};
  }
  return {ManualAction::Tell,
          wordProcessorFound ? "Cannot find Adobe Reader or the Manual" : "Cannot find Adobe Reader or Word Processor"};
}

namespace Shortcuts11 {

void OpenManual(Platform& platform, int manualNumber) {
  RunGuarded(platform, [&] {
    const auto& settings = LauncherSettings;
    std::string name;
    std::string folder;
    if (manualNumber == 1 || manualNumber == 2) {
      name = manualNumber == 1 ? settings.ManualName1 : settings.ManualName2;
      folder = settings.ManualPath;
    }
    if (folder.empty() || !platform.Exists(folder, Lookup::Directories)) {
      ShowInfo(platform, "Cannot find Path to the Manual.");
      return;
    }
    const std::string base = folder + "\\" + ManualBaseName(name);
    const std::string pdfPath = base + ".pdf";
    const std::string docPath = base + ".doc";
    const bool pdfPresent = platform.Exists(pdfPath, Lookup::NormalFiles);
    const bool docPresent = platform.Exists(docPath, Lookup::NormalFiles);
    const ManualDecision decision =
        DecideManual(PdfReaderStatus == kExists, pdfPresent, WordProcessorStatus == kExists, docPresent);
    switch (decision.action) {
      case ManualAction::OpenPdf:
        OpenWith(platform, PdfReaderPath, pdfPath);
        break;
      case ManualAction::OpenDoc:
        OpenWith(platform, WordProcessorPath, docPath);
        break;
      case ManualAction::Tell:
        ShowInfo(platform, decision.message);
        break;
    }
  });
}

// The address goes unquoted after the fixed path; the program path is passed apart, so the blank in
// "Program Files" can never make Windows run some C:\Program.exe instead.
void OpenWebSupport(Platform& platform) {
  RunGuarded(platform, [&] {
    const std::string program(kInternetExplorer);
    StartRecorded(platform, program, program + " " + LauncherSettings.SupportUrl, Wait::No);
  });
}

}  // namespace Shortcuts11
}  // namespace corvane
