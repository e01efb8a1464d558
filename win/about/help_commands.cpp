// The Help menu, F1 and the toolbar's Help and About buttons.
#include "win/about/about_box.h"
#include "win/about/help.h"
#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::BindHelpCommands() {
  Bind("HelpContentsItem", &TFormPad::HelpContents);
  Bind("HelpINFItem", &TFormPad::HelpINF);
  Bind("HelpAboutItem", &TFormPad::HelpAbout);
}

void TFormPad::HelpContents() { ShowHelp(hwnd_, kHelpContents); }

void TFormPad::HelpINF() { ShowHelp(hwnd_, kHelpInfGuide); }

void TFormPad::HelpAbout() {
  if (TAboutBox* box = TAboutBox::Instance()) box->ShowModal();
}

}  // namespace varnock
