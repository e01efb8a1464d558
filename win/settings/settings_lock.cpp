#include "win/settings/settings_lock.h"

#include <algorithm>
#include <cctype>

namespace varnock {

std::string SettingsLockName(const std::string& settingsFile) {
  char full[MAX_PATH * 4] = {};
  DWORD n = GetFullPathNameA(settingsFile.c_str(), sizeof full, full, nullptr);
  std::string path = (n > 0 && n < sizeof full) ? std::string(full, n) : settingsFile;
  // A kernel object name may not hold a backslash after its namespace, and file names
  // are compared without case.
  std::replace(path.begin(), path.end(), '\\', '/');
  std::transform(path.begin(), path.end(), path.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return "Local\\Varnock-" + path;
}

SettingsLock::SettingsLock(const std::string& settingsFile, DWORD timeoutMs) {
  mutex_ = CreateMutexA(nullptr, FALSE, SettingsLockName(settingsFile).c_str());
  if (!mutex_) return;
  DWORD r = WaitForSingleObject(mutex_, timeoutMs);
  held_ = (r == WAIT_OBJECT_0 || r == WAIT_ABANDONED);
}

void SettingsLock::Release() {
  if (held_) ReleaseMutex(mutex_);
  held_ = false;
}

SettingsLock::~SettingsLock() {
  Release();
  if (mutex_) CloseHandle(mutex_);
}

}  // namespace varnock
