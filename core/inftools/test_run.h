#pragma once
// What testing an INF file and merging a REG file hand to the system's programs.
#include <string>

namespace varnock {

// The runner's argument for a test library code ("1" SetupX, "2" SetupAPI, "3"
// AdvPack); empty for any other code. The INF path goes unquoted, blanks and all: the
// setup libraries read the rest of the line as the path and ignore a quoted one.
std::string TestRunArgument(const std::string& code, const std::string& infPath);

// The registry editor's argument: the path, quoted when it holds a blank.
std::string MergeArgument(const std::string& regPath);

// A spawn-style command line: the program (quoted when it holds a blank), a blank and
// the argument as it is.
std::string SpawnCommandLine(const std::string& program, const std::string& argument);

}  // namespace varnock
