#pragma once
// The real host of varnock-cli: files on disk, the system's folders and code page.
#include "cli/cli_commands.h"

namespace varnock::cli {

Host SystemHost();

// Writes `bytes` to a temporary file beside `path` and puts it in place only when all
// of it was written, so a failure never leaves a partial output file.
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error);

}  // namespace varnock::cli
