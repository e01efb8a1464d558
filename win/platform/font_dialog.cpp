#include "win/platform/font_dialog.h"

#include <commdlg.h>
#include <dlgs.h>

#include "win/platform/gdi_font.h"

namespace varnock {

namespace {

constexpr const char* kRequestProperty = "VarnockFontRequest";

FontDialogHook& Hook() {
  static FontDialogHook hook;
  return hook;
}

// The colour the dialog's colour box shows.
COLORREF ShownColour(HWND dialog) {
  HWND box = GetDlgItem(dialog, cmb4);
  const LRESULT index = box ? SendMessageA(box, CB_GETCURSEL, 0, 0) : CB_ERR;
  return index == CB_ERR ? 0 : static_cast<COLORREF>(SendMessageA(box, CB_GETITEMDATA, index, 0));
}

UINT_PTR CALLBACK FontHook(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    const auto* choose = reinterpret_cast<const CHOOSEFONTA*>(lp);
    SetPropA(dialog, kRequestProperty, reinterpret_cast<HANDLE>(choose->lCustData));
  } else if (msg == WM_COMMAND && LOWORD(wp) == psh3) {
    auto* request = reinterpret_cast<FontDialogRequest*>(GetPropA(dialog, kRequestProperty));
    LOGFONTA shown{};
    SendMessageA(dialog, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(&shown));
    if (request && request->apply) request->apply(FontSpecOf(shown, ShownColour(dialog)));
    return TRUE;
  } else if (msg == WM_DESTROY) {
    RemovePropA(dialog, kRequestProperty);
  }
  return FALSE;
}

// The default printer's device context, or none when no printer is installed.
HDC DefaultPrinterDC() {
  char name[512];
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return nullptr;
  return CreateDCA(nullptr, name, nullptr, nullptr);
}

}  // namespace

bool RunFontDialog(FontDialogRequest& request) {
  if (Hook()) return Hook()(request);
  LOGFONTA logFont = LogFontOf(request.font);
  HDC printer = DefaultPrinterDC();
  CHOOSEFONTA choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = request.owner;
  choose.hDC = printer;
  choose.lpLogFont = &logFont;
  choose.rgbColors = FontTextColour(request.font);
  choose.Flags = CF_INITTOLOGFONTSTRUCT | CF_EFFECTS | CF_APPLY | CF_LIMITSIZE | CF_FORCEFONTEXIST | CF_SCRIPTSONLY |
                 CF_ENABLEHOOK | (printer ? CF_BOTH : CF_SCREENFONTS);
  choose.nSizeMin = 6;
  choose.nSizeMax = 24;
  choose.lpfnHook = FontHook;
  choose.lCustData = reinterpret_cast<LPARAM>(&request);
  const bool confirmed = ChooseFontA(&choose) != FALSE;
  if (printer) DeleteDC(printer);
  if (confirmed) request.font = FontSpecOf(logFont, choose.rgbColors);
  return confirmed;
}

void SetFontDialogHook(FontDialogHook hook) { Hook() = std::move(hook); }

}  // namespace varnock
