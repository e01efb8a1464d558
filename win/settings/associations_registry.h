#pragma once
// Carrying out the registry plans of the Explorer integration under HKEY_LOCAL_MACHINE,
// through one seam so a test can make a write fail (Wine lets a key's access rights
// pass when a key is opened for creation, so a denied write cannot be staged there).
#include <functional>
#include <string>
#include <vector>

#include "core/settings/associations.h"

namespace varnock {

// Performs one operation; false when it failed (a key or value already absent is no failure).
bool ApplyRegistryOp(const RegistryOp& op);

// Performs every operation in order, going on after a failure; returns the key of the
// first that failed, or "" when all succeeded.
std::string ApplyRegistryPlan(const std::vector<RegistryOp>& plan);

// Tests may put their own step in front of the real one: it returns false to fail an
// operation, true to let the real one run. An empty function removes it.
void SetRegistryOpFilter(std::function<bool(const RegistryOp&)> filter);

// The default value of an extension's key ("Software\\CLASSES\\.NFO"), read without
// creating anything; "" when there is none.
std::string ExtensionFileType(const std::string& extension);
// A value of the program's own key ("Software\\Brackwater\\Varnock"), "" when absent.
std::string ProgramKeyValue(const std::string& name);

// The uninstall as "/U" and the exported entry run it: no question, no window.
// Returns the key of the first failed operation ("" if none).
std::string fUninstall();

}  // namespace varnock
