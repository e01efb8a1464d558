#pragma once
// One line's colours as the fewest paint calls: runs that cover the line whole, the
// text colour included, so a keystroke's recolour paints each character once.
#include <cstddef>
#include <vector>

#include "core/colour/colour_range.h"

namespace varnock {

// The net effect of `ranges` (painted in order) over the line of `length` positions
// starting at control offset `lineOffset`, as consecutive runs from the line start to
// its end; neighbours of the same role are merged. Ranges outside the line are cut.
// Empty for an empty line.
std::vector<ColourRange> LineRuns(const std::vector<ColourRange>& ranges, std::size_t lineOffset, std::size_t length);

}  // namespace varnock
