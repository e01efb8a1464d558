#pragma once
// The instance table as the copies share it: section [Instances] of the settings file,
// read in one call and written key by key, and the question whether a handle still
// names a main window of this program.
#include <windows.h>

#include <map>
#include <string>

#include "core/instances/instance_table.h"

namespace varnock {

WindowId ToWindowId(HWND window);
HWND ToHwnd(WindowId window);

// A snapshot of [Instances] taken when constructed; writes go to the file and to the
// snapshot. Hold the settings lock around a read-modify-write.
class ProfileInstanceStore : public KeyValueStore {
 public:
  explicit ProfileInstanceStore(const std::string& settingsFile);
  std::optional<std::string> Read(const std::string& key) const override;
  void Write(const std::string& key, const std::string& value) override;
  void Remove(const std::string& key) override;
  // Some write or deletion did not reach the file (read-only file or folder).
  bool Failed() const { return failed_; }

 private:
  struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const;
  };
  std::string file_;
  std::map<std::string, std::string, NoCase> values_;
  bool failed_ = false;
};

// Live: a window of the main window's class, so a handle reused by another window is
// never taken for a copy.
class LiveMainWindows : public WindowFacts {
 public:
  bool IsLive(WindowId window) const override;
};

}  // namespace varnock
