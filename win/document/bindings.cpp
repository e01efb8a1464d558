#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::BindDocumentCommands() {
  Bind("FileNewItem", &TFormPad::FileNew);
  Bind("FileOpenItem", &TFormPad::FileOpen);
  Bind("FileSaveItem", &TFormPad::FileSave);
  Bind("FileSaveAsItem", &TFormPad::FileSaveAs);
  Bind("FileMenu", &TFormPad::FileMenuClick);
  for (const char* name : {"Old1", "Old2", "Old3", "Old4"})
    if (MenuItem* entry = Item(name)) entry->onClick = [this](MenuItem& sender) { OldClick(sender); };
}

}  // namespace varnock
