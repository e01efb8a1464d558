#pragma once
// What the settings save needs to know of the instance table: whether another copy
// still runs, and whether window positions may be stored.
#include <windows.h>

#include <string>

namespace varnock {

// True when a copy other than the one of `own` is registered as running. A registered
// window that is gone (a copy that crashed) does not count, except while a close-all is
// under way: the closing copies then leave their entries on purpose, so every count
// above one still means "not the last".
bool OtherCopiesRunning(const std::string& settingsFile, HWND own);

// False while the running copies are arranged (DontPos non-zero).
bool PositionsMayBeStored(const std::string& settingsFile);

}  // namespace varnock
