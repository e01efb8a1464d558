#include "core/colour/marker_shift.h"

namespace varnock {

TextSelection SelectionAfterMarkers(TextSelection before, const std::vector<std::size_t>& markerOffsets,
                                    std::size_t markerLength) {
  const std::size_t end = before.start + before.length;
  std::size_t atOrBeforeStart = 0;
  std::size_t beforeEnd = 0;
  for (std::size_t i = 0; i < markerOffsets.size(); ++i) {
    // The marker's offset in the text as it was before any marker went in.
    const std::size_t original = markerOffsets[i] - i * markerLength;
    if (original <= before.start) ++atOrBeforeStart;
    if (original < end) ++beforeEnd;
  }
  TextSelection after;
  after.start = before.start + atOrBeforeStart * markerLength;
  const std::size_t newEnd = end + beforeEnd * markerLength;
  after.length = newEnd > after.start ? newEnd - after.start : 0;
  return after;
}

}  // namespace varnock
