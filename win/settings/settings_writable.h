#pragma once
#include <string>

namespace varnock {

// Waits until the settings file can be opened for reading and writing, creating it
// when missing. Tests every 200 ms for at most 2 s while another program has it open;
// a read-only file (or folder, when the file is missing), or any other failure, gives
// up at once. False when the
// file cannot be written.
bool WaitForWritableSettings(const std::string& settingsFile);

}  // namespace varnock
