#pragma once
// The message loop of a modal window of our own (about box, wizard, colour dialog).
#include <windows.h>

namespace varnock {

// Pumps messages, with the dialog's keyboard navigation, until `done` is set. A WM_QUIT
// ends the loop too and is posted again for the main loop to see.
void RunModalLoop(HWND dialog, const bool& done);

}  // namespace varnock
