#include "core/colour/file_extension.h"

namespace varnock {

std::string UpperCaseExtension(const std::string& fileName) {
  const std::size_t dot = fileName.find_last_of(".\\/:");
  if (dot == std::string::npos || fileName[dot] != '.') return std::string();
  std::string ext = fileName.substr(dot);
  for (char& c : ext) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return ext;
}

}  // namespace varnock
