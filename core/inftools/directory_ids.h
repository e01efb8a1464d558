#pragma once
// Conversion of a concrete folder path into its INF directory-identifier forms: the
// `%NN%` form used inside paths and the `DestinationDirs` form (`NN` or `NN,subfolder`).
// The system folders are looked up by the caller and passed in, fresh for each call.
#include <string>

namespace varnock {

struct SystemFolders {
  std::string windows;       // the Windows folder, no trailing backslash ("C:\WINDOWS")
  std::string programFiles;  // the Program Files folder ("C:\Program Files")
  std::string boot;          // the boot folder, usually a drive root ("C:\")
  int platform = 2;          // 1 = Windows 95/98/Me, 2 = NT family
};

// The path in the `%NN%` form, or the path unchanged when no rule matches. Whole-path
// tests ignore ASCII letter case, prefix tests are case-sensitive; the first rule that
// matches decides.
std::string PathToLDID(const std::string& path, const SystemFolders& folders);

// The path in the `DestinationDirs` form, or the path unchanged. Same test rules; the
// Windows drive is tested before the boot folder, and a comma replaces the backslash
// after the matched folder.
std::string PathToDirID(const std::string& path, const SystemFolders& folders);

}  // namespace varnock
