#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::BindInfToolCommands() {}

}  // namespace varnock
