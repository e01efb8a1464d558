#include "win/settings/settings_writable.h"

#include <windows.h>

namespace varnock {

namespace {

constexpr DWORD kRetryMs = 200;
constexpr DWORD kMostWaitMs = 2000;

// The read-only attribute is tested itself: a program run with every right (root
// under Wine) would write such a file anyway.
bool ReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

std::string FolderOf(const std::string& file) {
  const std::string::size_type slash = file.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
}

bool InUse(DWORD error) { return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION; }

}  // namespace

bool WaitForWritableSettings(const std::string& settingsFile) {
  // A folder marked read-only only matters when the file must be created in it (the
  // system marks customised folders so without making them read-only).
  const bool missing = GetFileAttributesA(settingsFile.c_str()) == INVALID_FILE_ATTRIBUTES;
  if (ReadOnly(settingsFile) || (missing && ReadOnly(FolderOf(settingsFile)))) return false;
  for (DWORD waited = 0;; waited += kRetryMs) {
    HANDLE file = CreateFileA(settingsFile.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      return true;
    }
    if (!InUse(GetLastError()) || waited >= kMostWaitMs) return false;
    Sleep(kRetryMs);
  }
}

}  // namespace varnock
