#pragma once
// Colours as they are stored (0x00BBGGRR, or a system colour constant: 0x80 in the top
// byte and the COLOR_* index below it) turned into what the screen shows.
#include <windows.h>

#include "core/app/dpi_scale.h"

namespace varnock {

inline COLORREF ScreenColour(COLORREF stored) {
  if ((stored & 0xFF000000) == 0x80000000) return GetSysColor(static_cast<int>(stored & 0xFF));
  return stored & 0x00FFFFFF;
}

// A text colour that stays readable on `background` (a system colour index): the
// colour itself, or the system's text colour for that background when they are equal.
inline COLORREF ReadableTextColour(COLORREF colour, int background, int text) {
  return TextColourOn(colour, GetSysColor(background), GetSysColor(text));
}
inline COLORREF ReadableWindowTextColour(COLORREF colour) {
  return ReadableTextColour(colour, COLOR_WINDOW, COLOR_WINDOWTEXT);
}

}  // namespace varnock
