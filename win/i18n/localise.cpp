// Localisation of the four forms from the current language's section, and the choice
// of a language in the Language menu.
#include <windows.h>

#include "core/i18n/interface_keys.h"
#include "win/about/about_box.h"
#include "win/app/form_pad.h"
#include "win/colour/form_color.h"
#include "win/i18n/message.h"
#include "win/inftools/inf_wizard.h"
#include "win/inftools/system_folders.h"
#include "win/platform/profile.h"
#include "win/platform/prompter.h"

namespace varnock {

namespace {

// The save dialog maps its type indexes to extensions: a translation keeps its six types.
constexpr int kSaveFilterTypes = 6;

MenuItem* FindEntry(TFormPad& pad, const std::string& name) {
  if (MenuItem* item = pad.MainMenu.Find(name)) return item;
  if (MenuItem* item = pad.PopupMenu.Find(name)) return item;
  return pad.PopupMenuTB.Find(name);
}

// One form's named controls seen the same way, whichever class holds them.
struct FormControls {
  HWND form = nullptr;
  NamedControls* named = nullptr;  // the wizard's and about box's
  TFormColor* colour = nullptr;

  bool Has(const std::string& name) const {
    if (named) return named->Control(name) != nullptr;
    return colour && colour->Control(name) != nullptr;
  }
  std::string Get(const std::string& name, LocTarget what) const {
    if (named) return what == LocTarget::Hint ? named->Hint(name) : named->Text(name);
    return what == LocTarget::Hint ? colour->ControlHint(name) : colour->ControlText(name);
  }
  void Set(const std::string& name, LocTarget what, const std::string& text) const {
    if (!Has(name)) return;  // a control not built (yet) changes nothing
    if (named) what == LocTarget::Hint ? named->SetHint(name, text) : named->SetText(name, text);
    else what == LocTarget::Hint ? colour->SetControlHint(name, text) : colour->SetControlText(name, text);
  }
};

FormControls ControlsOf(TFormPad& pad, LocForm form) {
  switch (form) {
    case LocForm::About:
      return pad.aboutBox ? FormControls{pad.aboutBox->hwnd(), &pad.aboutBox->controls, nullptr} : FormControls{};
    case LocForm::Wizard:
      return pad.infWizard ? FormControls{pad.infWizard->hwnd(), &pad.infWizard->controls, nullptr} : FormControls{};
    case LocForm::Colour:
      return pad.formColor ? FormControls{pad.formColor->hwnd(), nullptr, pad.formColor} : FormControls{};
    case LocForm::Pad: break;
  }
  return {};
}

void SetFilter(std::string& filter, const std::string& value, int requiredTypes) {
  if (IsUsableFilter(value, requiredTypes)) filter = value;
}

void ApplyToMainWindow(TFormPad& pad, const InterfaceKey& key, const std::string& value) {
  switch (key.target) {
    case LocTarget::ShellVerb: pad.shellVerbCaption = value; return;
    case LocTarget::Filter:
      if (key.control == "SaveDialog") SetFilter(pad.saveDialogFilter, value, kSaveFilterTypes);
      else if (key.control == "OpenDialog") SetFilter(pad.openDialogFilter, value, 0);
      else SetFilter(pad.openDiagRegFilter, value, 0);
      return;
    case LocTarget::DialogTitle: pad.openDialogTitle = value; return;
    default: break;
  }
  MenuItem* item = FindEntry(pad, key.control);
  if (!item) return;
  if (key.target == LocTarget::Hint) item->hint = value;
  else if (key.target == LocTarget::CaptionWithBlank) item->caption = value + " ";
  else item->caption = value;
}

void ApplyToDialog(TFormPad& pad, const InterfaceKey& key, const std::string& value) {
  const FormControls form = ControlsOf(pad, key.form);
  if (!form.form) return;
  if (key.target == LocTarget::CaptionBeforeTitle) {
    SetWindowTextA(form.form, (value + fMessage("SH_TITRE_VARNOCK")).c_str());
  } else if (key.control.empty()) {
    SetWindowTextA(form.form, value.c_str());
  } else {
    form.Set(key.control, key.target, value);
  }
}

void Copy(TFormPad& pad, const LocCopy& copy) {
  std::string text;
  if (copy.fromForm == LocForm::Pad) {
    const MenuItem* from = FindEntry(pad, copy.fromControl);
    if (!from) return;
    text = copy.fromWhat == LocTarget::Hint ? from->hint : from->caption;
  } else {
    const FormControls from = ControlsOf(pad, copy.fromForm);
    if (!from.Has(copy.fromControl)) return;  // not built: nothing to copy
    text = from.Get(copy.fromControl, copy.fromWhat);
  }
  if (copy.toForm == LocForm::Pad) {
    if (MenuItem* to = FindEntry(pad, copy.toControl)) (copy.toWhat == LocTarget::Hint ? to->hint : to->caption) = text;
  } else {
    ControlsOf(pad, copy.toForm).Set(copy.toControl, copy.toWhat, text);
  }
}

}  // namespace

void TFormPad::fLocaliseForm() {
  shellVerbCaption = kDefaultShellVerb;
  const std::string file = LanguageFile();
  for (const InterfaceKey& key : InterfaceKeys()) {
    const std::string value = ProfileRead(file, languageName, key.key, kAbsentMarker);
    if (value == kAbsentMarker) continue;
    if (key.form == LocForm::Pad) ApplyToMainWindow(*this, key, value);
    else ApplyToDialog(*this, key, value);
  }
  CopyToolButtonHints();
  for (const LocCopy& copy : LocalisationCopies()) Copy(*this, copy);
  fRefreshFolderMenus();
  if (infWizard) infWizard->fRefreshFolderChoices();
  RefreshMenuBar();
}

void TFormPad::fLocalise(MenuItem& sender) {
  languageName = sender.caption;
  sender.CheckRadio();
  if (sender.name == "English") {
    languageName = "English";
    ShowMessage(hwnd_, "You need to restart Varnock to restore\rdefault english language !", MB_OK | MB_ICONWARNING);
    RefreshMenuBar();
    return;
  }
  fLocaliseForm();
  SetTitle();
}

}  // namespace varnock
