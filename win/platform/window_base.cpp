#include "win/platform/window_base.h"

#include <exception>
#include <string>

#include "win/platform/prompter.h"

namespace varnock {

std::string WindowText(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

WindowBase::~WindowBase() {
  if (hwnd_ && IsWindow(hwnd_)) {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

bool WindowBase::CreateWin(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y, int w,
                           int h, HWND parent, HICON icon) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  if (!GetClassInfoExA(instance, className, &wc)) {
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    if (!RegisterClassExA(&wc)) return false;
  }
  CreateWindowExA(exStyle, className, title, style, x, y, w, h, parent, nullptr, instance, this);
  return hwnd_ != nullptr;
}

LRESULT WindowBase::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK WindowBase::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    LRESULT result = self->HandleMessage(msg, wp, lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return result;
  }
  return self->Dispatch(msg, wp, lp);
}

// No exception may cross the system's window procedure: report it and carry on with the
// message loop, leaving the document as it is.
LRESULT WindowBase::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  try {
    return HandleMessage(msg, wp, lp);
  } catch (const std::exception& e) {
    ShowMessage(hwnd_, std::string("Error : ") + e.what(), MB_OK | MB_ICONERROR);
  } catch (...) {
    ShowMessage(hwnd_, "Error : unknown exception", MB_OK | MB_ICONERROR);
  }
  return 0;
}

}  // namespace varnock
