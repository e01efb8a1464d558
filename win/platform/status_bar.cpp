#include "win/platform/status_bar.h"

#include <commctrl.h>

#include "win/platform/subclass.h"

namespace varnock {

bool StatusBar::Create(HWND parent, int id) {
  hwnd_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  return hwnd_ != nullptr && InstallSubclass(hwnd_, PaintProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

namespace {

// The bar's pending region drawn through a device context taken here, then validated.
void PaintWithoutPaintCycle(HWND hwnd) {
  HRGN pending = CreateRectRgn(0, 0, 0, 0);
  if (GetUpdateRgn(hwnd, pending, FALSE) != NULLREGION) {
    ValidateRgn(hwnd, pending);
    HDC dc = GetDC(hwnd);
    SelectClipRgn(dc, pending);
    SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    ReleaseDC(hwnd, dc);
  }
  DeleteObject(pending);
}

}  // namespace

LRESULT CALLBACK StatusBar::PaintProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  if (msg == WM_PAINT && wp == 0 && reinterpret_cast<StatusBar*>(data)->paintingNewText_) {
    PaintWithoutPaintCycle(hwnd);
    return 0;
  }
  return NextSubclassProc(hwnd, msg, wp, lp);
}

void StatusBar::SetPanels(std::vector<StatusPanel> panels) {
  panels_ = std::move(panels);
  ApplyParts();
  for (int i = 0; i < Count(); ++i) ApplyText(i);
}

void StatusBar::SetText(int index, const std::string& text) {
  std::string& shown = panels_.at(static_cast<size_t>(index)).text;
  // The caret and size panels are set at every keystroke, mostly to what they show.
  if (shown == text) return;
  shown = text;
  ApplyText(index);
}

void StatusBar::SetBevel(int index, Bevel bevel) {
  panels_.at(static_cast<size_t>(index)).bevel = bevel;
  ApplyText(index);
}

void StatusBar::SetWidth(int index, int width) {
  panels_.at(static_cast<size_t>(index)).width = width;
  ApplyParts();
}

int StatusBar::Height() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r.bottom - r.top;
}

void StatusBar::Resize() { SendMessageA(hwnd_, WM_SIZE, 0, 0); }

void StatusBar::ApplyParts() {
  std::vector<int> edges;
  int right = 0;
  for (const StatusPanel& p : panels_) {
    right += p.width;
    edges.push_back(right);
  }
  if (!edges.empty()) edges.back() = -1;  // the last panel reaches the edge
  SendMessageA(hwnd_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::ApplyText(int index) {
  const StatusPanel& p = panels_.at(static_cast<size_t>(index));
  WPARAM style = 0;
  if (p.bevel == Bevel::Raised) style = SBT_POPOUT;
  if (p.bevel == Bevel::None) style = SBT_NOBORDERS;
  const std::string shown = p.centred ? "\t" + p.text : p.text;
  paintingNewText_ = true;  // the bar repaints the panel before SB_SETTEXT returns
  SendMessageA(hwnd_, SB_SETTEXTA, static_cast<WPARAM>(index) | style, reinterpret_cast<LPARAM>(shown.c_str()));
  paintingNewText_ = false;
}

}  // namespace varnock
