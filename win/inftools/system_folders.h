#pragma once
// The system folders the INF tools need, read afresh from the registry at every call
// (nothing is cached), and the path conversions that use them.
#include <string>

#include "core/inftools/directory_ids.h"

namespace varnock {

// 1 for the Windows 95/98/Me family, 2 for the NT family, as the system reports it.
int fPlatformId();

// The Windows folder ("C:\WINDOWS" when the registry does not say).
std::string fGetWinDir();
// The Program Files folder ("C:\Program Files" when the registry does not say).
std::string fGetProgramFilesDir();
// The boot folder ("C:\" when the registry does not say).
std::string fGetBootDir();

// A shell folder by name ("Desktop", "Start Menu", "Programs", "Startup", "Documents",
// "AppData", "ProgramFilesDir", "CommonFilesDir", "TEMP", "SourcePath"), the all-users
// one when `common` is set; empty when the system does not hold it.
std::string fGetShellFolder(const std::string& name, bool common);

// The three folders and the platform, looked up now.
SystemFolders fSystemFolders();

// A path in its `%NN%` and `DestinationDirs` forms (the path unchanged when no
// directory identifier applies).
std::string fPathToLDID(const std::string& path);
std::string fPathToDirID(const std::string& path);

}  // namespace varnock
