#include "core/settings/window_placement.h"

#include <algorithm>

namespace varnock {

namespace {

// How much of the caption bar must lie on a work area for the mouse to take it.
constexpr long long kCaptionHeight = 20;
constexpr long long kGripWidth = 32;
constexpr long long kGripHeight = 8;

bool CaptionReachable(const Bounds& b, const WorkArea& a) {
  const long long left = std::max<long long>(b.left, a.left);
  const long long right = std::min<long long>(static_cast<long long>(b.left) + b.width, a.right);
  const long long top = std::max<long long>(b.top, a.top);
  const long long bottom = std::min<long long>(b.top + kCaptionHeight, a.bottom);
  return right - left >= kGripWidth && bottom - top >= kGripHeight;
}

long long Gap(long long low, long long high, long long areaLow, long long areaHigh) {
  if (high < areaLow) return areaLow - high;
  if (low > areaHigh) return low - areaHigh;
  return 0;
}

long long DistanceSquared(const Bounds& b, const WorkArea& a) {
  const long long dx = Gap(b.left, static_cast<long long>(b.left) + b.width, a.left, a.right);
  const long long dy = Gap(b.top, static_cast<long long>(b.top) + b.height, a.top, a.bottom);
  return dx * dx + dy * dy;
}

int Clamp(long long value, long long low, long long high) {
  return static_cast<int>(std::max(low, std::min(value, high)));
}

}  // namespace

Bounds PlaceStoredWindow(Bounds stored, const std::vector<WorkArea>& workAreas) {
  stored.width = std::max(stored.width, kMinWindowWidth);
  stored.height = std::max(stored.height, kMinWindowHeight);
  if (workAreas.empty()) return stored;
  for (const WorkArea& area : workAreas)
    if (CaptionReachable(stored, area)) return stored;
  const WorkArea* nearest = &workAreas.front();
  for (const WorkArea& area : workAreas)
    if (DistanceSquared(stored, area) < DistanceSquared(stored, *nearest)) nearest = &area;
  const long long areaWidth = static_cast<long long>(nearest->right) - nearest->left;
  const long long areaHeight = static_cast<long long>(nearest->bottom) - nearest->top;
  stored.width = static_cast<int>(std::min<long long>(stored.width, areaWidth));
  stored.height = static_cast<int>(std::min<long long>(stored.height, areaHeight));
  stored.left = Clamp(stored.left, nearest->left, nearest->right - stored.width);
  stored.top = Clamp(stored.top, nearest->top, nearest->bottom - stored.height);
  return stored;
}

}  // namespace varnock
