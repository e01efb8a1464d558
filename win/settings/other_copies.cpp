#include "win/settings/other_copies.h"

#include <cstdint>

#include "core/settings/settings_values.h"
#include "win/platform/profile.h"

namespace varnock {

namespace {
constexpr const char* kInstances = "Instances";
constexpr int kMostCopies = 4;
}  // namespace

bool OtherCopiesRunning(const std::string& settingsFile, HWND own) {
  const int count = IntegerOr(ProfileRead(settingsFile, kInstances, "Compte", "0"), 0);
  if (count <= 1) return false;
  if (ProfileKeyExists(settingsFile, kInstances, "Destroy")) return true;
  for (int n = 1; n <= count && n <= kMostCopies; ++n) {
    const auto handle = ParseWholeInteger(ProfileRead(settingsFile, kInstances, std::to_string(n), ""));
    if (!handle) continue;
    // Handles are stored as signed 32-bit numbers; widening keeps their sign as the
    // system does.
    HWND window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(*handle));
    if (window != own && IsWindow(window)) return true;
  }
  return false;
}

bool PositionsMayBeStored(const std::string& settingsFile) {
  return IntegerOr(ProfileRead(settingsFile, kInstances, "DontPos", "0"), 0) == 0;
}

}  // namespace varnock
