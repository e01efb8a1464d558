// The window title follows the document: program, copy number, file name, state.
#include "win/app/form_pad.h"
#include "win/i18n/message.h"

namespace varnock {

void TFormPad::SetTitle() {
  std::string caption = fMessage("SH_TITRE_VARNOCK") + " - ";
  if (Rich1.Modified()) {
    caption += saveDialogFileName.empty() ? fMessage("IS_NOT_SAVED") : saveDialogFileName + fMessage("IS_MODIFIED");
  } else {
    caption += saveDialogFileName;
  }
  SetWindowTextA(hwnd_, caption.c_str());
}

void TFormPad::Rich1SelectionChange() {}

}  // namespace varnock
