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
}

}  // namespace varnock
