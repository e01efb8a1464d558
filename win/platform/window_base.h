#pragma once
// A window class owned by a C++ object: `this` travels in GWLP_USERDATA and the
// static procedure hands every message to the object's HandleMessage.
#include <windows.h>

#include <string>

namespace varnock {

// A window's text (a title, a control's caption), read through the ANSI code page.
std::string WindowText(HWND window);

class WindowBase {
 public:
  WindowBase() = default;
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  virtual ~WindowBase();

  HWND hwnd() const { return hwnd_; }

 protected:
  // Registers the class on first use and creates the window.
  bool CreateWin(const char* className, const char* title, DWORD style, DWORD exStyle, int x, int y, int w, int h,
                 HWND parent, HICON icon = nullptr);
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }

  HWND hwnd_ = nullptr;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
};

}  // namespace varnock
