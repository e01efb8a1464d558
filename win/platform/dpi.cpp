#include "win/platform/dpi.h"

namespace varnock {

namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using AdjustForDpiProc = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);

// Looked up at run time: systems before Windows 10 (1607) do not have them.
template <typename Proc>
Proc User32Proc(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  return user32 ? reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

int DeviceContextDpi(HWND hwnd) {
  HDC dc = GetDC(hwnd);
  if (!dc) return 0;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(hwnd, dc);
  return dpi;
}

}  // namespace

int WindowDpi(HWND hwnd) {
  static const auto getDpiForWindow = User32Proc<GetDpiForWindowProc>("GetDpiForWindow");
  if (hwnd && getDpiForWindow) {
    if (const UINT dpi = getDpiForWindow(hwnd); dpi > 0) return static_cast<int>(dpi);
  }
  return UsableDpi(DeviceContextDpi(hwnd));
}

RECT DpiScaler::Rect(int left, int top, int width, int height) const {
  const int x = (*this)(left);
  const int y = (*this)(top);
  return RECT{x, y, x + (*this)(width), y + (*this)(height)};
}

SIZE FrameSizeOfClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
  static const auto adjustForDpi = User32Proc<AdjustForDpiProc>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, clientWidth, clientHeight};
  if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(UsableDpi(dpi))))
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void MoveToSuggestedRect(HWND hwnd, LPARAM suggested) {
  const RECT* r = reinterpret_cast<const RECT*>(suggested);
  if (!r) return;
  SetWindowPos(hwnd, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace varnock
