#include "win/print/printer.h"

namespace varnock {

namespace {

PrintDialogRunner& Runner() {
  static PrintDialogRunner runner;
  return runner;
}

std::string& OutputFile() {
  static std::string path;
  return path;
}

BOOL Run(PRINTDLGA& request, DWORD* error) {
  *error = 0;
  if (Runner()) return Runner()(request, error);
  const BOOL chosen = PrintDlgA(&request);
  if (!chosen) *error = CommDlgExtendedError();
  return chosen;
}

bool NoPrinterError(DWORD error) {
  return error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES || error == PDERR_PRINTERNOTFOUND;
}

PRINTDLGA RequestFor(HWND owner, PrinterSettings& settings, DWORD flags) {
  PRINTDLGA request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = owner;
  request.hDevMode = settings.devMode;
  request.hDevNames = settings.devNames;
  request.Flags = flags;
  request.nCopies = 1;
  request.nMinPage = request.nMaxPage = request.nFromPage = request.nToPage = 1;
  return request;
}

}  // namespace

PrinterSettings::~PrinterSettings() {
  if (devMode) GlobalFree(devMode);
  if (devNames) GlobalFree(devNames);
}

void PrinterSettings::Keep(HGLOBAL mode, HGLOBAL names) {
  if (devMode && devMode != mode) GlobalFree(devMode);
  if (devNames && devNames != names) GlobalFree(devNames);
  devMode = mode;
  devNames = names;
}

PrintDialogResult ShowPrintDialog(HWND owner, PrinterSettings& settings, PrintChoice* choice) {
  // Copies are printed by the program (nCopies), so every driver gives them.
  PRINTDLGA request =
      RequestFor(owner, settings, PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE | PD_ALLPAGES);
  DWORD error = 0;
  const BOOL chosen = Run(request, &error);
  settings.Keep(request.hDevMode, request.hDevNames);
  if (!chosen) {
    if (request.hDC) DeleteDC(request.hDC);
    if (error == 0) return PrintDialogResult::Cancelled;
    return NoPrinterError(error) ? PrintDialogResult::NoPrinter : PrintDialogResult::Failed;
  }
  if (!request.hDC) return PrintDialogResult::Failed;
  choice->dc = request.hDC;
  choice->copies = request.nCopies > 0 ? request.nCopies : 1;
  return PrintDialogResult::Chosen;
}

bool ShowPrintSetupDialog(HWND owner, PrinterSettings& settings, bool* noPrinter) {
  PRINTDLGA request = RequestFor(owner, settings, PD_PRINTSETUP);
  DWORD error = 0;
  const BOOL chosen = Run(request, &error);
  settings.Keep(request.hDevMode, request.hDevNames);
  *noPrinter = !chosen && NoPrinterError(error);
  return chosen != FALSE;
}

HDC CreatePrinterDc(HGLOBAL devNames, HGLOBAL devMode) {
  if (!devNames) {
    PRINTDLGA defaults{};
    defaults.lStructSize = sizeof defaults;
    defaults.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!PrintDlgA(&defaults)) return nullptr;
    if (defaults.hDevMode) GlobalFree(defaults.hDevMode);
    if (defaults.hDevNames) GlobalFree(defaults.hDevNames);
    return defaults.hDC;
  }
  auto* names = static_cast<DEVNAMES*>(GlobalLock(devNames));
  auto* mode = devMode ? static_cast<DEVMODEA*>(GlobalLock(devMode)) : nullptr;
  const char* base = reinterpret_cast<const char*>(names);
  HDC dc = CreateDCA(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
  if (mode) GlobalUnlock(devMode);
  GlobalUnlock(devNames);
  return dc;
}

void SetPrintDialogRunner(PrintDialogRunner runner) { Runner() = std::move(runner); }
void SetPrintOutputFile(const std::string& path) { OutputFile() = path; }
const std::string& PrintOutputFile() { return OutputFile(); }

}  // namespace varnock
