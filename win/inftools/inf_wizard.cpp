// TInfWizard: building the dialog and its sliding panel, and running it modally.
#include "win/inftools/inf_wizard.h"

#include "core/display/font_spec.h"
#include "win/inftools/inf_wizard_layout.h"
#include "win/inftools/system_folders.h"
#include "win/platform/dpi.h"
#include "win/platform/gdi_font.h"
#include "win/platform/modal_loop.h"

namespace varnock {

namespace {

TInfWizard* g_instance = nullptr;

constexpr const char* kPanelClass = "TInfWizardPanel";

// The panel hands its children's notifications and clicks on itself to the wizard.
LRESULT CALLBACK PanelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return SendMessageA(GetParent(hwnd), msg, wp, lp);
    case WM_LBUTTONDOWN:
      SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(kIdPanel, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
      return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegisterPanelClass() {
  WNDCLASSA wc{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kPanelClass, &wc)) return;
  wc.lpfnWndProc = PanelProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kPanelClass;
  RegisterClassA(&wc);
}

HFONT DialogFont(bool bold, int dpi) {
  FontSpec font;
  font.face = "MS Sans Serif";
  font.pointSize = 8;
  font.bold = bold;
  return CreateFontOf(font, dpi);
}

void Place(HWND control, const DpiScaler& scale, int x, int y, int w, int h) {
  const RECT r = scale.Rect(x, y, w, h);
  MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
}

}  // namespace

TInfWizard::~TInfWizard() {
  if (g_instance == this) g_instance = nullptr;
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
  if (boldFont_) DeleteObject(boldFont_);
}

TInfWizard* TInfWizard::Instance() { return g_instance; }

bool TInfWizard::Create(HWND owner) {
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const SIZE frame = FrameSizeOfClient(kWizardWidth, kWizardHeight, style, WS_EX_DLGMODALFRAME, kDesignDpi);
  if (!CreateWin("TInfWizard", "Varnock INF file wizard", style, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                 CW_USEDEFAULT, CW_USEDEFAULT, frame.cx, frame.cy, owner))
    return false;
  g_instance = this;
  CreateControls();
  CreatePanel();
  ApplyDpi(WindowDpi(hwnd_), true);
  fRefreshFolderChoices();
  return true;
}

int TInfWizard::Scaled(int designPixels) const { return ScaleToDpi(designPixels, dpi_); }

void TInfWizard::ApplyDpi(int dpi, bool resizeWindow) {
  const int panelDesignTop = panel_ ? UnscaleFromDpi(PanelTop(), dpi_) : kPanelOut;
  dpi_ = UsableDpi(dpi);
  const DpiScaler scale(dpi_);
  HFONT oldFont = font_;
  HFONT oldBold = boldFont_;
  font_ = DialogFont(false, dpi_);
  boldFont_ = DialogFont(true, dpi_);
  if (resizeWindow) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd_, GWL_STYLE));
    const SIZE frame = FrameSizeOfClient(scale(kWizardWidth), scale(kWizardHeight), style, WS_EX_DLGMODALFRAME, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.cx, frame.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (const auto* list : {&WizardControls(), &PanelControls()}) {
    for (const ControlSpec& c : *list) {
      HWND control = controls.Control(c.name);
      Place(control, scale, c.x, c.y, c.w, c.h);
      SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
  }
  SendMessageA(controls.Control("LabelPanelTitle"), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
  Place(panel_, scale, 0, panelDesignTop, kWizardWidth, kPanelHeight);
  if (slideStep_ != 0) slideStep_ = slideStep_ < 0 ? -scale(kPanelStep) : scale(kPanelStep);
  if (oldFont) DeleteObject(oldFont);
  if (oldBold) DeleteObject(oldBold);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND TInfWizard::Add(HWND parent, const char* className, const char* name, const char* caption, DWORD style, int x,
                     int y, int w, int h, int id) {
  HWND control =
      CreateWindowExA(0, className, caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, x, y, w, h, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  controls.Add(hwnd_, name, control);
  return control;
}

void TInfWizard::CreateControls() {
  for (const ControlSpec& c : WizardControls()) {
    Add(hwnd_, c.className, c.name, c.caption, c.style, c.x, c.y, c.w, c.h, c.id);
    if (*c.hint) controls.SetHint(c.name, c.hint);
  }
  SendMessageA(controls.Control("EditNomCourt"), EM_LIMITTEXT, kShortNameLength, 0);
}

void TInfWizard::CreatePanel() {
  RegisterPanelClass();
  panel_ = CreateWindowExA(WS_EX_CONTROLPARENT, kPanelClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS, 0,
                           kPanelOut, kWizardWidth, kPanelHeight, hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
  controls.Add(hwnd_, "Panel_adv_dest", panel_);
  for (const ControlSpec& c : PanelControls()) {
    Add(panel_, c.className, c.name, c.caption, c.style, c.x, c.y, c.w, c.h, c.id);
    if (*c.hint) controls.SetHint(c.name, c.hint);
  }
  SendMessageA(controls.Control("LabelPanelTitle"), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
}

int TInfWizard::DestinationCode(const std::string& boxName) const {
  return boxName == "CheckBox45" ? code45_ : code25_;
}

int TInfWizard::PanelTop() const {
  RECT r{};
  GetWindowRect(panel_, &r);
  MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  return r.top;
}

void TInfWizard::fRefreshFolderChoices() { ApplyFolderChoices(fPlatformId()); }

void TInfWizard::ApplyFolderChoices(int platform) {
  for (const DestinationChoice& choice : DestinationChoices()) {
    if (choice.code == 0) continue;
    const std::string folder = fGetShellFolder(choice.folder, choice.common);
    controls.SetHint(choice.radio, folder);
    EnableWindow(controls.Control(choice.radio), !folder.empty());
  }
  redWarnings_ = platform != 1;
  if (!redWarnings_) {
    for (const char* name : {"RadioButton3", "RadioButton12", "RadioButton14"})
      EnableWindow(controls.Control(name), FALSE);
  }
  ShowWindow(controls.Control("LabelNotCompatible"), redWarnings_ ? SW_SHOW : SW_HIDE);
  if (panel_) InvalidateRect(panel_, nullptr, TRUE);
}

bool TInfWizard::ShowModal(TFormPad& pad) {
  pad_ = &pad;
  result_ = false;
  done_ = false;
  FormShow();
  HWND owner = GetWindow(hwnd_, GW_OWNER);
  RECT frame{}, area{};
  GetWindowRect(hwnd_, &frame);
  if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const int w = frame.right - frame.left, h = frame.bottom - frame.top;
  SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - w) / 2,
               area.top + (area.bottom - area.top - h) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (owner) EnableWindow(owner, FALSE);
  ShowWindow(hwnd_, SW_SHOW);
  SetFocus(controls.Control("EditNomLong"));
  RunModalLoop(hwnd_, done_);
  done_ = true;
  KillTimer(hwnd_, kTimer1);
  slideStep_ = 0;
  // The owner is enabled before the wizard goes, so that it gets the activation back.
  if (owner) EnableWindow(owner, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  pad_ = nullptr;
  return result_;
}

void TInfWizard::Finish(bool ok) {
  result_ = ok;
  done_ = true;
}

LRESULT TInfWizard::ColourStatic(HDC dc, HWND control) {
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));  // the system's, so high contrast reads too
  if (redWarnings_) {
    for (const char* name : {"RadioButton3", "RadioButton22", "RadioButton24", "LabelNotCompatible"})
      if (control == controls.Control(name)) SetTextColor(dc, RGB(255, 0, 0));
  }
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT TInfWizard::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
    case WM_TIMER:
      if (wp == kTimer1) Timer1Timer();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: return ColourStatic(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_CLOSE:  // the close box is Cancel
      Finish(false);
      return 0;
    case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_DPICHANGED:
      ApplyDpi(HIWORD(wp), false);
      MoveToSuggestedRect(hwnd_, lp);
      return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace varnock
