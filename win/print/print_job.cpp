#include "win/print/print_job.h"

#include <algorithm>

#include "core/print/print_layout.h"
#include "win/colour/escape_key.h"
#include "win/platform/gdi_font.h"
#include "win/print/printer.h"

namespace varnock {

namespace {

constexpr int kLargestPoints = 2000;

// The display font made for the printer's resolution (the screen's size would print tiny).
HFONT CreatePrintFont(HDC dc, const FontSpec& font) {
  LOGFONTA lf = LogFontOf(font);
  const int points = std::clamp(font.pointSize, 0, kLargestPoints);
  lf.lfHeight = points > 0 ? -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72) : 0;
  return CreateFontIndirectA(&lf);
}

PrintGeometry GeometryOf(HDC dc, int points) {
  PrintGeometry g;
  g.dpiX = GetDeviceCaps(dc, LOGPIXELSX);
  g.dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  g.pageWidth = GetDeviceCaps(dc, HORZRES);
  g.pageHeight = GetDeviceCaps(dc, VERTRES);
  g.fontPoints = points;
  TEXTMETRICA metrics{};
  if (GetTextMetricsA(dc, &metrics)) g.lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
  return g;
}

CharWidths WidthsOf(HDC dc) {
  CharWidths widths{};
  INT got[256] = {};
  if (GetCharWidth32A(dc, 0, 255, got)) std::copy(std::begin(got), std::end(got), widths.begin());
  return widths;
}

COLORREF PrintedColour(const ColourRun* run) {
  if (!run || run->automatic) return RGB(0, 0, 0);
  // The system's text colour is "no colour" for paper (white on a dark scheme).
  if (run->colour == GetSysColor(COLOR_WINDOWTEXT)) return RGB(0, 0, 0);
  return run->colour;
}

class PieceDrawer {
 public:
  PieceDrawer(HDC dc, const std::string& text, const CharWidths& widths, const std::vector<ColourRun>* runs)
      : dc_(dc), text_(text), widths_(widths), runs_(runs) {}

  // One drawing call per run of one colour, with the widths the layout counted.
  void Draw(const PrintPiece& piece, int y) {
    int x = piece.x;
    size_t at = piece.start;
    const size_t end = piece.start + piece.length;
    while (at < end) {
      size_t stop = end;
      const ColourRun* run = runs_ ? RunAt(*runs_, at) : nullptr;
      if (run) stop = std::min(end, run->start + run->length);
      SetTextColor(dc_, runs_ ? PrintedColour(run) : RGB(0, 0, 0));
      dx_.clear();
      int width = 0;
      for (size_t i = at; i < stop; ++i) {
        dx_.push_back(widths_[static_cast<unsigned char>(text_[i])]);
        width += dx_.back();
      }
      ExtTextOutA(dc_, x, y, 0, nullptr, text_.data() + at, static_cast<UINT>(stop - at), dx_.data());
      x += width;
      at = stop;
    }
  }

 private:
  HDC dc_;
  const std::string& text_;
  const CharWidths& widths_;
  const std::vector<ColourRun>* runs_;
  std::vector<INT> dx_;
};

}  // namespace

PrintJob::PrintJob(HDC dc, const std::string& title) : dc_(dc) {
  DOCINFOA info{};
  info.cbSize = sizeof info;
  info.lpszDocName = title.c_str();
  const std::string& output = PrintOutputFile();
  info.lpszOutput = output.empty() ? nullptr : output.c_str();
  started_ = StartDocA(dc_, &info) > 0;
}

PrintJob::~PrintJob() {
  if (started_) AbortDoc(dc_);
}

PrintOutcome PrintJob::Abort(PrintOutcome why) {
  if (started_) AbortDoc(dc_);
  started_ = false;
  return why;
}

PrintOutcome PrintJob::Print(const std::string& text, const std::vector<ColourRun>* runs, const FontSpec& font,
                             int copies) {
  if (!started_) return PrintOutcome::Failed;
  points_ = std::clamp(font.pointSize, 0, kLargestPoints);
  HFONT printFont = CreatePrintFont(dc_, font);
  HGDIOBJ previous = SelectObject(dc_, printFont);
  SetBkMode(dc_, TRANSPARENT);
  ForgetEarlierEscape();
  PrintOutcome outcome = PrintOutcome::Printed;
  for (int copy = 0; copy < std::max(copies, 1) && outcome == PrintOutcome::Printed; ++copy)
    PrintPages(text, runs, &outcome);
  SelectObject(dc_, previous);
  DeleteObject(printFont);
  if (outcome != PrintOutcome::Printed) return outcome;
  // A printer that cannot write its output says so only here.
  started_ = false;
  return EndDoc(dc_) > 0 ? PrintOutcome::Printed : PrintOutcome::Failed;
}

bool PrintJob::PrintPages(const std::string& text, const std::vector<ColourRun>* runs, PrintOutcome* outcome) {
  const CharWidths widths = WidthsOf(dc_);
  PieceDrawer drawer(dc_, text, widths, runs);
  for (const PrintPage& page : LayoutPrint(text, GeometryOf(dc_, points_), widths)) {
    if (StartPage(dc_) <= 0) {
      *outcome = Abort(PrintOutcome::Failed);
      return false;
    }
    for (const PrintRow& row : page.rows) {
      if (EscapePressed()) {
        *outcome = Abort(PrintOutcome::Aborted);
        return false;
      }
      for (const PrintPiece& piece : row.pieces) {
        drawer.Draw(piece, row.y);
        if (piece.length) lastDrawn_ = static_cast<long>(piece.start + piece.length - 1);
      }
    }
    if (EndPage(dc_) <= 0) {
      *outcome = Abort(PrintOutcome::Failed);
      return false;
    }
    ++pages_;
  }
  return true;
}

}  // namespace varnock
