#include "win/instances/arrange.h"

#include <vector>

#include "win/instances/instance_profile.h"
#include "win/settings/settings_file.h"

namespace varnock {

namespace {

Rect WorkArea() {
  RECT area{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0))
    area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {area.left, area.top, area.right, area.bottom};
}

// Where the system's functions did nothing: normal state first (a maximised window
// would otherwise go back to its old place when shown normally), then the layout.
void PlaceOurselves(ArrangeKind kind, const std::vector<HWND>& windows) {
  const int step = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYSIZEFRAME);
  const std::vector<Rect> rects = ArrangeLayout(kind, WorkArea(), static_cast<int>(windows.size()), step);
  for (size_t i = 0; i < windows.size(); ++i) {
    if (IsIconic(windows[i]) || IsZoomed(windows[i])) ShowWindow(windows[i], SW_SHOWNORMAL);
    const Rect& r = rects[i];
    SetWindowPos(windows[i], HWND_TOP, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
  }
}

}  // namespace

std::optional<Rect> NormalRectangle(HWND window) {
  RECT rect{};
  if (!IsWindow(window) || !GetWindowRect(window, &rect)) return std::nullopt;
  if (IsIconic(window)) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return std::nullopt;
    rect = placement.rcNormalPosition;
  }
  return Rect{rect.left, rect.top, rect.right, rect.bottom};
}

void ForceRepaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void ArrangeCopies(ArrangeKind kind) {
  const ProfileInstanceStore store(SettingsFile());
  const LiveMainWindows live;
  std::vector<HWND> windows;
  // Only main windows of this program: a stale handle may name someone else's window now.
  for (WindowId id : RegisteredWindows(store))
    if (live.IsLive(id)) windows.push_back(ToHwnd(id));
  if (windows.empty()) return;
  const UINT count = static_cast<UINT>(windows.size());
  const WORD done =
      kind == ArrangeKind::Cascade
          ? CascadeWindows(nullptr, 0, nullptr, count, windows.data())
          : TileWindows(nullptr, kind == ArrangeKind::TileVertically ? MDITILE_VERTICAL : MDITILE_HORIZONTAL, nullptr,
                        count, windows.data());
  if (done == 0) PlaceOurselves(kind, windows);
  for (HWND window : windows) {
    ShowWindow(window, SW_SHOWNORMAL);
    ForceRepaint(window);
  }
}

}  // namespace varnock
