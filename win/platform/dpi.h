#pragma once
// The DPI a window is shown at, and its 96-dpi design sizes scaled to it
// (core/app/dpi_scale.h holds the rule). The DPI is read from the window itself, never
// from the result of asking for an awareness: systems may refuse the request and still
// draw at another DPI.
#include <windows.h>

#include "core/app/dpi_scale.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace varnock {

// GetDpiForWindow where the system has it, else the LOGPIXELSY of the window's device
// context (of the screen without a window), else 96.
int WindowDpi(HWND hwnd);

// Scales 96-dpi design lengths to one DPI.
class DpiScaler {
 public:
  explicit DpiScaler(int dpi) : dpi_(UsableDpi(dpi)) {}
  static DpiScaler Of(HWND hwnd) { return DpiScaler(WindowDpi(hwnd)); }
  int dpi() const { return dpi_; }
  int operator()(int designPixels) const { return ScaleToDpi(designPixels, dpi_); }
  // A rectangle given by its 96-dpi left, top, width and height.
  RECT Rect(int left, int top, int width, int height) const;

 private:
  int dpi_;
};

// The outer size of a window whose client area is `clientWidth` by `clientHeight` at
// `dpi` (frames and caption as the system draws them there).
SIZE FrameSizeOfClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

// Places a window at the rectangle WM_DPICHANGED suggests (its lParam).
void MoveToSuggestedRect(HWND hwnd, LPARAM suggested);

}  // namespace varnock
