#include "win/platform/colour_dialog.h"

#include <commdlg.h>

namespace varnock {

namespace {
ColourDialogHook& Hook() {
  static ColourDialogHook hook;
  return hook;
}
}  // namespace

bool ColourDialog::Execute(HWND owner) {
  COLORREF colour = colour_;
  bool confirmed = false;
  if (Hook()) {
    confirmed = Hook()(colour);
  } else {
    CHOOSECOLORA choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = owner;
    choose.rgbResult = colour_;
    choose.lpCustColors = custom_;
    choose.Flags = CC_RGBINIT | CC_SOLIDCOLOR;
    confirmed = ChooseColorA(&choose) != FALSE;
    colour = choose.rgbResult;
  }
  if (confirmed) colour_ = colour;
  return confirmed;
}

void SetColourDialogHook(ColourDialogHook hook) { Hook() = std::move(hook); }

}  // namespace varnock
