#pragma once
// Runs a command of the Unix system under Wine (the poppler and Ghostscript tools that
// read printed output back). Shared by the in-process and whole-program tests.
#include <string>

namespace varnock::test {

// Runs `command` with /bin/sh in the Unix folder `unixFolder` (Windows path
// `windowsFolder`, both ending in a separator). With `wait`, waits at most a minute and
// tells whether it exited with 0.
bool RunUnixCommand(const std::string& command, const std::string& unixFolder, const std::string& windowsFolder,
                    bool wait = true);

// The Unix path of a Windows path through Wine's drive Z: ("Z:\\tmp\\a" is "/tmp/a").
std::string UnixPathOf(const std::string& windowsPath);

}  // namespace varnock::test
