// TFormColor: the colour buttons and the coloured sample.
#include "core/colour/preview_rules.h"
#include "core/colour/text_colouring.h"
#include "core/colour/text_lines.h"
#include "win/colour/form_color.h"
#include "win/platform/rich_format.h"
#include "win/platform/system_colour.h"

namespace varnock {

namespace {

COLORREF PreviewColour(const ColourScheme& scheme, ColourRole role) {
  switch (role) {
    case ColourRole::Comment: return ReadableWindowTextColour(ScreenColour(scheme.comment));
    case ColourRole::Error: return ReadableWindowTextColour(ScreenColour(scheme.error));
    case ColourRole::Section: return ReadableWindowTextColour(ScreenColour(scheme.section));
    case ColourRole::Entry: return ReadableWindowTextColour(ScreenColour(scheme.entry));
    case ColourRole::Text: break;
  }
  return GetSysColor(COLOR_WINDOWTEXT);
}

}  // namespace

COLORREF TFormColor::ButtonColour(int id) const {
  if (id == GetDlgCtrlID(Control("BitBtn1"))) return ScreenColour(working_.section);
  if (id == GetDlgCtrlID(Control("BitBtn2"))) return ScreenColour(working_.comment);
  if (id == GetDlgCtrlID(Control("BitBtn3"))) return ScreenColour(working_.entry);
  return ScreenColour(working_.error);
}

// Each colour button writes its caption in the colour it chooses.
void TFormColor::DrawColourButton(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  char caption[256] = "";
  GetWindowTextA(item.hwndItem, caption, sizeof caption);
  if (pushed) OffsetRect(&rect, 1, 1);
  SetBkMode(item.hDC, TRANSPARENT);
  // The caption is written in the colour it chooses, unless that colour is the
  // button's face (a high-contrast scheme, or a colour chosen so): then in the
  // system's button text colour.
  const COLORREF ink = ReadableTextColour(ButtonColour(item.CtlID), COLOR_BTNFACE, COLOR_BTNTEXT);
  SetTextColor(item.hDC, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : ink);
  DrawTextA(item.hDC, caption, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}

void TFormColor::FormRefresh() {
  for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"}) InvalidateRect(Control(name), nullptr, TRUE);
  PaintPreview();
}

// The sample is coloured as INF-like text by the simplified rules, whatever the
// document's kind.
void TFormColor::PaintPreview() {
  const std::string text = RichEx.Text();
  {
    RedrawOff redrawOff(RichEx);
    RichEx.Select(0, -1);
    SetSelectionColour(RichEx, GetSysColor(COLOR_WINDOWTEXT));
    for (const ColourRange& run : PaintColourRanges(ColourPreviewText(text), ControlTextLength(text))) {
      RichEx.Select(static_cast<long>(run.start), static_cast<long>(run.length));
      SetSelectionColour(RichEx, PreviewColour(working_, run.role));
    }
    RichEx.Select(0, 0);
  }
  InvalidateRect(RichEx.hwnd(), nullptr, TRUE);
}

}  // namespace varnock
