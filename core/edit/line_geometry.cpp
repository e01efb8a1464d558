#include "core/edit/line_geometry.h"

#include <algorithm>

namespace varnock {

namespace {
// What a missing line break after the last line would occupy.
constexpr std::size_t kVirtualBreak = 2;
}  // namespace

LineGeometry::LineGeometry(const std::string& text) : textLength_(text.size()) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t brk = text.find_first_of("\r\n", start);
    starts_.push_back(start);
    if (brk == std::string::npos) {
      lengths_.push_back(text.size() - start);
      ends_.push_back(text.size() + kVirtualBreak);
      break;
    }
    std::size_t next = brk + 1;
    if (text[brk] == '\r' && next < text.size() && text[next] == '\n') ++next;
    lengths_.push_back(brk - start);
    ends_.push_back(next);
    start = next;
  }
}

std::size_t LineGeometry::lineHolding(std::size_t position) const {
  return static_cast<std::size_t>(std::upper_bound(ends_.begin(), ends_.end(), position) - ends_.begin());
}

CaretPlace LocateCaret(const LineGeometry& geometry, std::size_t position) {
  if (geometry.count() == 0) return {1, 1};
  position = std::min(position, geometry.textLength());
  const std::size_t line = geometry.lineHolding(position);
  // Past the last line, the caret's line starts where the last line's range ends.
  const std::size_t lineStart = line < geometry.count() ? geometry.start(line) : geometry.end(line - 1);
  return {line + 1, position >= lineStart ? position - lineStart : 0};
}

TouchedLines FindTouchedLines(const LineGeometry& geometry, Selection selection) {
  TouchedLines touched;
  touched.widened = selection;
  const std::size_t lines = geometry.count();
  if (lines == 0) return touched;

  if (selection.start == 0 && selection.length == geometry.textLength()) {
    touched.count = lines;
    touched.first = 0;
    touched.last = lines - 1;
    touched.wholeText = true;
    return touched;
  }

  const std::size_t first = geometry.lineHolding(selection.start);
  const std::size_t end = selection.end();
  if (first >= lines || end == 0) return touched;
  // The first line whose range reaches the selection end: S(i) < end <= E(i).
  std::size_t last = first;
  while (last < lines && geometry.end(last) < end) ++last;
  if (last >= lines || geometry.start(last) >= end) return touched;

  touched.count = last - first + 1;
  touched.first = first;
  touched.last = last;
  const std::size_t from = geometry.start(first);
  touched.widened = {from, geometry.start(last) + geometry.length(last) - from};
  return touched;
}

bool SortAndJoinEnabled(const std::string& text, Selection selection) {
  selection = ClampSelection(selection, text.size());
  return selection.length > 0 && FindTouchedLines(LineGeometry(text), selection).count >= 2;
}

}  // namespace varnock
