#pragma once
// The main window's design sizes at a given DPI (win/app/display_scale.cpp).
#include "win/platform/toolbar.h"

namespace varnock {

// The large or the small toolbar's images, buttons and separators at `dpi`.
ToolBarMetrics ToolBarMetricsAt(bool large, int dpi);

// A status panel's width at `dpi` (for the message panel: its least width).
int StatusPanelWidthAt(int panel, int dpi);

}  // namespace varnock
