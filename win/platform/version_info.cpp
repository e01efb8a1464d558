#include "win/platform/version_info.h"

#include <windows.h>

#include <vector>

#include "core/app/version_text.h"

namespace varnock {

VersionRead ReadFileVersion(const std::string& path) {
  VersionRead result;
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) {
    result.error = VersionReadError::NoResource;
    return result;
  }
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, block.data())) {
    result.error = VersionReadError::GetInfo;
    return result;
  }
  void* translation = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", &translation, &length) || length < 4) {
    result.error = VersionReadError::Translation;
    return result;
  }
  const std::string query =
      "\\StringFileInfo\\" + TranslationBlockName(static_cast<const unsigned char*>(translation)) + "\\FileVersion";
  void* value = nullptr;
  if (!VerQueryValueA(block.data(), query.c_str(), &value, &length) || !value) {
    result.error = VersionReadError::Value;
    return result;
  }
  result.fileVersion = static_cast<const char*>(value);
  return result;
}

}  // namespace varnock
