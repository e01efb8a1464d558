#include "core/print/print_layout.h"

#include <algorithm>

namespace varnock {

namespace {

constexpr int kHouseDpi = 288;

int Scaled(int value, int dpi) {
  return static_cast<int>((static_cast<long long>(value) * dpi + kHouseDpi / 2) / kHouseDpi);
}

struct TextLine {
  std::size_t start;
  std::size_t length;
};

// Lines as the text control counts them: CR LF, or a lone CR or LF, ends a line. A final
// line break starts no line of its own (it would print nothing, maybe on a page of its own).
std::vector<TextLine> LinesOf(const std::string& text) {
  std::vector<TextLine> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back({start, i - start});
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size() || lines.empty()) lines.push_back({start, text.size() - start});
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

int Advance(char c, int x, const PrintConstants& k, const CharWidths& widths) {
  if (c == '\t') return k.tabStop - x % k.tabStop;
  return widths[static_cast<unsigned char>(c)];
}

// End of the row that starts at `from`: as many characters as fit, cut after the last
// blank that fits when the line goes on; at least one character. Blanks where the row
// ends stay at its end (they draw nothing) rather than start the next row.
std::size_t RowEnd(const std::string& text, std::size_t from, std::size_t end, int width, const PrintConstants& k,
                   const CharWidths& widths) {
  int x = 0;
  std::size_t afterBlank = 0;
  std::size_t i = from;
  for (; i < end; ++i) {
    const int w = Advance(text[i], x, k, widths);
    if (i > from && x + w > width) break;
    x += w;
    if (IsBlank(text[i])) afterBlank = i + 1;
  }
  if (i < end && IsBlank(text[i])) {
    while (i < end && IsBlank(text[i])) ++i;
    return i;
  }
  if (i < end && afterBlank > from) return afterBlank;
  return i;
}

std::vector<PrintPiece> PiecesOf(const std::string& text, std::size_t from, std::size_t end, const PrintConstants& k,
                                 const CharWidths& widths) {
  std::vector<PrintPiece> pieces;
  int x = 0;
  for (std::size_t i = from; i < end; ++i) {
    if (text[i] == '\t') {
      x += Advance('\t', x, k, widths);
      continue;
    }
    if (pieces.empty() || pieces.back().start + pieces.back().length != i) pieces.push_back({i, 0, k.left + x});
    ++pieces.back().length;
    x += Advance(text[i], x, k, widths);
  }
  return pieces;
}

}  // namespace

PrintConstants PrintConstantsFor(const PrintGeometry& g) {
  PrintConstants k{};
  const int points = std::max(g.fontPoints, 0);
  k.step = std::max({Scaled(4 * std::min(points, 10000), g.dpiY), g.lineHeight, 1});
  k.top = Scaled(15, g.dpiY);
  k.left = Scaled(5, g.dpiX);
  k.tabStop = std::max(g.dpiX / 2, 1);
  return k;
}

std::vector<PrintPage> LayoutPrint(const std::string& text, const PrintGeometry& geometry, const CharWidths& widths) {
  const PrintConstants k = PrintConstantsFor(geometry);
  const int width = std::max(geometry.pageWidth - k.left, 1);
  std::vector<PrintPage> pages(1);
  int n = 0;  // rows on the current page
  auto place = [&](std::vector<PrintPiece> pieces) {
    ++n;
    // The first row of a page stays on it, however tall: a new page would stay empty.
    if (n > 1 && static_cast<long long>(geometry.pageHeight) < static_cast<long long>(n + 1) * k.step + k.top) {
      pages.emplace_back();
      n = 1;
    }
    pages.back().rows.push_back({k.top + n * k.step, std::move(pieces)});
  };
  for (const TextLine& line : LinesOf(text)) {
    const std::size_t end = line.start + line.length;
    std::size_t from = line.start;
    do {
      const std::size_t rowEnd = RowEnd(text, from, end, width, k, widths);
      place(PiecesOf(text, from, rowEnd, k, widths));
      from = rowEnd;
    } while (from < end);
  }
  if (text.empty()) pages.back().rows.clear();
  return pages;
}

}  // namespace varnock
