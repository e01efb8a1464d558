// Colouring passes. Until they land the text is shown uncoloured.
#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::SetColour() {}
void TFormPad::SetColourThisLine(int) {}
void TFormPad::FontCheck() {}

}  // namespace varnock
