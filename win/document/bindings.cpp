#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::BindDocumentCommands() {
  Bind("FileNewItem", &TFormPad::FileNew);
  Bind("FileSaveItem", &TFormPad::FileSave);
}

}  // namespace varnock
