// TAboutBox: its controls, the modal showing and the scrolling text.
#include "win/about/about_box.h"

#include <string>

#include "core/about/about_scroll.h"
#include "core/display/font_spec.h"
#include "win/i18n/message.h"
#include "win/platform/dpi.h"
#include "win/platform/gdi_font.h"
#include "win/platform/modal_loop.h"

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
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int kIconSize = 96;
constexpr int kTitleFontPixels = 19;

// Where each control stands at 96 dpi: left, top, width, height.
struct DesignPlace {
  const char* name;
  int left, top, width, height;
};
constexpr DesignPlace kDesignPlaces[] = {
    {"Panel1", kPanelX, kPanelY, 281, 201},
    {"ProgramIcon", kPanelX + 8, kPanelY + 3, kIconSize, kIconSize},
    {"ProductName", kPanelX + 112, kPanelY + 16, 157, 26},
    {"Copyright", kPanelX + 112, kPanelY + 48, 161, 13},
    {"EditURL", kPanelX + 112, kPanelY + 72, 161, 21},
    {"Bevel2", kPanelX + 8, kPanelY + 112, 265, 81},
    {"Img", kPanelX + 10, kPanelY + 115, kImgWidth, kImgHeight},
    {"OKBtn", 215, 252, 75, 25},
};

// The client height the 312-pixel outer height leaves at 96 dpi.
int DesignClientHeight() {
  return kOuterHeight - FrameSizeOfClient(kClientWidth, 0, kStyle, WS_EX_DLGMODALFRAME, kDesignDpi).cy;
}

}  // namespace

TAboutBox::~TAboutBox() {
  if (g_instance == this) g_instance = nullptr;
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (imageDc_) {
    SelectObject(imageDc_, oldBitmap_);
    DeleteDC(imageDc_);
  }
  for (HGDIOBJ object :
       {static_cast<HGDIOBJ>(imageBitmap_), static_cast<HGDIOBJ>(dialogFont_), static_cast<HGDIOBJ>(titleFont_)})
    if (object) DeleteObject(object);
}

TAboutBox* TAboutBox::Instance() { return g_instance; }

bool TAboutBox::Create(HWND owner) {
  const int width = FrameSizeOfClient(kClientWidth, 0, kStyle, WS_EX_DLGMODALFRAME, kDesignDpi).cx;
  if (!CreateWin("TAboutBox", "A propos", kStyle, WS_EX_DLGMODALFRAME, 0, 0, width, kOuterHeight, owner)) return false;
  g_instance = this;
  CreateControls();
  ApplyDpi(WindowDpi(hwnd_), true);
  RECT frame{};
  GetWindowRect(hwnd_, &frame);
  const int w = frame.right - frame.left, h = frame.bottom - frame.top;
  SetWindowPos(hwnd_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void TAboutBox::ApplyDpi(int dpi, bool resizeWindow) {
  dpi_ = UsableDpi(dpi);
  const DpiScaler scale(dpi_);
  HFONT oldDialog = dialogFont_;
  HFONT oldTitle = titleFont_;
  FontSpec dialog;
  dialog.face = "MS Sans Serif";
  dialog.pointSize = 8;
  dialogFont_ = CreateFontOf(dialog, dpi_);
  titleFont_ = CreateFontA(-scale(kTitleFontPixels), 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Times New Roman");
  if (resizeWindow) {
    const SIZE frame =
        FrameSizeOfClient(scale(kClientWidth), scale(DesignClientHeight()), kStyle, WS_EX_DLGMODALFRAME, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (const DesignPlace& place : kDesignPlaces) {
    HWND control = controls.Control(place.name);
    const RECT r = scale.Rect(place.left, place.top, place.width, place.height);
    MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    const bool title = std::string(place.name) == "ProductName";
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(title ? titleFont_ : dialogFont_), FALSE);
  }
  HICON picture = static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1), IMAGE_ICON, scale(kIconSize), scale(kIconSize), 0));
  HWND icon = controls.Control("ProgramIcon");
  if (HICON old = reinterpret_cast<HICON>(SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(picture), 0)))
    DestroyIcon(old);
  const RECT iconPlace = scale.Rect(kPanelX + 8, kPanelY + 3, kIconSize, kIconSize);
  MoveWindow(icon, iconPlace.left, iconPlace.top, iconPlace.right - iconPlace.left, iconPlace.bottom - iconPlace.top,
             FALSE);
  MakeImageSurface();
  if (oldDialog) DeleteObject(oldDialog);
  if (oldTitle) DeleteObject(oldTitle);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

// Img's own bitmap, at the size Img has, drawn in the dialog font.
void TAboutBox::MakeImageSurface() {
  if (imageDc_) {
    SelectObject(imageDc_, oldBitmap_);
    DeleteDC(imageDc_);
  }
  if (imageBitmap_) DeleteObject(imageBitmap_);
  HDC screen = GetDC(hwnd_);
  imageDc_ = CreateCompatibleDC(screen);
  imageBitmap_ = CreateCompatibleBitmap(screen, ScaleToDpi(kImgWidth, dpi_), ScaleToDpi(kImgHeight, dpi_));
  ReleaseDC(hwnd_, screen);
  oldBitmap_ = SelectObject(imageDc_, imageBitmap_);
  SelectObject(imageDc_, dialogFont_);
}

HWND TAboutBox::AddControl(const char* name, const char* className, const char* text, DWORD style, int x, int y, int w,
                           int h, int id, HFONT font) {
  HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_CLIPSIBLINGS | style, x, y, w, h, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : dialogFont_), FALSE);
  controls.Add(hwnd_, name, control);
  return control;
}

// Sizes, places and fonts come from ApplyDpi.
void TAboutBox::CreateControls() {
  // The panel goes to the bottom of the siblings, so the controls it holds are drawn
  // over it.
  AddControl("Panel1", "STATIC", "", WS_VISIBLE | SS_SUNKEN, 0, 0, 0, 0);
  AddControl("ProgramIcon", "STATIC", "", WS_VISIBLE | SS_ICON | SS_REALSIZECONTROL | SS_NOTIFY, 0, 0, 0, 0);
  controls.SetHint("ProgramIcon", kPictureHint);
  AddControl("ProductName", "STATIC", fMessage("SH_TITRE_VARNOCK").c_str(), WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 0, 0,
             0, 0);
  AddControl("Copyright", "STATIC", kMakerLine, WS_VISIBLE | SS_CENTER | SS_NOPREFIX, 0, 0, 0, 0);
  AddControl("EditURL", "EDIT", kSourceAddress, WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL | WS_BORDER, 0, 0, 0, 0);
  AddControl("Bevel2", "STATIC", "", WS_VISIBLE | SS_ETCHEDFRAME, 0, 0, 0, 0);
  AddControl("Img", "STATIC", "", SS_OWNERDRAW, 0, 0, 0, 0, kImgId);
  AddControl("OKBtn", "BUTTON", "&OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 0, 0, IDOK);
  for (const char* frame : {"Bevel2", "Panel1"})
    SetWindowPos(controls.Control(frame), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TAboutBox::ShowModal() {
  done_ = false;
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetFocus(controls.Control("OKBtn"));
  FormShow();
  RunModalLoop(hwnd_, done_);
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
  const DpiScaler scale(dpi_);
  RECT all{0, 0, scale(270), scale(120)};
  FillRect(imageDc_, &all, GetSysColorBrush(COLOR_BTNFACE));
  SetBkColor(imageDc_, GetSysColor(COLOR_BTNFACE));
  SetBkMode(imageDc_, OPAQUE);
  SetTextColor(imageDc_, GetSysColor(COLOR_BTNTEXT));
  HWND img = controls.Control("Img");
  ShowWindow(img, SW_SHOWNA);
  for (int n = 0; n < kAboutLineCount; ++n) {
    const std::string line = fMessage("ABOUT" + std::to_string(n));
    TextOutA(imageDc_, scale(kAboutTextX), scale(AboutLineTop(tag_, n)), line.c_str(), static_cast<int>(line.size()));
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
  BitBlt(item.hDC, 0, 0, ScaleToDpi(kImgWidth, dpi_), ScaleToDpi(kImgHeight, dpi_), imageDc_, 0, 0, SRCCOPY);
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
      // The read-only address field takes the button face, as the labels do, and the
      // system's text colour, so a high-contrast scheme reads too.
      SetTextColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_BTNTEXT));
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
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(wp), false);
      MoveToSuggestedRect(hwnd_, lp);
      return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace varnock
