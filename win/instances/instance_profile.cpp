#include "win/instances/instance_profile.h"

#include <cstdint>
#include <cstring>

#include "win/platform/profile.h"

namespace varnock {

namespace {
constexpr const char* kSection = "Instances";
}

WindowId ToWindowId(HWND window) { return static_cast<WindowId>(reinterpret_cast<std::intptr_t>(window)); }

// Window handles fit 32 bits and are sign-extended to the pointer size.
HWND ToHwnd(WindowId window) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(window)); }

bool ProfileInstanceStore::NoCase::operator()(const std::string& a, const std::string& b) const {
  return _stricmp(a.c_str(), b.c_str()) < 0;
}

ProfileInstanceStore::ProfileInstanceStore(const std::string& settingsFile) : file_(settingsFile) {
  // The first of repeated keys is the one the profile functions read.
  for (auto& entry : ProfileSectionEntries(file_, kSection)) values_.emplace(entry.first, entry.second);
}

std::optional<std::string> ProfileInstanceStore::Read(const std::string& key) const {
  auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void ProfileInstanceStore::Write(const std::string& key, const std::string& value) {
  if (!ProfileWrite(file_, kSection, key, value)) failed_ = true;
  values_[key] = value;
}

void ProfileInstanceStore::Remove(const std::string& key) {
  if (values_.erase(key) == 0) return;
  if (!ProfileDeleteKey(file_, kSection, key)) failed_ = true;
}

bool LiveMainWindows::IsLive(WindowId window) const {
  HWND hwnd = ToHwnd(window);
  if (!window || !IsWindow(hwnd)) return false;
  char name[32] = "";
  GetClassNameA(hwnd, name, sizeof name);
  return std::strcmp(name, "TFormPad") == 0;
}

}  // namespace varnock
