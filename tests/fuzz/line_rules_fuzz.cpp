// The line rules, the line check and the RTF of a coloured text.
#include "core/colour/colour_rtf.h"
#include "core/colour/line_check.h"
#include "core/colour/line_rules.h"
#include "core/colour/line_runs.h"
#include "core/colour/text_colouring.h"
#include "core/colour/text_lines.h"
#include "tests/fuzz/fuzz_support.h"

using namespace varnock;

namespace {

std::string FinalRoles(const LineColouring& colouring, std::size_t offset) {
  std::string roles(colouring.line.size(), 'T');
  for (const ColourRange& range : colouring.ranges) {
    for (std::size_t i = range.start; i < range.end(); ++i) roles[i - offset] = "TCXSE"[static_cast<int>(range.role)];
  }
  return roles;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const DocKind kind = static_cast<DocKind>(data[0] % 6);
  std::string text = fuzz::Bytes(data + 1, size - 1);
  std::string line = text.substr(0, text.find_first_of("\r\n"));
  const std::size_t offset = 7;
  const LineColouring colouring = ColourLine(line, offset, kind, EntryDelimiters::WholeDocument, ": LONG: ");
  FUZZ_CHECK(colouring.line == colouring.marker + line);
  // Every run inside its line; the first paints the whole line in the text colour.
  for (const ColourRange& range : colouring.ranges) {
    FUZZ_CHECK(range.length > 0);
    FUZZ_CHECK(range.start >= offset && range.end() <= offset + colouring.line.size());
  }
  if (!colouring.ranges.empty()) {
    FUZZ_CHECK(colouring.ranges[0].start == offset && colouring.ranges[0].length == colouring.line.size());
    FUZZ_CHECK(colouring.ranges[0].role == ColourRole::Text);
  }
  // Each fault the check reports is painted in the error colour.
  const std::string roles = FinalRoles(colouring, offset);
  for (const LineFaultAt& fault : LineFaults(line, kind)) {
    const std::size_t column = ErrorPaintedColumn(line, fault);
    FUZZ_CHECK(column >= 1 && column <= roles.size());
    FUZZ_CHECK(roles[column - 1] == 'X');
  }
  // The line's runs: consecutive from its start to its end, in order, the same colours.
  const std::vector<ColourRange> runs = LineRuns(colouring.ranges, offset, colouring.line.size());
  std::size_t at = offset;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    FUZZ_CHECK(runs[i].start == at && runs[i].length > 0);
    if (i > 0) FUZZ_CHECK(runs[i].role != runs[i - 1].role);
    for (std::size_t p = runs[i].start; p < runs[i].end(); ++p) {
      FUZZ_CHECK(roles[p - offset] == "TCXSE"[static_cast<int>(runs[i].role)]);
    }
    at = runs[i].end();
  }
  FUZZ_CHECK(at == offset + (runs.empty() ? 0 : colouring.line.size()));
  // The whole text: painted runs sorted, apart and inside the text; its RTF balanced.
  const TextColouring whole = ColourWholeText(text, kind, ": LONG: ");
  const std::size_t length = ControlTextLength(whole.text);
  const std::vector<ColourRange> painted = PaintColourRanges(whole.ranges, length);
  for (std::size_t i = 0; i < painted.size(); ++i) {
    FUZZ_CHECK(painted[i].length > 0 && painted[i].end() <= length);
    if (i > 0) FUZZ_CHECK(painted[i - 1].end() <= painted[i].start);
  }
  const std::string rtf = BuildColourRtf(whole.text, whole.ranges, RtfColours(), FontSpec());
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') ++i;
    else if (rtf[i] == '{') ++depth;
    else if (rtf[i] == '}') FUZZ_CHECK(--depth >= 0);
  }
  FUZZ_CHECK(depth == 0);
  return 0;
}
