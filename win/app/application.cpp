#include "win/app/application.h"

#include <windows.h>

namespace varnock {

Application& App() {
  static Application app;
  return app;
}

std::string ProgramFile() {
  for (DWORD size = MAX_PATH;; size *= 2) {
    std::string path(size, '\0');
    const DWORD got = GetModuleFileNameA(nullptr, &path[0], size);
    if (got < size) {
      path.resize(got);
      return path;
    }
  }
}

std::string ProgramFolder() {
  if (!App().programFolder.empty()) return App().programFolder;
  const std::string file = ProgramFile();
  return file.substr(0, file.find_last_of("\\/") + 1);
}

}  // namespace varnock
