// TAboutBox: its controls, the modal showing and the scrolling text.
#include "win/about/about_box.h"

#include <string>

#include "core/about/about_scroll.h"
#include "core/display/font_spec.h"
#include "win/i18n/message.h"
#include "win/platform/gdi_font.h"

namespace varnock {

namespace {

TAboutBox* g_instance = nullptr;

enum ControlId { kImgId = 1001, kTimerId = 1 };
constexpr int kClientWidth = 298;
constexpr int kOuterHeight = 312;
constexpr int kPanelX = 8, kPanelY = 8;
constexpr int kImgWidth = 261, kImgHeight = 75;
constexpr UINT kTickMs = 100;
// The maker's own lines.
constexpr const char* kMakerLine = "\xA9 The Varnock authors";
constexpr const char* kSourceAddress = "MIT licence - see README.md";
constexpr const char* kPictureHint = "Varnock, the editor of setup files";

}  // namespace

TAboutBox::~TAboutBox() {
  if (g_instance == this) g_instance = nullptr;
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (imageDc_) {
    SelectObject(imageDc_, oldBitmap_);
    DeleteDC(imageDc_);
  }
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(imageBitmap_), static_cast<HGDIOBJ>(dialogFont_),
                         static_cast<HGDIOBJ>(titleFont_)})
    if (object) DeleteObject(object);
}

TAboutBox* TAboutBox::Instance() { return g_instance; }

bool TAboutBox::Create(HWND owner) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, kClientWidth, 100};
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  const int width = frame.right - frame.left;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2;
  if (!CreateWin("TAboutBox", "A propos", style, WS_EX_DLGMODALFRAME, x, y, width, kOuterHeight, owner)) return false;
  g_instance = this;
  CreateControls();
  return true;
}

HWND TAboutBox::AddControl(const char* name, const char* className, const char* text, DWORD style, int x, int y, int w,
                           int h, int id, HFONT font) {
  HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_CLIPSIBLINGS | style, x, y, w, h, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : dialogFont_), FALSE);
  controls.Add(hwnd_, name, control);
  return control;
}

void TAboutBox::CreateControls() {
  FontSpec dialog;
  dialog.face = "MS Sans Serif";
  dialog.pointSize = 8;
  dialogFont_ = CreateFontOf(dialog);
  titleFont_ = CreateFontA(-19, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Times New Roman");

  // The panel goes to the bottom of the siblings, so the controls it holds are drawn
  // over it.
  const int px = kPanelX, py = kPanelY;
  AddControl("Panel1", "STATIC", "", WS_VISIBLE | SS_SUNKEN, px, py, 281, 201);
  HWND icon = AddControl("ProgramIcon", "STATIC", "", WS_VISIBLE | SS_ICON | SS_REALSIZECONTROL | SS_NOTIFY, px + 8,
                         py + 3, 96, 96);
  HICON picture = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, 96, 96, 0));
  SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(picture), 0);
  MoveWindow(icon, px + 8, py + 3, 96, 96, FALSE);
  controls.SetHint("ProgramIcon", kPictureHint);
  AddControl("ProductName", "STATIC", fMessage("SH_TITRE_VARNOCK").c_str(), WS_VISIBLE | SS_CENTER | SS_NOPREFIX,
             px + 112, py + 16, 157, 26, 0, titleFont_);
  AddControl("Copyright", "STATIC", kMakerLine, WS_VISIBLE | SS_CENTER | SS_NOPREFIX, px + 112, py + 48, 161, 13);
  AddControl("EditURL", "EDIT", kSourceAddress, WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, px + 112,
             py + 72, 161, 21);
  AddControl("Bevel2", "STATIC", "", WS_VISIBLE | SS_ETCHEDFRAME, px + 8, py + 112, 265, 81);
  AddControl("Img", "STATIC", "", SS_OWNERDRAW, px + 10, py + 115, kImgWidth, kImgHeight, kImgId);
  AddControl("OKBtn", "BUTTON", "&OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 215, 252, 75, 25, IDOK);
  for (const char* frame : {"Bevel2", "Panel1"})
    SetWindowPos(controls.Control(frame), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  HDC screen = GetDC(hwnd_);
  imageDc_ = CreateCompatibleDC(screen);
  imageBitmap_ = CreateCompatibleBitmap(screen, kImgWidth, kImgHeight);
  ReleaseDC(hwnd_, screen);
  oldBitmap_ = SelectObject(imageDc_, imageBitmap_);
  SelectObject(imageDc_, dialogFont_);
}

void TAboutBox::ShowModal() {
  done_ = false;
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetFocus(controls.Control("OKBtn"));
  FormShow();
  MSG msg;
  while (!done_) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (IsDialogMessageA(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  done_ = true;
  OKBtnClick();
  // The owner is enabled before the box goes, so that it gets the activation back.
  if (owner) EnableWindow(owner, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
}

void TAboutBox::FormShow() {
  scrolling_ = true;
  SetTimer(hwnd_, kTimerId, kTickMs, nullptr);
}

// One frame, drawn on Img's own bitmap and then shown: the text never flickers.
void TAboutBox::ImgScroll() {
  RECT all{0, 0, 270, 120};
  FillRect(imageDc_, &all, GetSysColorBrush(COLOR_BTNFACE));
  SetBkColor(imageDc_, GetSysColor(COLOR_BTNFACE));
  SetBkMode(imageDc_, OPAQUE);
  SetTextColor(imageDc_, GetSysColor(COLOR_BTNTEXT));
  HWND img = controls.Control("Img");
  ShowWindow(img, SW_SHOWNA);
  for (int n = 0; n < kAboutLineCount; ++n) {
    const std::string line = fMessage("ABOUT" + std::to_string(n));
    TextOutA(imageDc_, kAboutTextX, AboutLineTop(tag_, n), line.c_str(), static_cast<int>(line.size()));
  }
  tag_ = NextAboutScroll(tag_);
  InvalidateRect(img, nullptr, FALSE);
}

void TAboutBox::OKBtnClick() {
  KillTimer(hwnd_, kTimerId);
  scrolling_ = false;
  tag_ = kAboutScrollFirst;
  ShowWindow(controls.Control("Img"), SW_HIDE);
}

COLORREF TAboutBox::ImagePixel(int x, int y) const { return GetPixel(imageDc_, x, y); }

void TAboutBox::DrawImage(const DRAWITEMSTRUCT& item) const {
  BitBlt(item.hDC, 0, 0, kImgWidth, kImgHeight, imageDc_, 0, 0, SRCCOPY);
}

LRESULT TAboutBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kTimerId) ImgScroll();
      return 0;
    case WM_DRAWITEM:
      if (wp == kImgId) DrawImage(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
        done_ = true;
        OKBtnClick();
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      // The read-only address field takes the button face, as the labels do.
      SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_BTNFACE));
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE:
      done_ = true;
      OKBtnClick();
      return 0;
    case WM_SHOWWINDOW:
      if (!wp) OKBtnClick();
      break;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
  }
  return Default(msg, wp, lp);
}

}  // namespace varnock
