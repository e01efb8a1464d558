#pragma once
#include <string>

namespace varnock {

// "Varnock.ini" beside the program: user settings, recent files, instance table.
std::string SettingsFile();

}  // namespace varnock
