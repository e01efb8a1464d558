#include "core/app/version_text.h"

#include <cstdio>

namespace varnock {

namespace {

const char* VersionFormat(const OsVersion& v) {
  const char* format = nullptr;
  if (v.platform == 1) format = "Windows 95 %lu.%lu (Build %lu)";
  if (v.platform == 1 && v.minor >= 10) format = "Windows 98 %lu.%lu (Build %lu)";
  if (v.platform == 1 && v.minor >= 20) format = "Windows Me %lu.%lu (Build %lu)";
  if (v.platform == 2) format = "Windows NT %lu.%lu (Build %lu)";
  if (v.platform == 2 && v.major == 5) format = "Windows 2000 %lu.%lu (Build %lu)";
  if (v.platform == 2 && v.major == 5 && v.minor == 1) format = "Windows XP %lu.%lu (Build %lu)";
  if (v.platform == 2 && v.major == 5 && v.minor > 1) format = "Windows Server 2003 %lu.%lu (Build %lu)";
  if (v.platform == 2 && v.major == 6) format = "Windows Vista %lu.%lu (Build %lu)";
  return format;
}

}  // namespace

std::string WindowsVersionText(const OsVersion& v) {
  const char* format = VersionFormat(v);
  if (!format) return "";
  char buffer[80];
  std::snprintf(buffer, sizeof buffer, format, v.major, v.minor, v.build & 0xFFFFul);
  return buffer;
}

bool IsWindows9xText(const std::string& versionText) {
  return versionText.find("Windows 95") != std::string::npos || versionText.find("Windows 98") != std::string::npos ||
         versionText.find("Windows Me") != std::string::npos;
}

std::string ShortenVersion(const std::string& fileVersion, bool whole) {
  if (whole) return fileVersion;
  const std::string::size_type cut = fileVersion.find_last_of(".\\:");
  return cut == std::string::npos ? fileVersion : fileVersion.substr(0, cut);
}

std::string TranslationBlockName(const unsigned char bytes[4]) {
  char buffer[9];
  std::snprintf(buffer, sizeof buffer, "%02X%02X%02X%02X", bytes[1], bytes[0], bytes[3], bytes[2]);
  return buffer;
}

}  // namespace varnock
