#pragma once
// Arranging the running copies' windows, as the hidden arranging copy does it.
#include <windows.h>

#include <optional>

#include "core/instances/arrange_layout.h"

namespace varnock {

// Tiles or cascades the live registered main windows in table order with the system's
// functions, placing them itself when those do nothing, then shows each normally and
// makes it repaint (so each copy reads the table again).
void ArrangeCopies(ArrangeKind kind);

// A window's rectangle as it would be in its normal state (a minimised window's normal
// rectangle, not its parking place off the screen); nothing when it is gone.
std::optional<Rect> NormalRectangle(HWND window);

// Makes a window of any process repaint (moving or showing it where it already is does not).
void ForceRepaint(HWND window);

}  // namespace varnock
