// TFormColor: building the dialog, running it modally, and its buttons.
#include "win/colour/form_color.h"

#include <commctrl.h>

#include "core/colour/preview_rules.h"
#include "win/about/help.h"
#include "win/app/application.h"
#include "win/platform/dpi.h"
#include "win/platform/gdi_font.h"
#include "win/platform/rich_format.h"
#include "win/platform/modal_loop.h"

namespace varnock {

namespace {

TFormColor* g_instance = nullptr;

enum ControlId { kLabel1 = 1001, kRichEx, kBitBtn1 = 1011, kBitBtn2, kBitBtn3, kBitBtn4, kBitBtn5, kBitBtnHelp = 1020 };

constexpr int kClientWidth = 377;
constexpr int kClientHeight = 329;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

// Where each control stands at 96 dpi: left, top, width, height.
struct DesignPlace {
  const char* name;
  int left, top, width, height;
};
constexpr int kRowTop = 237;
constexpr int kBottomRowTop = kClientHeight - 8 - kButtonHeight;
constexpr DesignPlace kDesignPlaces[] = {
    {"Label1", 8, 8, 361, 28},
    {"RichEx", 8, 40, 361, 189},
    {"BitBtn1", 8, kRowTop, kButtonWidth, kButtonHeight},
    {"BitBtn2", 99, kRowTop, kButtonWidth, kButtonHeight},
    {"BitBtn3", 190, kRowTop, kButtonWidth, kButtonHeight},
    {"BitBtn4", 281, kRowTop, kButtonWidth, kButtonHeight},
    {"BitBtn5", 8, kBottomRowTop, kButtonWidth, kButtonHeight},
    {"BitBtnHelp", 99, kBottomRowTop, kButtonWidth, kButtonHeight},
    {"BitBtnCNL", 190, kBottomRowTop, kButtonWidth, kButtonHeight},
    {"BitBtnOK", 281, kBottomRowTop, kButtonWidth, kButtonHeight},
};

// Where the dialog opens: centred on its owner.
POINT CentredOn(HWND owner, int width, int height) {
  RECT area{};
  if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  return {area.left + (area.right - area.left - width) / 2, area.top + (area.bottom - area.top - height) / 2};
}

}  // namespace

TFormColor::~TFormColor() {
  if (g_instance == this) g_instance = nullptr;
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (dialogFont_) DeleteObject(dialogFont_);
}

TFormColor* TFormColor::Instance() { return g_instance; }

bool TFormColor::Create(HWND owner) {
  const SIZE frame = FrameSizeOfClient(kClientWidth, kClientHeight, kStyle, kExStyle, kDesignDpi);
  if (!CreateWin("TFormColor", "Varnock - Colours selection", kStyle, kExStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.cx,
                 frame.cy, owner))
    return false;
  g_instance = this;
  CreateControls();
  ApplyDpi(WindowDpi(hwnd_), true);
  return true;
}

HWND TFormColor::AddButton(const char* name, int id, const char* caption, const char* hint, DWORD style) {
  HWND button = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, kButtonWidth,
                                kButtonHeight, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  controls_.Add(hwnd_, name, button);
  SetControlHint(name, hint);
  return button;
}

void TFormColor::CreateControls() {
  HWND label = CreateWindowExA(
      0, "STATIC", "If default colors provided by Varnock don't suit you, you can now modify them as needed.",
      WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 0, 361, 28, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabel1)),
      GetModuleHandleA(nullptr), nullptr);
  controls_.Add(hwnd_, "Label1", label);

  // Not reached with Tab; a vertical scroll bar only.
  RichEx.Create(hwnd_, kRichEx, 0, WS_TABSTOP | WS_HSCROLL | ES_AUTOHSCROLL);
  HWND preview = RichEx.hwnd();
  RichEx.SetText(ColourPreviewSampleText());
  RichEx.SetReadOnly(true);
  controls_.Add(hwnd_, "RichEx", preview);
  SetControlHint("RichEx", "Preview selected colors");

  AddButton("BitBtn1", kBitBtn1, "[Section]", "Chose a new color for [Sections]", BS_OWNERDRAW);
  AddButton("BitBtn2", kBitBtn2, "; Comment", "Chose a new color for ; Comments", BS_OWNERDRAW);
  AddButton("BitBtn3", kBitBtn3, "Entry=", "Chose a new color for Entries", BS_OWNERDRAW);
  AddButton("BitBtn4", kBitBtn4, "Error detected !", "Chose a new color for detected errors", BS_OWNERDRAW);
  AddButton("BitBtn5", kBitBtn5, "Default", "Restore Varnock default colors", BS_PUSHBUTTON);
  AddButton("BitBtnHelp", kBitBtnHelp, "&Help", "", BS_PUSHBUTTON);
  AddButton("BitBtnCNL", IDCANCEL, "Cancel", "Exit without changing colors", BS_PUSHBUTTON);
  AddButton("BitBtnOK", IDOK, "OK", "Exit and apply color changes to Varnock", BS_DEFPUSHBUTTON);
}

void TFormColor::ApplyDpi(int dpi, bool resizeWindow) {
  dpi_ = UsableDpi(dpi);
  const DpiScaler scale(dpi_);
  HFONT old = dialogFont_;
  FontSpec dialogFont;
  dialogFont.face = "MS Sans Serif";
  dialogFont.pointSize = 8;
  dialogFont_ = CreateFontOf(dialogFont, dpi_);
  if (resizeWindow) {
    const SIZE frame = FrameSizeOfClient(scale(kClientWidth), scale(kClientHeight), kStyle, kExStyle, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (const DesignPlace& place : kDesignPlaces) {
    HWND control = Control(place.name);
    const RECT r = scale.Rect(place.left, place.top, place.width, place.height);
    MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    if (control != RichEx.hwnd()) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_), FALSE);
  }
  if (old) DeleteObject(old);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND TFormColor::Control(const std::string& name) const { return controls_.Control(name); }
std::string TFormColor::ControlText(const std::string& name) const { return controls_.Text(name); }
void TFormColor::SetControlText(const std::string& name, const std::string& text) { controls_.SetText(name, text); }
std::string TFormColor::ControlHint(const std::string& name) const { return controls_.Hint(name); }
void TFormColor::SetControlHint(const std::string& name, const std::string& hint) { controls_.SetHint(name, hint); }

std::optional<ColourScheme> TFormColor::Execute(const ColourScheme& colours, const FontSpec& textFont) {
  working_ = colours;
  result_.reset();
  done_ = false;
  FormShow(textFont);
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  RECT frame{};
  GetWindowRect(hwnd_, &frame);
  const POINT at = CentredOn(owner, frame.right - frame.left, frame.bottom - frame.top);
  SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetFocus(Control("BitBtnOK"));
  RunModalLoop(hwnd_, done_);
  done_ = true;
  // The owner is enabled before the dialog goes, so that it gets the activation back.
  if (owner) EnableWindow(owner, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  return result_;
}

void TFormColor::FormShow(const FontSpec& textFont) {
  FontSpec font = textFont;
  font.systemTextColour = true;
  const CHARFORMATA format = CharFormatOf(font);
  SetCharFormat(RichEx, format, SCF_DEFAULT);
  SetCharFormat(RichEx, format, SCF_ALL);
  RichEx.Select(0, 0);
  FormRefresh();
}

void TFormColor::ChooseColour(std::uint32_t& workingCopy) {
  if (ColorDialog1.Execute(hwnd_)) workingCopy = ColorDialog1.Colour();
  FormRefresh();
}

void TFormColor::BitBtn5Click() {
  working_ = ColourScheme{};
  FormRefresh();
}

void TFormColor::BitBtnHelpClick() { ShowHelp(hwnd_, kHelpContents); }

void TFormColor::BitBtnOKClick() {
  result_ = working_;
  done_ = true;
}

void TFormColor::OnCommand(int id) {
  switch (id) {
    case kBitBtn1: ChooseColour(working_.section); break;
    case kBitBtn2: ChooseColour(working_.comment); break;
    case kBitBtn3: ChooseColour(working_.entry); break;
    case kBitBtn4: ChooseColour(working_.error); break;
    case kBitBtn5: BitBtn5Click(); break;
    case kBitBtnHelp: BitBtnHelpClick(); break;
    case IDOK: BitBtnOKClick(); break;
    case IDCANCEL: done_ = true; break;
  }
}

LRESULT TFormColor::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED) OnCommand(LOWORD(wp));
      return 0;
    case WM_DRAWITEM: DrawColourButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp)); return TRUE;
    case WM_CTLCOLORSTATIC:
      // The system's colours for the label, so a high-contrast scheme reads too.
      SetTextColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_BTNTEXT));
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE: done_ = true; return 0;
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(wp), false);
      MoveToSuggestedRect(hwnd_, lp);
      return 0;
    case WM_SYSCOLORCHANGE: FormRefresh(); return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace varnock
