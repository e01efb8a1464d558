// The font mode commands of the Options > Font menu.
#include "win/app/form_pad.h"
#include "win/platform/font_dialog.h"

namespace varnock {

void TFormPad::SubDefClick() {
  fontMode = 1;
  FontCheck();
}

void TFormPad::SubANSIClick() {
  fontMode = 2;
  FontCheck();
}

void TFormPad::SubAutoClick() {
  fontMode = 3;
  FontCheck();
}

void TFormPad::FontDiagApply() {
  fontMode = 4;
  FontCheck();
}

void TFormPad::AffFontClick() {
  const FontSpec keptFont = fontDiagFont;
  const int keptMode = fontMode;
  FontDialogRequest request;
  request.owner = hwnd_;
  request.font = fontDiagFont;
  request.apply = [this](const FontSpec& font) {
    fontDiagFont = font;
    FontDiagApply();
  };
  if (RunFontDialog(request)) {
    fontDiagFont = request.font;
    fontMode = 4;
  } else {
    // Cancel also takes back a font that was only applied.
    fontDiagFont = keptFont;
    fontMode = keptMode;
  }
  FontCheck();
}

}  // namespace varnock
