#pragma once
// How the entry routine reads its command line.
#include <string>

namespace varnock {

enum class StartSwitch { None, Uninstall, TileVertical, TileHorizontal, Cascade };

// The argument text of a full process command line: everything after the program's
// own name and the one blank that separates it, quotes and further blanks kept.
std::string ArgumentText(const std::string& commandLine);

// Exact, case-sensitive comparison of the whole argument text with the switches;
// anything else (padded or lower-case switches included) is a document name.
StartSwitch RecogniseSwitch(const std::string& argumentText);

}  // namespace varnock
