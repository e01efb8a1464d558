// The main window at the display's scale: its 96-dpi design sizes scaled to the
// window's DPI, the change of DPI when the window moves to another screen, and the
// system's colours.
#include <string>

#include "win/app/display_scale.h"
#include "win/app/form_pad.h"
#include "win/platform/dpi.h"

namespace varnock {

namespace {

// The image sizes res/toolbar/make-images.sh draws.
const std::vector<int>& ToolBarImageSizes() {
  static const std::vector<int> sizes{16, 20, 24, 32, 40, 48, 64};
  return sizes;
}

constexpr int kLargeImage = 32;
constexpr SIZE kLargeButton{39, 38};
constexpr int kSmallImage = 16;
constexpr SIZE kSmallButton{23, 22};
constexpr int kSeparatorWidth = 8;

// Design widths of the status panels, left to right; the message panel's is its least.
constexpr int kPanelDesignWidths[] = {300, 35, 45, 35, 50, 120};

}  // namespace

ToolBarMetrics ToolBarMetricsAt(bool large, int dpi) {
  const DpiScaler scale(dpi);
  const int size = ImageSizeForDpi(large ? kLargeImage : kSmallImage, dpi, ToolBarImageSizes());
  const SIZE button = large ? kLargeButton : kSmallButton;
  const std::string name = "TOOLBAR_" + std::to_string(size);
  return ToolBarMetrics{{name, name + "_DISABLED", size}, {scale(button.cx), scale(button.cy)}, scale(kSeparatorWidth)};
}

int StatusPanelWidthAt(int panel, int dpi) { return ScaleToDpi(kPanelDesignWidths[panel], dpi); }

int TFormPad::Scaled(int designPixels) const { return ScaleToDpi(designPixels, dpi); }

void TFormPad::ApplyToolBarMetrics() {
  ToolBar.SetMetrics(ToolBarMetricsAt(true, dpi));
  ToolBarSmall.SetMetrics(ToolBarMetricsAt(false, dpi));
}

void TFormPad::ApplyStatusPanelWidths() {
  for (int panel : {kPanelHint, kPanelInsert, kPanelWrap, kPanelFont, kPanelCaret})
    StatusLine.SetWidth(panel, StatusPanelWidthAt(panel, dpi));
  FormResize();
}

void TFormPad::OnDpiChanged(int newDpi, LPARAM suggested) {
  dpi = UsableDpi(newDpi);
  ApplyToolBarMetrics();
  ApplyStatusPanelWidths();
  // Before the window shows, its bounds are the stored ones, kept as they were read.
  if (IsWindowVisible(hwnd_)) MoveToSuggestedRect(hwnd_, suggested);
  FontCheck();
  Layout();
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}

// The common controls follow the system's colours only when their parent passes the
// news on; the text's colours are worked out again against the new background.
void TFormPad::OnSystemColoursChanged(UINT msg, WPARAM wp, LPARAM lp) {
  for (HWND child : {StatusLine.hwnd(), ToolBar.hwnd(), ToolBarSmall.hwnd(), Rich1.hwnd()})
    if (child) SendMessageA(child, msg, wp, lp);
  if (msg == WM_SETTINGCHANGE && wp != SPI_SETHIGHCONTRAST) return;
  SetColour();
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}

}  // namespace varnock
