#pragma once
#include "win/app/forms.h"

namespace varnock {

// Runs until the main window is closed; accelerators go to the main window.
void RunMessageLoop(Forms& forms);

}  // namespace varnock
