// TFormColor: building the dialog, running it modally, and its buttons.
#include "win/colour/form_color.h"

#include <commctrl.h>

#include "core/colour/preview_rules.h"
#include "win/about/help.h"
#include "win/app/application.h"
#include "win/platform/gdi_font.h"
#include "win/platform/rich_format.h"

namespace varnock {

namespace {

TFormColor* g_instance = nullptr;

enum ControlId { kLabel1 = 1001, kRichEx, kBitBtn1 = 1011, kBitBtn2, kBitBtn3, kBitBtn4, kBitBtn5, kBitBtnHelp = 1020 };

constexpr int kClientWidth = 377;
constexpr int kClientHeight = 329;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 28;

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
  RECT frame{0, 0, kClientWidth, kClientHeight};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
  if (!CreateWin("TFormColor", "Varnock - Colours selection", style, WS_EX_DLGMODALFRAME, CW_USEDEFAULT, CW_USEDEFAULT,
                 frame.right - frame.left, frame.bottom - frame.top, owner))
    return false;
  g_instance = this;
  CreateControls();
  return true;
}

HWND TFormColor::AddButton(const char* name, int id, const char* caption, const char* hint, int x, int y, DWORD style) {
  HWND button = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, kButtonWidth,
                                kButtonHeight, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_), FALSE);
  controls_.Add(hwnd_, name, button);
  SetControlHint(name, hint);
  return button;
}

void TFormColor::CreateControls() {
  FontSpec dialogFont;
  dialogFont.face = "MS Sans Serif";
  dialogFont.pointSize = 8;
  dialogFont_ = CreateFontOf(dialogFont);

  HWND label = CreateWindowExA(0, "STATIC",
                               "If default colors provided by Varnock don't suit you, you can now modify them as needed.",
                               WS_CHILD | WS_VISIBLE | SS_LEFT, 8, 8, 361, 28, hwnd_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLabel1)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont_), FALSE);
  controls_.Add(hwnd_, "Label1", label);

  // Not reached with Tab; a vertical scroll bar only.
  RichEx.Create(hwnd_, kRichEx, 0, WS_TABSTOP | WS_HSCROLL | ES_AUTOHSCROLL);
  HWND preview = RichEx.hwnd();
  MoveWindow(preview, 8, 40, 361, 189, FALSE);
  RichEx.SetText(ColourPreviewSampleText());
  RichEx.SetReadOnly(true);
  controls_.Add(hwnd_, "RichEx", preview);
  SetControlHint("RichEx", "Preview selected colors");

  const int top = 237;
  const int bottom = kClientHeight - 8 - kButtonHeight;
  AddButton("BitBtn1", kBitBtn1, "[Section]", "Chose a new color for [Sections]", 8, top, BS_OWNERDRAW);
  AddButton("BitBtn2", kBitBtn2, "; Comment", "Chose a new color for ; Comments", 99, top, BS_OWNERDRAW);
  AddButton("BitBtn3", kBitBtn3, "Entry=", "Chose a new color for Entries", 190, top, BS_OWNERDRAW);
  AddButton("BitBtn4", kBitBtn4, "Error detected !", "Chose a new color for detected errors", 281, top, BS_OWNERDRAW);
  AddButton("BitBtn5", kBitBtn5, "Default", "Restore Varnock default colors", 8, bottom, BS_PUSHBUTTON);
  AddButton("BitBtnHelp", kBitBtnHelp, "&Help", "", 99, bottom, BS_PUSHBUTTON);
  AddButton("BitBtnCNL", IDCANCEL, "Cancel", "Exit without changing colors", 190, bottom, BS_PUSHBUTTON);
  AddButton("BitBtnOK", IDOK, "OK", "Exit and apply color changes to Varnock", 281, bottom, BS_DEFPUSHBUTTON);
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
    case WM_DRAWITEM:
      DrawColourButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_CTLCOLORSTATIC:
      SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_CLOSE:
      done_ = true;
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
  }
  return Default(msg, wp, lp);
}

}  // namespace varnock
