#include "win/about/help_window.h"

#include "win/platform/dpi.h"
#include "win/platform/rich_format.h"

namespace varnock {

namespace {

enum { kTopicListId = 101, kTextId = 102 };
constexpr int kListWidth = 190;
constexpr int kGap = 4;

std::string Resource(const char* name) {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return "";
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return "";
  return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

}  // namespace

std::vector<HelpTopic> BuiltInHelpTopics() {
  std::vector<HelpTopic> topics;
  for (const char* name : {"HELP_PROGRAM", "HELP_INF_GUIDE"}) {
    const std::vector<HelpTopic> some = ParseHelpTopics(Resource(name));
    topics.insert(topics.end(), some.begin(), some.end());
  }
  return topics;
}

HelpWindow::HelpWindow() : topics_(BuiltInHelpTopics()) {}

HelpWindow& HelpWindow::Instance() {
  static HelpWindow window;
  return window;
}

std::string HelpWindow::CurrentTopic() const { return current_ < topics_.size() ? topics_[current_].id : ""; }

bool HelpWindow::Make(HWND owner) {
  HWND top = owner ? GetAncestor(owner, GA_ROOTOWNER) : nullptr;
  RECT area{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  // Sized at the DPI of the window it opens from; the window's own DPI lays it out.
  const DpiScaler scale = DpiScaler::Of(top);
  const int width = scale(760), height = scale(560);
  if (!CreateWin("VarnockHelp", "Varnock help", WS_OVERLAPPEDWINDOW, 0,
                 area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2,
                 width, height, top, LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1))))
    return false;
  dpi_ = WindowDpi(hwnd_);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  list_ = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY,
                          0, 0, kListWidth, 100, hwnd_, reinterpret_cast<HMENU>(kTopicListId),
                          GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (const HelpTopic& topic : topics_)
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(topic.title.c_str()));
  text_.Create(hwnd_, kTextId, 0, WS_HSCROLL | ES_AUTOHSCROLL | ES_DISABLENOSCROLL);
  text_.SetWordWrap(true);
  text_.SetReadOnly(true);
  current_ = static_cast<size_t>(-1);
  Layout();
  return true;
}

void HelpWindow::Show(HWND owner, int context) {
  if (!hwnd_ && !Make(owner)) return;
  const std::string wanted = HelpTopicIdForContext(context);
  for (size_t i = 0; i < topics_.size(); ++i)
    if (topics_[i].id == wanted) ShowTopic(i);
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  ShowWindow(hwnd_, SW_SHOW);
  SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(hwnd_);
}

void HelpWindow::ShowTopic(size_t index) {
  if (index >= topics_.size()) return;
  SendMessageA(list_, LB_SETCURSEL, index, 0);
  if (index == current_) return;
  current_ = index;
  StreamInRtf(text_, HelpMarkupToRtf(topics_[index].markup));
  text_.SetReadOnly(true);
  text_.Select(0, 0);
  SetWindowTextA(hwnd_, ("Varnock help - " + topics_[index].title).c_str());
}

void HelpWindow::Layout() {
  RECT client{};
  GetClientRect(hwnd_, &client);
  const DpiScaler scale(dpi_);
  const int gap = scale(kGap), listWidth = scale(kListWidth);
  MoveWindow(list_, gap, gap, listWidth, client.bottom - 2 * gap, TRUE);
  const int left = listWidth + 2 * gap;
  MoveWindow(text_.hwnd(), left, gap, client.right - left - gap, client.bottom - 2 * gap, TRUE);
}

LRESULT HelpWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE: Layout(); return 0;
    case WM_DPICHANGED:
      dpi_ = UsableDpi(HIWORD(wp));
      MoveToSuggestedRect(hwnd_, lp);
      Layout();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == kTopicListId && HIWORD(wp) == LBN_SELCHANGE)
        ShowTopic(static_cast<size_t>(SendMessageA(list_, LB_GETCURSEL, 0, 0)));
      return 0;
    case WM_SETFOCUS: SetFocus(text_.hwnd()); return 0;
    case WM_CLOSE: ShowWindow(hwnd_, SW_HIDE); return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace varnock
