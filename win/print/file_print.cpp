// FilePrint and FilePrintSetup: the print dialogs, the colour question and the job.
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/prompter.h"
#include "win/platform/rich_format.h"
#include "win/print/control_colours.h"
#include "win/print/print_job.h"

namespace varnock {

namespace {

// The job's title: the document's file name without its folder.
std::string JobTitle(const std::string& documentName) {
  const size_t slash = documentName.find_last_of("\\/");
  const std::string name = slash == std::string::npos ? documentName : documentName.substr(slash + 1);
  return name.empty() ? "Varnock" : name;
}

}  // namespace

void TFormPad::BindPrintCommands() {
  Bind("FilePrintItem", &TFormPad::FilePrint);
  Bind("FilePrintSetupItem", &TFormPad::FilePrintSetup);
}

void TFormPad::FilePrint() {
  PrintChoice choice;
  switch (ShowPrintDialog(hwnd_, printerSettings, &choice)) {
    case PrintDialogResult::Chosen: break;
    case PrintDialogResult::Cancelled: return;
    case PrintDialogResult::NoPrinter: ShowMessage(hwnd_, fMessage("PRINT_NO_PRINTER"), MB_OK | MB_ICONWARNING); return;
    case PrintDialogResult::Failed: ShowMessage(hwnd_, fMessage("PRINT_ERROR"), MB_OK | MB_ICONERROR); return;
  }
  {
    // The selections made while printing neither update the status bar and title nor
    // recolour: the control tells nothing until the job is over, on every path.
    QuietNotifications handlersDetached(Rich1);
    PrintJob job(choice.dc, JobTitle(saveDialogFileName));
    PrintOutcome outcome = PrintOutcome::Failed;
    if (job.Started()) {
      const bool colour =
          fGetDocKind() != 0 && ShowMessage(hwnd_, fMessage("PRINT_COLOR"), MB_YESNO | MB_ICONQUESTION) == IDYES;
      const std::string text = Rich1.Text();
      std::vector<ColourRun> runs;
      if (colour) runs = ReadControlColours(Rich1, text);
      outcome = job.Print(text, colour ? &runs : nullptr, displayFontSpec, choice.copies);
      // Colour printing leaves the last character printed selected.
      if (colour && job.LastDrawn() >= 0) Rich1.Select(job.LastDrawn(), 1);
    }
    DeleteDC(choice.dc);
    if (outcome != PrintOutcome::Failed) return;
  }
  ShowMessage(hwnd_, fMessage("PRINT_ERROR"), MB_OK | MB_ICONERROR);
}

void TFormPad::FilePrintSetup() {
  bool noPrinter = false;
  if (!ShowPrintSetupDialog(hwnd_, printerSettings, &noPrinter) && noPrinter)
    ShowMessage(hwnd_, fMessage("PRINT_NO_PRINTER"), MB_OK | MB_ICONWARNING);
}

}  // namespace varnock
