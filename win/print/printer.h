#pragma once
// The system's print and printer setup dialogs, with the printer, paper and orientation
// chosen kept for later jobs, and the seams the in-process tests use.
#include <windows.h>

#include <commdlg.h>

#include <functional>
#include <string>

namespace varnock {

// The printer chosen last (its DEVMODE and DEVNAMES blocks), owned here.
class PrinterSettings {
 public:
  PrinterSettings() = default;
  ~PrinterSettings();
  PrinterSettings(const PrinterSettings&) = delete;
  PrinterSettings& operator=(const PrinterSettings&) = delete;

  HGLOBAL devMode = nullptr;
  HGLOBAL devNames = nullptr;
  // Keeps what a dialog handed back (freeing blocks it replaced).
  void Keep(HGLOBAL mode, HGLOBAL names);
};

struct PrintChoice {
  HDC dc = nullptr;  // the printer's drawing surface; the caller deletes it
  int copies = 1;
};

enum class PrintDialogResult { Chosen, Cancelled, NoPrinter, Failed };

// The print dialog: no page range, selection or print to file.
PrintDialogResult ShowPrintDialog(HWND owner, PrinterSettings& settings, PrintChoice* choice);
// The printer setup dialog; false when cancelled (or no printer: `noPrinter` tells).
bool ShowPrintSetupDialog(HWND owner, PrinterSettings& settings, bool* noPrinter);

// A drawing surface for the printer the blocks describe (the default printer without).
HDC CreatePrinterDc(HGLOBAL devNames, HGLOBAL devMode);

// Tests answer the dialogs: the runner gets the filled request and returns what the
// dialog would (it may set hDC, nCopies, hDevMode, hDevNames), with the dialog's error
// code when it returns FALSE (0: cancelled). Empty: the real dialogs.
using PrintDialogRunner = std::function<BOOL(PRINTDLGA&, DWORD* error)>;
void SetPrintDialogRunner(PrintDialogRunner runner);

// Where jobs write instead of the printer's own output (tests); empty: the printer.
void SetPrintOutputFile(const std::string& path);
const std::string& PrintOutputFile();

}  // namespace varnock
