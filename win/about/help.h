#pragma once
// The program's help: every Help command, button and key goes through ShowHelp.
#include <windows.h>

namespace varnock {

// Help contexts: 1 the program's contents, 100 the INF guide.
enum HelpContext { kHelpContents = 1, kHelpInfGuide = 100 };

// Shows the help at the topic of `context` (unknown contexts show the contents),
// without blocking the caller.
void ShowHelp(HWND owner, int context);

}  // namespace varnock
