#pragma once
// The pristine RunInf launcher image carried as a resource of the program.
#include <string>

namespace varnock {

// The image's bytes; empty when the resource is missing.
std::string LauncherImage();

}  // namespace varnock
