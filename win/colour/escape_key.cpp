#include "win/colour/escape_key.h"

#include <windows.h>

namespace varnock {

namespace {
std::function<bool()>& Poll() {
  static std::function<bool()> poll;
  return poll;
}

constexpr DWORD kAskEveryMs = 10;
DWORD lastAsked = 0;

bool AskSystem() {
  lastAsked = GetTickCount();
  return GetAsyncKeyState(VK_ESCAPE) != 0;
}
}  // namespace

bool EscapePressed() {
  if (Poll()) return Poll()();
  if (GetTickCount() - lastAsked < kAskEveryMs) return false;
  return AskSystem();
}

void ForgetEarlierEscape() {
  if (!Poll()) AskSystem();
}

void SetEscapePoll(std::function<bool()> poll) { Poll() = std::move(poll); }

}  // namespace varnock
