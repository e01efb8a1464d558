#include "win/colour/escape_key.h"

#include <windows.h>

namespace varnock {

namespace {
std::function<bool()>& Poll() {
  static std::function<bool()> poll;
  return poll;
}
}  // namespace

bool EscapePressed() {
  if (Poll()) return Poll()();
  return GetAsyncKeyState(VK_ESCAPE) != 0;
}

void ForgetEarlierEscape() {
  if (!Poll()) GetAsyncKeyState(VK_ESCAPE);
}

void SetEscapePoll(std::function<bool()> poll) { Poll() = std::move(poll); }

}  // namespace varnock
