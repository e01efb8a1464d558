#pragma once
// Where the user's selection belongs after over-long-line markers went into the text.
#include <cstddef>
#include <vector>

namespace varnock {

struct TextSelection {
  std::size_t start = 0;
  std::size_t length = 0;
  bool operator==(const TextSelection& o) const { return start == o.start && length == o.length; }
};

// `markerOffsets` are where each marker of `markerLength` positions starts in the text
// after all were inserted, in increasing order (as LongLineFix::offset). The selection
// keeps its characters: a marker inserted at or before its start moves it, one
// inserted inside it lengthens it, one at or after its end leaves it.
TextSelection SelectionAfterMarkers(TextSelection before, const std::vector<std::size_t>& markerOffsets,
                                    std::size_t markerLength);

}  // namespace varnock
