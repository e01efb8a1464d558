#pragma once
// One print job on a printer's drawing surface: the pages of core's layout drawn in
// black or in the colours of the text's runs. Every step of the printing system is
// checked; a job that does not end well is aborted.
#include <windows.h>

#include <string>
#include <vector>

#include "core/display/font_spec.h"
#include "core/print/rtf_colours.h"

namespace varnock {

enum class PrintOutcome { Printed, Aborted, Failed };

class PrintJob {
 public:
  // Begins the job (StartDoc) titled `title`; see Started.
  PrintJob(HDC dc, const std::string& title);
  ~PrintJob();  // aborts a job that was begun and not ended
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  bool Started() const { return started_; }

  // Prints `copies` copies of `text` (CR LF line breaks) in the print font made from
  // `font` for the printer, then ends the job. With `runs`, each character in its run's
  // colour (text in the system's text colour prints black); without, all black. Escape
  // aborts the job.
  PrintOutcome Print(const std::string& text, const std::vector<ColourRun>* runs, const FontSpec& font, int copies);

  // Offset of the last character drawn, or -1.
  long LastDrawn() const { return lastDrawn_; }
  int PagesPrinted() const { return pages_; }

 private:
  bool PrintPages(const std::string& text, const std::vector<ColourRun>* runs, PrintOutcome* outcome);
  PrintOutcome Abort(PrintOutcome why);

  HDC dc_;
  bool started_ = false;
  long lastDrawn_ = -1;
  int pages_ = 0;
  int points_ = 0;  // the print font's size; 0 when left to the printer
};

}  // namespace varnock
