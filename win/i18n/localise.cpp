// Choosing an interface language.
#include "win/app/form_pad.h"
#include "win/platform/prompter.h"

namespace varnock {

void TFormPad::fLocalise(MenuItem& sender) {
  languageName = sender.caption;
  sender.CheckRadio();
  if (sender.name == "English") {
    languageName = "English";
    ShowMessage(hwnd_, "You need to restart Varnock to restore\rdefault english language !", MB_OK | MB_ICONWARNING);
  } else {
    SetTitle();
  }
  RefreshMenuBar();
}

}  // namespace varnock
