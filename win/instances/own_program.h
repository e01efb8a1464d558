#pragma once
// Starting another copy of this program (a new window, or a hidden arranging copy),
// through one seam so in-process tests can see what would be started.
#include <functional>
#include <string>

namespace varnock {

// Starts the program file again with `parameters` (empty: none) without waiting:
// hidden through the shell's "open" verb for a switch, as a plain new process otherwise.
// False when it could not be started.
bool StartOwnCopy(const std::string& parameters);

// Tests replace the start; an empty function restores it.
void SetOwnCopyStarter(std::function<bool(const std::string& parameters)> starter);

}  // namespace varnock
