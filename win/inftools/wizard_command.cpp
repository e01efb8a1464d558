// AffWizard: the main window's side of the INF wizard.
#include "win/app/form_pad.h"
#include "win/inftools/inf_wizard.h"

namespace varnock {

void TFormPad::AffWizard() {
  TInfWizard* wizard = TInfWizard::Instance();
  if (!wizard) return;
  Rich1.tag = 0;
  wizard->previousFileName = saveDialogFileName;
  wizard->previousModified = Rich1.Modified();
  const bool ok = wizard->ShowModal(*this);
  StatusLine.SetText(kPanelHint, "");
  richHandlersDetached = true;
  if (ok) {
    saveDialogDefaultExt = "inf";
    saveDialogFilterIndex = 1;
    openDialogFileName = saveDialogFileName = wizard->newFileName;
    Rich1.SetModified(true);
    Rich1.Select(Rich1.TextLength(), 0);
    SetColour();
    SetTitle();
    fDelStrings();
  } else {
    openDialogFileName = saveDialogFileName = wizard->previousFileName;
    Rich1.SetModified(wizard->previousModified);
    SetTitle();
  }
  richHandlersDetached = false;
  Rich1.tag = 1;
}

}  // namespace varnock
