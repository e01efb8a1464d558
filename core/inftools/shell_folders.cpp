#include "core/inftools/shell_folders.h"

namespace varnock {

std::string ShellFolderValueName(const std::string& name, bool common) {
  if (common) {
    for (const char* shared : {"Desktop", "Start Menu", "Startup", "Programs", "AppData", "Documents"}) {
      if (name == shared) return "Common " + name;
    }
    return name;
  }
  return name == "Documents" ? "Personal" : name;
}

std::string FolderUp(const std::string& path, int levels) {
  std::string result = path;
  for (int i = 0; i < levels; ++i) {
    const std::size_t backslash = result.rfind('\\');
    if (backslash == std::string::npos) return std::string();
    result.resize(backslash);
  }
  return result;
}

std::vector<std::pair<std::string, std::string>> LdidFolderHints(const SystemFolders& folders) {
  const std::string& w = folders.windows;
  return {
      {"LDID10", w},
      {"LDID11", w + (folders.platform == 1 ? "\\System" : "\\System32")},
      {"LDID13", w + "\\Command"},
      {"LDID17", w + "\\Inf"},
      {"LDID18", w + "\\Help"},
      {"LDID20", w + "\\Fonts"},
      {"LDID24", w.substr(0, 3)},
      {"LDID25", w},
      {"LDID30", folders.boot},
  };
}

}  // namespace varnock
