#include "win/settings/settings_file.h"

#include "win/app/application.h"

namespace varnock {

std::string SettingsFile() { return ProgramFolder() + "Varnock.ini"; }

}  // namespace varnock
