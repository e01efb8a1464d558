#include "win/app/form_pad.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include "win/app/application.h"
#include "win/app/display_scale.h"
#include "win/app/menu_layout.h"
#include "win/platform/dpi.h"

namespace varnock {

namespace {
constexpr int kRichId = 100;
constexpr int kStatusId = 101;
constexpr int kMinWidth = 340;
constexpr int kMinHeight = 240;
}  // namespace

TFormPad::TFormPad() = default;

TFormPad::~TFormPad() {
  if (App().mainForm == this) App().mainForm = nullptr;
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
  if (labelVideFont) DeleteObject(labelVideFont);
  if (displayFont && displayFont != labelVideFont) DeleteObject(displayFont);
}

bool TFormPad::Create(int showCommand) {
  if (!App().mainForm) App().mainForm = this;
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  if (!CreateWin("TFormPad", "Varnock", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, WS_EX_ACCEPTFILES, CW_USEDEFAULT,
                 CW_USEDEFAULT, 760, 560, nullptr, icon))
    return false;
  dpi = WindowDpi(hwnd_);
  BuildMenus();
  CreateControls();
  Construct();
  ShowWindow(hwnd_, showCommand);  // painted once the other forms exist (Forms::Create)
  return true;
}

void TFormPad::BuildMenus() {
  BuildMainMenu(MainMenu);
  BuildTextPopupMenu(PopupMenu);
  BuildToolbarPopupMenu(PopupMenuTB);
  BindMenuHandlers();
  RefreshMenuBar();
  accelerators_ = MainMenu.BuildAccelerators();
}

void TFormPad::RefreshMenuBar() {
  HMENU old = menuBar_;
  menuBar_ = MainMenu.Build(false);
  SetMenu(hwnd_, menuBar_);
  if (old) DestroyMenu(old);
  DrawMenuBar(hwnd_);
}

void TFormPad::CreateControls() {
  labelVideFont =
      CreateFontA(-MulDiv(10, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Lucida Console");
  bevelLine = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 0, 0, 0, 2, hwnd_, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  Rich1.Create(hwnd_, kRichId);
  Rich1.SetFont(labelVideFont);
  SendMessageA(Rich1.hwnd(), EM_SETEVENTMASK, 0, ENM_SELCHANGE | ENM_CHANGE);
  HookTextKeys();
  StatusLine.Create(hwnd_, kStatusId);
  auto width = [this](int panel) { return StatusPanelWidthAt(panel, dpi); };
  StatusLine.SetPanels({
      {width(kPanelHint), " ", Bevel::Lowered, false},
      {width(kPanelInsert), "INS", Bevel::Lowered, true},
      {width(kPanelWrap), " - - -", Bevel::Raised, true},
      {width(kPanelFont), " OEM", Bevel::Raised, true},
      {width(kPanelMessage), " ", Bevel::Lowered, false},
      {width(kPanelCaret), "l", Bevel::None, false},
  });
  CreateToolBars();
  Layout();
}

void TFormPad::Layout() {
  if (!Rich1.hwnd() || StatusLine.Count() == 0) return;  // sizes arrive while the window is built
  RECT client{};
  GetClientRect(hwnd_, &client);
  StatusLine.Resize();
  const int statusHeight = StatusLine.Height();
  int top = LayoutToolBars();
  const int bevelHeight = Scaled(2);
  MoveWindow(bevelLine, 0, top, client.right, bevelHeight, TRUE);
  top += bevelHeight;
  MoveWindow(Rich1.hwnd(), 0, top, client.right, client.bottom - top - statusHeight, TRUE);
  FormResize();
}

void TFormPad::FormResize() {
  RECT bar{};
  GetClientRect(StatusLine.hwnd(), &bar);
  int others = 0;
  for (int i : {0, 1, 2, 3, 5}) others += StatusLine.Panel(i).width;
  const int rest = bar.right - others;
  const int least = StatusPanelWidthAt(kPanelMessage, dpi);
  StatusLine.SetWidth(kPanelMessage, rest < least ? least : rest);
}

void TFormPad::Close() { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }

LRESULT TFormPad::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == FindReplaceMessage()) return OnFindReplaceMessage(lp);
  switch (msg) {
    case WM_SIZE: Layout(); return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize = {Scaled(kMinWidth), Scaled(kMinHeight)};
      return 0;
    }
    case WM_DPICHANGED: OnDpiChanged(HIWORD(wp), lp); return 0;
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE: OnSystemColoursChanged(msg, wp, lp); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_COMMAND:
      if (lp == 0) OnCommand(LOWORD(wp));
      else if (reinterpret_cast<HWND>(lp) == Rich1.hwnd() && HIWORD(wp) == EN_CHANGE) {
        if (!richHandlersDetached) SetTitle();
      } else OnToolBarCommand(reinterpret_cast<HWND>(lp), LOWORD(wp));
      return 0;
    case WM_MENUSELECT: OnMenuSelect(wp, lp); return 0;
    case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wp)); return 0;
    case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_DRAWITEM:
      if (StatusLine.DrawPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp))) return TRUE;
      break;
    case WM_ACTIVATEAPP:
      if (wp) AppActivate();
      return 0;
    case WM_SETFOCUS: SetFocus(Rich1.hwnd()); return 0;
    case WM_TIMER:
      if (wp == 1) Timer1Timer();
      return 0;
    case WM_DROPFILES: AppMessage(reinterpret_cast<HDROP>(wp)); return 0;
    case WM_CLOSE:
      // A close reaching the window under a modal box or dialog (a close-all) waits for
      // it to end: nothing is destroyed beneath it and no second question is asked.
      if (!IsWindowEnabled(hwnd_) || inFormClose_) {
        closeWhenEnabled_ = true;
        return 0;
      }
      inFormClose_ = true;
      if (FormClose()) DestroyWindow(hwnd_);
      inFormClose_ = false;
      return 0;
    case WM_ENABLE:
      if (wp && closeWhenEnabled_) {
        closeWhenEnabled_ = false;
        FormPaint2();  // closes while the close-all key is still there
      }
      return 0;
    case WM_DESTROY:
      if (App().mainForm == this) PostQuitMessage(0);
      return 0;
  }
  return Default(msg, wp, lp);
}

void TFormPad::OnCommand(UINT id) {
  MenuItem* item = MainMenu.FindById(id);
  if (!item) item = PopupMenu.FindById(id);
  if (!item) item = PopupMenuTB.FindById(id);
  if (!item || !item->enabled || !item->visible || !item->onClick) return;
  item->onClick(*item);
}

void TFormPad::OnInitMenuPopup(HMENU menu) {
  for (MenuModel* model : {&MainMenu, &PopupMenu, &PopupMenuTB}) {
    if (MenuItem* item = model->FindByHandle(menu)) {
      if (item->name == "FileMenu" && item->onClick) item->onClick(*item);
      if (item->name == "WinMenu" && item->onClick) item->onClick(*item);
      if (item->name == "AffStrings" && item->onClick) item->onClick(*item);
      model->Fill(*item);
      return;
    }
  }
}

LRESULT TFormPad::OnNotify(NMHDR* header) {
  if (LRESULT result = 0; OnToolBarNotify(header, result)) return result;
  if (header->hwndFrom == Rich1.hwnd() && header->code == EN_SELCHANGE) {
    if (!richHandlersDetached) Rich1SelectionChange();
    return 0;
  }
  if (header->hwndFrom == StatusLine.hwnd() && header->code == NM_CLICK) {
    StatusLineMouseDown(static_cast<int>(reinterpret_cast<NMMOUSE*>(header)->pt.x));
    return TRUE;
  }
  return 0;
}

}  // namespace varnock
