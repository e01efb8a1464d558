#pragma once
// Print tests: the real "PDF" printer of CUPS, its PostScript written to a file of ours,
// and the poppler tools that read the pages back (run as Unix programs through Wine).
#include <windows.h>

#include <string>
#include <vector>

namespace varnock::test {

// The output read back comes from CUPS's PDF printer: PostScript written to a file of
// ours, or the PDF its back end writes.

// A printed row as pdftotext sees it: its words joined by blanks, its box in points.
struct PrintedRow {
  std::string text;
  double top, bottom, right;
};

struct PrintedPage {
  double width = 0, height = 0;  // as the page is read (a landscape page is wider)
  std::vector<PrintedRow> rows;
};

class PrintOutput {
 public:
  PrintOutput();
  ~PrintOutput();
  // Whether the default printer is CUPS's PDF printer "PDF" (the tests skip without it).
  static bool PrinterReady();
  // The PostScript file jobs write, as a Windows path.
  std::string PostScriptFile() const { return windowsFolder_ + "out.ps"; }
  // Removes what the last job left.
  void Clear();
  // Turns the job's PostScript into a PDF and reads its pages; empty when there is none.
  std::vector<PrintedPage> Pages();
  // The same of a PDF file (copied in first); CountColours then reads it.
  std::vector<PrintedPage> PdfPages(const std::string& windowsPath);
  // Pixels of page `page` (1-based) at 30 dpi that are clearly coloured, and of those
  // clearly green.
  void CountColours(int page, long* coloured, long* green);

 private:
  bool RunUnix(const std::string& command, bool wait = true);
  std::vector<PrintedPage> ReadPdf();
  std::string unixFolder_;
  std::string windowsFolder_;
};

}  // namespace varnock::test
