#pragma once
// The pieces of the system folder look-ups that need no registry: which value names
// the shell folders are stored under, how a missing all-users folder is derived, and
// which folder each directory-identifier menu entry shows as its hint.
#include <string>
#include <utility>
#include <vector>

#include "core/inftools/directory_ids.h"

namespace varnock {

// The value of the "Shell Folders" key that holds a shell folder: with `common`,
// "Desktop", "Start Menu", "Startup", "Programs", "AppData" and "Documents" get
// "Common " in front; without it "Documents" is "Personal". Other names are their own.
std::string ShellFolderValueName(const std::string& name, bool common);

// `path` with its last `levels` components removed ("C:\A\B\C", 2 gives "C:\A"); each
// level keeps the folder part up to its last backslash and drops that backslash. Empty
// when the path runs out of backslashes.
std::string FolderUp(const std::string& path, int levels);

// The menu entries of the LDID menu whose hint is a system folder, with that folder:
// LDID10, LDID11, LDID13, LDID17, LDID18, LDID20, LDID24, LDID25, LDID30.
std::vector<std::pair<std::string, std::string>> LdidFolderHints(const SystemFolders& folders);

}  // namespace varnock
