#include "win/app/form_pad.h"

namespace varnock {

// A REG file dropped on an INF document becomes AddReg lines of that document.
void TFormPad::fImportDroppedReg(const std::string& fileName) { fImportReg(fileName); }

}  // namespace varnock
