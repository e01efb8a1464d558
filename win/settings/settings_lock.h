#pragma once
// One named lock per settings file, shared by every copy of the program: loading and
// saving the settings, shifting the recent files and every read-modify-write of the
// instance table take it, because each profile write rewrites the whole file and an
// unguarded write of one copy can undo another copy's change.
#include <windows.h>

#include <string>

namespace varnock {

// The lock's name for a settings file: the same for every spelling of one path.
std::string SettingsLockName(const std::string& settingsFile);

class SettingsLock {
 public:
  // Waits at most `timeoutMs` for the lock. A lock left by a copy that died is taken over.
  explicit SettingsLock(const std::string& settingsFile, DWORD timeoutMs = 2000);
  ~SettingsLock();
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;

  // False when the wait ran out (the caller goes on unguarded or gives up, as it decides).
  bool Held() const { return held_; }
  // Gives the lock back before the end of the scope (snapshot, release, then act).
  void Release();

 private:
  HANDLE mutex_ = nullptr;
  bool held_ = false;
};

}  // namespace varnock
