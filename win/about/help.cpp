#include "win/about/help.h"

#include "win/about/help_window.h"

namespace varnock {

// The program's own help window: the system's help viewer is gone from current Windows,
// and blocks under Wine when its file is missing.
void ShowHelp(HWND owner, int context) { HelpWindow::Instance().Show(owner, context); }

}  // namespace varnock
