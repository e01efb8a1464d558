// Where a stored window comes back: its place kept while its caption bar can be taken,
// moved into the nearest work area otherwise.
#include <gtest/gtest.h>

#include "core/settings/window_placement.h"

namespace varnock {
namespace {

const std::vector<WorkArea> kOneScreen = {{0, 0, 1280, 994}};
const std::vector<WorkArea> kTwoScreens = {{0, 0, 1280, 994}, {1280, 0, 2560, 1024}};

TEST(WindowPlacement, ReachableWindowsKeepTheirStoredPlaceExactly) {
  const Bounds cases[] = {
      {60, 60, 530, 360},     // the first start
      {-400, 10, 530, 360},   // partly off the left edge, caption still reachable
      {1200, 900, 530, 360},  // mostly off the bottom right
      {120, 104, 530, 360},   // a second copy's offset
  };
  for (const Bounds& b : cases) EXPECT_EQ(PlaceStoredWindow(b, kOneScreen), b) << b.left << "," << b.top;
  const Bounds onSecond{1500, 100, 600, 400};
  EXPECT_EQ(PlaceStoredWindow(onSecond, kTwoScreens), onSecond);
}

TEST(WindowPlacement, SizeIsAtLeastTheSmallestWindow) {
  EXPECT_EQ(PlaceStoredWindow({10, 10, 50, 0}, kOneScreen), (Bounds{10, 10, 340, 240}));
  EXPECT_EQ(PlaceStoredWindow({10, 10, -5, -9}, kOneScreen), (Bounds{10, 10, 340, 240}));
}

TEST(WindowPlacement, UnreachableWindowsMoveWhollyIntoTheNearestWorkArea) {
  // Caption above the screen.
  EXPECT_EQ(PlaceStoredWindow({100, -300, 530, 360}, kOneScreen), (Bounds{100, 0, 530, 360}));
  // Far right of the second screen: moved onto it, not onto the first.
  EXPECT_EQ(PlaceStoredWindow({4000, 100, 530, 360}, kTwoScreens), (Bounds{2030, 100, 530, 360}));
  // Bigger than the work area: capped to it.
  EXPECT_EQ(PlaceStoredWindow({5000, 5000, 3000, 2000}, kOneScreen), (Bounds{0, 0, 1280, 994}));
  // Only a sliver of the caption bar on the screen.
  EXPECT_EQ(PlaceStoredWindow({-520, 100, 530, 360}, kOneScreen), (Bounds{0, 100, 530, 360}));
  // Values at the ends of 32 bits do not overflow.
  const Bounds far = PlaceStoredWindow({2147483647, -2147483647 - 1, 2147483647, 2147483647}, kOneScreen);
  EXPECT_EQ(far, (Bounds{0, 0, 1280, 994}));
}

TEST(WindowPlacement, WithoutAnyWorkAreaOnlyTheSizeRuleApplies) {
  EXPECT_EQ(PlaceStoredWindow({-9000, -9000, 100, 100}, {}), (Bounds{-9000, -9000, 340, 240}));
}

}  // namespace
}  // namespace varnock
