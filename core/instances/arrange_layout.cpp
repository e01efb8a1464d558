#include "core/instances/arrange_layout.h"

namespace varnock {

namespace {

// Splits [from, to) into `count` parts; the last takes what division leaves over.
int Edge(int from, int to, int count, int i) {
  return i >= count ? to : from + static_cast<int>(static_cast<long long>(to - from) * i / count);
}

}  // namespace

std::vector<Rect> ArrangeLayout(ArrangeKind kind, const Rect& workArea, int count, int captionStep) {
  std::vector<Rect> rects;
  if (count <= 0) return rects;
  const Rect& w = workArea;
  for (int i = 0; i < count; ++i) {
    switch (kind) {
      case ArrangeKind::TileVertically:
        rects.push_back({Edge(w.left, w.right, count, i), w.top, Edge(w.left, w.right, count, i + 1), w.bottom});
        break;
      case ArrangeKind::TileHorizontally:
        rects.push_back({w.left, Edge(w.top, w.bottom, count, i), w.right, Edge(w.top, w.bottom, count, i + 1)});
        break;
      case ArrangeKind::Cascade: {
        // Every window as large as the last step leaves room for, at most three quarters
        // of the work area, so each caption stays visible above the next window.
        const int stepTotal = captionStep * (count - 1);
        int width = (w.right - w.left) * 3 / 4;
        int height = (w.bottom - w.top) * 3 / 4;
        if (width > w.right - w.left - stepTotal) width = w.right - w.left - stepTotal;
        if (height > w.bottom - w.top - stepTotal) height = w.bottom - w.top - stepTotal;
        const int left = w.left + captionStep * i;
        const int top = w.top + captionStep * i;
        rects.push_back({left, top, left + width, top + height});
        break;
      }
    }
  }
  return rects;
}

}  // namespace varnock
