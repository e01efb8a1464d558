#include "win/inftools/launcher_image.h"

#include <windows.h>

namespace varnock {

std::string LauncherImage() {
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = FindResourceA(module, "RUNINF_IMAGE", MAKEINTRESOURCEA(10));  // RT_RCDATA
  if (!found) return "";
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return "";
  return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

}  // namespace varnock
