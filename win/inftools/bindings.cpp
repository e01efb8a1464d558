#include "win/app/form_pad.h"
#include "win/app/menu_layout.h"

namespace varnock {

void TFormPad::BindInfToolCommands() {
  Bind("AffRegItem", &TFormPad::AffReg);
  for (const std::string& name : LdidInsertEntryNames()) {
    if (MenuItem* item = Item(name)) item->onClick = [this](MenuItem& sender) { fmyLDID(sender); };
  }
  for (const std::string& name : ShellFolderEntryNames()) {
    if (MenuItem* item = Item(name)) item->onClick = [this](MenuItem& sender) { sfClick(sender); };
  }
  // The wizard, test run, merge and launcher.
  Bind("AffWizardItem", &TFormPad::AffWizard);
  Bind("AffTestItem", &TFormPad::fTestInfFile);
  Bind("AffRegFus", &TFormPad::AffRegFusClick);
  Bind("AffExeItem", &TFormPad::AffExeItemClick);
  Bind("AffOptRunInf", &TFormPad::AffOptRunInfClick);
  for (const char* name : {"DLLdefault", "DLLsetupx", "DLLsetupapi", "DLLadvpack"}) {
    if (MenuItem* item = Item(name)) item->onClick = [this](MenuItem& sender) { AffOptTestClick(sender); };
  }
}

}  // namespace varnock
