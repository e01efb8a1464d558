#pragma once
// Where every piece of the document stands on the printed pages. The printer's sizes and
// the print font's widths come in; pages of rows of pieces come out, each piece a run of
// characters drawn at one place.
//
// The house rules were made for a 288-dpi printer: a line step of 4 x the font's size in
// points, a top offset of 15 and a left offset of 5. They are scaled to the printer's
// resolution, and the step never falls below the font's line height, so lines never
// overlap. Lines longer than the printable width wrap; a TAB advances to the next
// half-inch stop as on screen.
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace varnock {

struct PrintGeometry {
  int dpiX = 300;
  int dpiY = 300;
  int pageWidth = 0;  // printable area in printer pixels
  int pageHeight = 0;
  int fontPoints = 10;  // the print font's size; 0 or less when unknown
  int lineHeight = 0;   // the print font's line height in printer pixels
};

struct PrintConstants {
  int step;
  int top;
  int left;
  int tabStop;
};

PrintConstants PrintConstantsFor(const PrintGeometry& geometry);

// Width in printer pixels of every byte of the print font.
using CharWidths = std::array<int, 256>;

// A run of characters without TABs or line breaks, drawn with its left edge at x.
struct PrintPiece {
  std::size_t start;  // offset in the text (a CR LF counts two, as in the text control)
  std::size_t length;
  int x;
};

struct PrintRow {
  int y;  // top of the row
  std::vector<PrintPiece> pieces;
};

struct PrintPage {
  std::vector<PrintRow> rows;
};

// The pages of `text`. Always at least one page (an empty text prints one blank page).
std::vector<PrintPage> LayoutPrint(const std::string& text, const PrintGeometry& geometry, const CharWidths& widths);

}  // namespace varnock
