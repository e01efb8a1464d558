// The line rules, the line check and the RTF of a coloured text.
#include "core/colour/colour_rtf.h"
#include "core/colour/line_check.h"
#include "core/colour/line_rules.h"
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
  // The whole text coloured and built as RTF: braces balance.
  std::vector<ColourRange> ranges;
  for (const TextLineSpan& span : LocateTextLines(text)) {
    // No marker: the RTF is built for the text as it stands.
    const std::string each = text.substr(span.byteStart, span.length);
    const LineColouring c = ColourLine(each, span.offset, kind, EntryDelimiters::WholeDocument, "");
    if (!c.overLong) ranges.insert(ranges.end(), c.ranges.begin(), c.ranges.end());
  }
  const std::string rtf = BuildColourRtf(text, ranges, RtfColours(), FontSpec());
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') ++i;
    else if (rtf[i] == '{') ++depth;
    else if (rtf[i] == '}') FUZZ_CHECK(--depth >= 0);
  }
  FUZZ_CHECK(depth == 0);
  return 0;
}
