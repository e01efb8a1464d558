#include "win/about/help.h"

namespace varnock {

// Placeholder until the help window lands; WinHelp is not called (it blocks under Wine
// on a missing file and is gone from current Windows).
void ShowHelp(HWND, int) {}

}  // namespace varnock
