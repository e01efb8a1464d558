#pragma once
// Where the arrangement puts the windows when the system's own tile and cascade
// functions do nothing (they are stubs under Wine).
#include <vector>

#include "core/instances/instance_table.h"

namespace varnock {

enum class ArrangeKind { TileVertically = 1, TileHorizontally = 2, Cascade = 3 };

// Rectangles for `count` windows in table order inside `workArea`: side by side columns,
// stacked rows, or equal windows each stepped down and right by `captionStep` pixels.
std::vector<Rect> ArrangeLayout(ArrangeKind kind, const Rect& workArea, int count, int captionStep);

}  // namespace varnock
