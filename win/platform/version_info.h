#pragma once
#include <string>

namespace varnock {

enum class VersionReadError { None, NoResource, GetInfo, Translation, Value };

struct VersionRead {
  VersionReadError error = VersionReadError::None;
  std::string fileVersion;
};

// Reads the FileVersion string of a file's version resource through its first
// translation. A file without any version resource is NoResource (no error to show).
VersionRead ReadFileVersion(const std::string& path);

}  // namespace varnock
