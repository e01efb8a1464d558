#pragma once
// The system's alert sounds. Tests install a hook to count them instead of hearing them.
#include <windows.h>

#include <functional>

namespace varnock {

// MessageBeep with one of the MB_ICON* sound types, or the hook when one is set.
void AlertBeep(UINT type);
// nullptr puts the system's sound back.
void SetBeepHook(std::function<void(UINT type)> hook);

}  // namespace varnock
