#include "win/platform/sound.h"

#include <utility>

namespace varnock {

namespace {
std::function<void(UINT)>& Hook() {
  static std::function<void(UINT)> hook;
  return hook;
}
}  // namespace

void AlertBeep(UINT type) {
  if (Hook()) Hook()(type);
  else MessageBeep(type);
}

void SetBeepHook(std::function<void(UINT type)> hook) { Hook() = std::move(hook); }

}  // namespace varnock
