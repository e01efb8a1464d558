// Menu entries are bound to the window's commands by name.
#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::Bind(const char* name, void (TFormPad::*handler)()) {
  for (MenuModel* model : {&MainMenu, &PopupMenu, &PopupMenuTB}) {
    if (MenuItem* item = model->Find(name)) item->onClick = [this, handler](MenuItem&) { (this->*handler)(); };
  }
}

void TFormPad::BindMenuHandlers() {
  Bind("FileExitItem", &TFormPad::FileExit);
  BindDocumentCommands();
  BindEditCommands();
  BindColourCommands();
  BindInfToolCommands();
  BindPrintCommands();
  BindHelpCommands();
  BindToolbarCommands();
  BindInstanceCommands();
  BindAssociationCommands();
  if (MenuItem* english = MainMenu.Find("English")) english->onClick = [this](MenuItem& sender) { fLocalise(sender); };
}

}  // namespace varnock
