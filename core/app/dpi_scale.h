#pragma once
// The scaling rule: every size of the interface is designed at 96 dots per inch and
// shown at the window's own DPI, rounded to the nearest pixel.
#include <vector>

namespace varnock {

inline constexpr int kDesignDpi = 96;

// The DPI used for scaling: a value the system could not give (zero or less) is the
// design DPI, so nothing ever shrinks to nothing or flips its sign.
int UsableDpi(int dpi);

// A 96-dpi length at `dpi`: rounded to the nearest pixel, halves away from zero.
// A length that was not zero stays at least one pixel, whatever the DPI.
int ScaleToDpi(int designPixels, int dpi);

// A length measured at `dpi` as it reads at 96 dpi, rounded the same way.
int UnscaleFromDpi(int pixels, int dpi);

// The image size a toolbar drawn for `designSize` at 96 dpi uses at `dpi`: the largest of
// `available` (the sizes drawn) that fits in the scaled size, so an image is never
// stretched; the smallest one when none fits.
int ImageSizeForDpi(int designSize, int dpi, const std::vector<int>& available);

// Whether a text colour can be read on a background: a colour equal to the background
// never is.
inline bool ReadableOn(unsigned textColour, unsigned background) {
  return (textColour & 0xFFFFFF) != (background & 0xFFFFFF);
}

// The colour to write text in: the chosen one, unless it would vanish into the
// background, in which case the fallback (the system's text colour).
inline unsigned TextColourOn(unsigned chosen, unsigned background, unsigned fallback) {
  return ReadableOn(chosen, background) ? chosen & 0xFFFFFF : fallback & 0xFFFFFF;
}

}  // namespace varnock
