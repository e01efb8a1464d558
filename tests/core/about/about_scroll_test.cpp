// The about box's scroll: a first pass from 15, then every pass from 45, down to -140.
#include "core/about/about_scroll.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

// Frames drawn from `tag` until the offset jumps back up.
int FramesOfPass(int& tag) {
  int frames = 0;
  for (;;) {
    ++frames;
    const int next = NextAboutScroll(tag);
    const bool restarted = next > tag;
    tag = next;
    if (restarted) return frames;
  }
}

TEST(AboutScroll, FirstPassHas156FramesEveryLaterPass186) {
  int tag = kAboutScrollFirst;
  EXPECT_EQ(FramesOfPass(tag), 156);
  EXPECT_EQ(tag, 45);
  for (int pass = 0; pass < 3; ++pass) {
    EXPECT_EQ(FramesOfPass(tag), 186);
    EXPECT_EQ(tag, 45);
  }
}

TEST(AboutScroll, LinesStandFifteenPixelsApart) {
  EXPECT_EQ(AboutLineTop(15, 0), 15);
  EXPECT_EQ(AboutLineTop(15, 11), 180);
  EXPECT_EQ(AboutLineTop(-140, 11), 25);
  EXPECT_EQ(NextAboutScroll(-139), -140);
  EXPECT_EQ(NextAboutScroll(-140), 45);
}

}  // namespace
}  // namespace varnock
