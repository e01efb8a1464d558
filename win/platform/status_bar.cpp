#include "win/platform/status_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "win/platform/code_page.h"
#include "win/platform/subclass.h"

namespace varnock {

bool StatusBar::Create(HWND parent, int id) {
  hwnd_ = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  return hwnd_ != nullptr && InstallSubclass(hwnd_, TextReadProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

void StatusBar::SetPanels(std::vector<StatusPanel> panels) {
  panels_ = std::move(panels);
  appliedStyles_.assign(panels_.size(), -1);
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

std::string StatusBar::Shown(int index) const {
  const StatusPanel& p = panels_.at(static_cast<size_t>(index));
  return p.centred ? "\t" + p.text : p.text;  // the bar centres what follows a tab
}

WORD StatusBar::Style(int index) const {
  switch (panels_.at(static_cast<size_t>(index)).bevel) {
    case Bevel::Raised: return SBT_POPOUT;
    case Bevel::None: return SBT_NOBORDERS;
    case Bevel::Lowered: break;
  }
  return 0;
}

void StatusBar::ApplyText(int index) {
  int& applied = appliedStyles_.at(static_cast<size_t>(index));
  if (applied != Style(index)) {
    applied = Style(index);
    SendMessageA(hwnd_, SB_SETTEXTA, static_cast<WPARAM>(index) | static_cast<WPARAM>(applied) | SBT_OWNERDRAW,
                 static_cast<LPARAM>(index));
  }
  RepaintPanel(index);
}

// The panel's frame and background by the bar, its text by DrawPanel, into a device
// context of its own: no paint cycle.
void StatusBar::RepaintPanel(int index) const {
  RECT part{};
  if (!IsWindowVisible(hwnd_) ||
      !SendMessageA(hwnd_, SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&part)))
    return;
  HDC dc = GetDC(hwnd_);
  IntersectClipRect(dc, part.left, part.top, part.right, part.bottom);
  SendMessageA(hwnd_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  ReleaseDC(hwnd_, dc);
}

bool StatusBar::DrawPanel(const DRAWITEMSTRUCT& item) const {
  if (item.hwndItem != hwnd_ || item.itemID >= panels_.size()) return false;
  RECT inside = item.rcItem;
  // What the bar itself draws for a text of its own.
  DrawStatusTextA(item.hDC, &inside, Shown(static_cast<int>(item.itemID)).c_str(), SBT_NOBORDERS);
  return true;
}

namespace {

// Copies `text` and its terminator; `room` (in characters) cuts it, 0 meaning the caller
// sized the buffer beforehand (SB_GETTEXT, as with the bar's own texts).
template <typename Char>
size_t CopyText(const std::basic_string<Char>& text, LPARAM buffer, size_t room = 0) {
  const size_t n = room == 0 ? text.size() : std::min(text.size(), room - 1);
  if (buffer) {
    std::memcpy(reinterpret_cast<Char*>(buffer), text.data(), n * sizeof(Char));
    reinterpret_cast<Char*>(buffer)[n] = 0;
  }
  return n;
}

std::u16string Wide(const std::string& text) {
  std::u16string wide;
  WideFromAnsi(text, &wide);
  return wide;
}

}  // namespace

// The text reads the bar would answer from texts it no longer holds: by panel (length
// and bevel), or the window's text, which is the first panel's.
bool StatusBar::AnswerTextRead(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) const {
  const bool byPanel = msg == SB_GETTEXTA || msg == SB_GETTEXTW || msg == SB_GETTEXTLENGTHA || msg == SB_GETTEXTLENGTHW;
  const bool whole = msg == WM_GETTEXT || msg == WM_GETTEXTLENGTH;
  const int index = byPanel ? static_cast<int>(LOWORD(wp)) : 0;
  if ((!byPanel && !whole) || index >= Count()) return false;
  const std::string shown = Shown(index);
  const auto panel = [&](size_t length) { return static_cast<LRESULT>(MAKELONG(length, Style(index))); };
  switch (msg) {
    case SB_GETTEXTA: *result = panel(CopyText(shown, lp)); break;
    case SB_GETTEXTW: *result = panel(CopyText(Wide(shown), lp)); break;
    case SB_GETTEXTLENGTHA: *result = panel(shown.size()); break;
    case SB_GETTEXTLENGTHW: *result = panel(Wide(shown).size()); break;
    case WM_GETTEXT: *result = static_cast<LRESULT>(wp == 0 ? 0 : CopyText(Wide(shown), lp, wp)); break;
    case WM_GETTEXTLENGTH: *result = static_cast<LRESULT>(Wide(shown).size()); break;
  }
  return true;
}

LRESULT CALLBACK StatusBar::TextReadProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  if (LRESULT result = 0; reinterpret_cast<const StatusBar*>(data)->AnswerTextRead(msg, wp, lp, &result)) return result;
  return NextSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace varnock
