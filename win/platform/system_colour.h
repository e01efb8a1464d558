#pragma once
// Colours as they are stored (0x00BBGGRR, or a system colour constant: 0x80 in the top
// byte and the COLOR_* index below it) turned into what the screen shows.
#include <windows.h>

namespace varnock {

inline COLORREF ScreenColour(COLORREF stored) {
  if ((stored & 0xFF000000) == 0x80000000) return GetSysColor(static_cast<int>(stored & 0xFF));
  return stored & 0x00FFFFFF;
}

}  // namespace varnock
