#include "core/colour/line_runs.h"

namespace varnock {

std::vector<ColourRange> LineRuns(const std::vector<ColourRange>& ranges, std::size_t lineOffset, std::size_t length) {
  std::vector<ColourRole> roles(length, ColourRole::Text);
  const std::size_t lineEnd = lineOffset + length;
  for (const ColourRange& r : ranges) {
    const std::size_t from = r.start > lineOffset ? r.start : lineOffset;
    const std::size_t to = r.end() < lineEnd ? r.end() : lineEnd;
    for (std::size_t i = from; i < to; ++i) roles[i - lineOffset] = r.role;
  }
  std::vector<ColourRange> runs;
  for (std::size_t i = 0; i < length;) {
    std::size_t j = i + 1;
    while (j < length && roles[j] == roles[i]) ++j;
    runs.push_back({lineOffset + i, j - i, roles[i]});
    i = j;
  }
  return runs;
}

}  // namespace varnock
