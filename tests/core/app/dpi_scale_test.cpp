#include <gtest/gtest.h>

#include "core/app/dpi_scale.h"

namespace varnock {
namespace {

struct ScaleCase {
  int design;
  int dpi;
  int shown;
};

TEST(DpiScale, DesignSizesAtTheCommonScales) {
  const ScaleCase cases[] = {
      // 100 %: unchanged.
      {300, 96, 300},
      {35, 96, 35},
      {39, 96, 39},
      {1, 96, 1},
      {0, 96, 0},
      // 125 %: 35 * 1.25 = 43.75, 38 * 1.25 = 47.5 (a half rounds up), 2 * 1.25 = 2.5.
      {300, 120, 375},
      {35, 120, 44},
      {38, 120, 48},
      {2, 120, 3},
      {1, 120, 1},
      // 150 %: 377 * 1.5 = 565.5, 329 * 1.5 = 493.5, 45 * 1.5 = 67.5.
      {300, 144, 450},
      {377, 144, 566},
      {329, 144, 494},
      {45, 144, 68},
      {1, 144, 2},
      // 200 %.
      {300, 192, 600},
      {35, 192, 70},
      {1, 192, 2},
      {0, 192, 0},
      // Screens below the design DPI shrink, but a line never vanishes.
      {2, 72, 2},
      {1, 48, 1},
      {1, 24, 1},
      {10, 72, 8},
  };
  for (const ScaleCase& c : cases) EXPECT_EQ(ScaleToDpi(c.design, c.dpi), c.shown) << c.design << " at " << c.dpi;
}

TEST(DpiScale, NegativeLengthsRoundLikeTheirOpposites) {
  for (int dpi : {96, 120, 144, 192})
    for (int design : {1, 2, 7, 35, 45, 377}) EXPECT_EQ(ScaleToDpi(-design, dpi), -ScaleToDpi(design, dpi));
}

TEST(DpiScale, AnUnknownDpiIsTheDesignDpi) {
  for (int dpi : {0, -1, -144}) {
    EXPECT_EQ(UsableDpi(dpi), 96);
    EXPECT_EQ(ScaleToDpi(340, dpi), 340);
    EXPECT_EQ(UnscaleFromDpi(340, dpi), 340);
  }
  EXPECT_EQ(UsableDpi(144), 144);
}

TEST(DpiScale, UnscalingGivesTheDesignSizeBack) {
  for (int dpi : {96, 120, 144, 192})
    for (int design : {1, 23, 35, 39, 120, 340, 530}) EXPECT_EQ(UnscaleFromDpi(ScaleToDpi(design, dpi), dpi), design);
  EXPECT_EQ(UnscaleFromDpi(1, 192), 1);  // half a design pixel still counts as one
}

TEST(DpiScale, HugeLengthsDoNotOverflow) { EXPECT_EQ(ScaleToDpi(1000000000, 192), 2000000000); }

TEST(DpiScale, ToolbarImagesAreNeverStretched) {
  const std::vector<int> drawn{16, 20, 24, 32, 40, 48, 64};
  struct ImageCase {
    int design;
    int dpi;
    int size;
  };
  const ImageCase cases[] = {
      {32, 96, 32},  {32, 120, 40}, {32, 144, 48}, {32, 168, 48}, {32, 192, 64}, {32, 288, 64}, {16, 96, 16},
      {16, 120, 20}, {16, 144, 24}, {16, 168, 24}, {16, 192, 32}, {16, 72, 16},  {32, 72, 24},
  };
  for (const ImageCase& c : cases)
    EXPECT_EQ(ImageSizeForDpi(c.design, c.dpi, drawn), c.size) << c.design << " at " << c.dpi;
  EXPECT_EQ(ImageSizeForDpi(32, 144, {}), 32);
}

TEST(ReadableText, AColourEqualToTheBackgroundFallsBackToTheSystemText) {
  EXPECT_EQ(TextColourOn(0x008000, 0xFFFFFF, 0x000000), 0x008000u);
  EXPECT_EQ(TextColourOn(0xFFFFFF, 0xFFFFFF, 0x000000), 0x000000u);
  EXPECT_EQ(TextColourOn(0x000000, 0x000000, 0xFFFFFF), 0xFFFFFFu);      // a high-contrast black scheme
  EXPECT_EQ(TextColourOn(0x80FFFFFF, 0x00FFFFFF, 0x000000), 0x000000u);  // only the colour bits count
  EXPECT_FALSE(ReadableOn(0x00FF00, 0x00FF00));
  EXPECT_TRUE(ReadableOn(0x00FF01, 0x00FF00));
}

}  // namespace
}  // namespace varnock
