#include "core/app/dpi_scale.h"

#include <algorithm>
#include <cstdlib>

namespace varnock {

namespace {

// value * numerator / denominator, rounded to the nearest integer, halves away from zero.
long long RoundedRatio(long long value, long long numerator, long long denominator) {
  const long long product = std::llabs(value) * numerator;
  const long long rounded = (product + denominator / 2) / denominator;
  return value < 0 ? -rounded : rounded;
}

int KeepNonZero(long long scaled, int original) {
  if (original > 0 && scaled == 0) return 1;
  if (original < 0 && scaled == 0) return -1;
  return static_cast<int>(scaled);
}

}  // namespace

int UsableDpi(int dpi) { return dpi > 0 ? dpi : kDesignDpi; }

int ScaleToDpi(int designPixels, int dpi) {
  return KeepNonZero(RoundedRatio(designPixels, UsableDpi(dpi), kDesignDpi), designPixels);
}

int UnscaleFromDpi(int pixels, int dpi) {
  return KeepNonZero(RoundedRatio(pixels, kDesignDpi, UsableDpi(dpi)), pixels);
}

int ImageSizeForDpi(int designSize, int dpi, const std::vector<int>& available) {
  if (available.empty()) return designSize;
  const int wanted = ScaleToDpi(designSize, dpi);
  int best = *std::min_element(available.begin(), available.end());
  for (int size : available)
    if (size <= wanted && size > best) best = size;
  return best;
}

}  // namespace varnock
