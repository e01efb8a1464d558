#pragma once
// Where a window stored in the settings is placed: at least its smallest size, kept
// exactly where it was when its caption bar can still be reached, otherwise moved
// wholly into the nearest work area.
#include <vector>

namespace varnock {

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Bounds& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

struct WorkArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

inline constexpr int kMinWindowWidth = 340;
inline constexpr int kMinWindowHeight = 240;

// The stored bounds as the window gets them on screens with these work areas.
Bounds PlaceStoredWindow(Bounds stored, const std::vector<WorkArea>& workAreas);

}  // namespace varnock
