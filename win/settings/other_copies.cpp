#include "win/settings/other_copies.h"

#include "core/settings/settings_values.h"
#include "win/instances/instance_profile.h"
#include "win/platform/profile.h"

namespace varnock {

namespace {
constexpr const char* kInstances = "Instances";
}  // namespace

bool OtherCopiesRunning(const std::string& settingsFile, HWND own) {
  return OthersRegistered(ProfileInstanceStore(settingsFile), LiveMainWindows(), ToWindowId(own));
}

bool PositionsMayBeStored(const std::string& settingsFile) {
  return IntegerOr(ProfileRead(settingsFile, kInstances, "DontPos", "0"), 0) == 0;
}

}  // namespace varnock
