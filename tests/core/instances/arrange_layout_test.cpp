// The arrangement's own layout: columns, rows and a cascade inside the work area.
#include "core/instances/arrange_layout.h"

#include <gtest/gtest.h>

namespace varnock::test {
namespace {

const Rect kWork{0, 0, 1280, 1000};

TEST(ArrangeLayout, ColumnsRowsAndCascadeCoverTheWorkAreaInTableOrder) {
  struct Case {
    ArrangeKind kind;
    int count;
    std::vector<Rect> rects;
  } cases[] = {
      {ArrangeKind::TileVertically, 1, {{0, 0, 1280, 1000}}},
      {ArrangeKind::TileVertically, 3, {{0, 0, 426, 1000}, {426, 0, 853, 1000}, {853, 0, 1280, 1000}}},
      {ArrangeKind::TileHorizontally, 2, {{0, 0, 1280, 500}, {0, 500, 1280, 1000}}},
      {ArrangeKind::Cascade, 2, {{0, 0, 960, 750}, {30, 30, 990, 780}}},
      {ArrangeKind::TileHorizontally, 0, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ArrangeLayout(c.kind, kWork, c.count, 30), c.rects) << int(c.kind);
}

TEST(ArrangeLayout, CascadeStaysInsideASmallWorkArea) {
  const std::vector<Rect> rects = ArrangeLayout(ArrangeKind::Cascade, {10, 20, 210, 220}, 4, 60);
  ASSERT_EQ(rects.size(), 4u);
  EXPECT_LE(rects[3].right, 210);
  EXPECT_LE(rects[3].bottom, 220);
  EXPECT_EQ(rects[3].left - rects[2].left, 60);
  EXPECT_EQ(rects[0].right - rects[0].left, rects[3].right - rects[3].left);
}

}  // namespace
}  // namespace varnock::test
