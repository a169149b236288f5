// Opening a manual or the support page in an outside program.
#include "support/Manuals.h"

#include "locate/ExternalPrograms.h"
#include "locate/Locate.h"
#include "platform/Failure.h"
#include "settings/Characters.h"
#include "settings/SelectApp.h"

namespace corvane {
namespace {

constexpr std::string_view kInternetExplorer = "C:\\Program Files\\Internet Explorer\\iexplore.exe";

// Secure addresses have a browser of their own in Windows' eyes; anything else is a plain web address.
std::string AddressScheme(std::string_view address) {
  std::string scheme(address.substr(0, 6));
  for (char& c : scheme) {
    c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  }
  return scheme == "https:" ? "https" : "http";
}

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

void OpenManual(Desktop& platform, State& state, int manualNumber) {
  // Looked for once, at the first manual: the launcher's start does not wait for them.
  if (state.WordProcessorStatus.empty()) {
    LocateWordProcessor(platform, state);
  }
  if (state.PdfReaderStatus.empty()) {
    LocatePdfReader(platform, state);
  }
  const auto& settings = state.LauncherSettings;
  std::string name;
  std::string folder;
  if (manualNumber == 1 || manualNumber == 2) {
    name = manualNumber == 1 ? settings.ManualName1 : settings.ManualName2;
    folder = settings.ManualPath;
  }
  // A folder that is no full path would be looked for in the current folder or at the root of the current drive.
  if (!IsFullFolder(folder) || !platform.Exists(folder, Lookup::Directories)) {
    ShowInfo(platform, "Cannot find Path to the Manual.");
    return;
  }
  const std::string base = folder + "\\" + ManualBaseName(name);
  const std::string pdfPath = base + ".pdf";
  const std::string docPath = base + ".doc";
  const bool pdfPresent = platform.Exists(pdfPath, Lookup::NormalFiles);
  const bool docPresent = platform.Exists(docPath, Lookup::NormalFiles);
  // Where no reader or word processor was found, the program Windows opens the type with stands in for it.
  const bool readerLocated = state.PdfReaderStatus == kExists;
  const bool wordProcessorLocated = state.WordProcessorStatus == kExists;
  const std::optional<Association> pdfOpener = readerLocated ? std::nullopt : platform.AssociationOf(".pdf");
  const std::optional<Association> docOpener = wordProcessorLocated ? std::nullopt : platform.AssociationOf(".doc");
  const ManualDecision decision =
      DecideManual(readerLocated || pdfOpener, pdfPresent, wordProcessorLocated || docOpener, docPresent);
  switch (decision.action) {
    case ManualAction::OpenPdf:
      if (readerLocated) {
        OpenWithPdfReader(platform, state, pdfPath);
      } else {
        OpenAssociated(platform, state, *pdfOpener, pdfPath);
      }
      break;
    case ManualAction::OpenDoc:
      if (wordProcessorLocated) {
        OpenWithWordProcessor(platform, state, docPath);
      } else {
        OpenAssociated(platform, state, *docOpener, docPath);
      }
      break;
    case ManualAction::Tell:
      ShowInfo(platform, decision.message);
      break;
  }
}

// The address goes unquoted after the fixed path; the program path is passed apart, so the blank in
// "Program Files" can never make Windows run some C:\Program.exe instead. Where that browser is gone, the page
// opens in the one Windows opens such addresses with; where there is none either, the user is told so.
void OpenWebSupport(Platform& platform, State& state) {
  const std::string& address = state.LauncherSettings.SupportUrl;
  const std::string program(kInternetExplorer);
  if (!Probe(platform, program)) {
    const auto browser = platform.AssociationOf(AddressScheme(address));
    if (!browser) {
      throw ProgramError("No web browser is registered on this PC, so " + address + " cannot be opened.");
    }
    StartRecorded(platform, state, browser->program, AssociationCommandLine(browser->command, address), Wait::No);
    return;
  }
  StartRecorded(platform, state, program, program + " " + address, Wait::No);
}

}  // namespace Shortcuts11
}  // namespace corvane
