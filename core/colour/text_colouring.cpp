#include "core/colour/text_colouring.h"

#include "core/colour/text_lines.h"

namespace varnock {

TextColouring ColourWholeText(const std::string& text, DocKind kind, const std::string& longLineMarker,
                              const std::function<bool()>& cancelled) {
  TextColouring out;
  out.text = text;
  if (kind == DocKind::None) return out;

  const std::vector<TextLineSpan> lines = LocateTextLines(text);
  out.ranges.reserve(lines.size() * 3);
  std::size_t inserted = 0;  // bytes of markers inserted before the current line
  std::size_t offset = 0;    // the current line's offset in the fixed text
  std::string lineText;      // one buffer for every line
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (cancelled && cancelled()) {
      out.cancelled = true;
      out.ranges.clear();
      break;
    }
    const TextLineSpan& span = lines[i];
    lineText.assign(text, span.byteStart, span.length);
    LineColouring line = ColourLine(lineText, offset, kind, EntryDelimiters::WholeDocument, longLineMarker);
    if (line.overLong) {
      out.text.insert(span.byteStart + inserted, line.marker);
      inserted += line.marker.size();
      out.fixes.push_back({i, line.markerOffset});
    }
    out.ranges.insert(out.ranges.end(), line.ranges.begin(), line.ranges.end());
    offset += line.line.size() + span.breakLength;
  }
  return out;
}

LineColouring ColourLineOfText(const std::string& text, std::size_t lineNumber, DocKind kind,
                               const std::string& longLineMarker) {
  const std::vector<TextLineSpan> lines = LocateTextLines(text);
  if (lineNumber < 1 || lineNumber > lines.size() || kind == DocKind::None) {
    return LineColouring();
  }
  const TextLineSpan& span = lines[lineNumber - 1];
  return ColourLine(text.substr(span.byteStart, span.length), span.offset, kind, EntryDelimiters::OneLine,
                    longLineMarker);
}

std::vector<ColourRange> PaintColourRanges(const std::vector<ColourRange>& ranges, std::size_t controlLength) {
  std::vector<ColourRole> roles(controlLength, ColourRole::Text);
  for (const ColourRange& r : ranges) {
    if (r.start >= controlLength) continue;
    const std::size_t end = r.length < controlLength - r.start ? r.start + r.length : controlLength;
    for (std::size_t i = r.start; i < end; ++i) roles[i] = r.role;
  }
  std::vector<ColourRange> runs;
  for (std::size_t i = 0; i < controlLength;) {
    std::size_t j = i + 1;
    while (j < controlLength && roles[j] == roles[i]) ++j;
    if (roles[i] != ColourRole::Text) runs.push_back({i, j - i, roles[i]});
    i = j;
  }
  return runs;
}

}  // namespace varnock
