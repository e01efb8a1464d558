#include "win/inftools/system_folders.h"

#include <windows.h>

#include "core/inftools/shell_folders.h"
#include "win/platform/registry.h"

namespace varnock {

namespace {

const char kCurrentVersion[] = "Software\\Microsoft\\Windows\\CurrentVersion";
const char kCurrentVersionNt[] = "Software\\Microsoft\\Windows NT\\CurrentVersion";
const char kSetup[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Setup";
const char kShellFolders[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kEnvironment[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

// A value of HKEY_LOCAL_MACHINE that replaces `result` when it exists.
void OverrideFromMachine(const char* subkey, const char* valueName, std::string* result) {
  RegistryReadString(HKEY_LOCAL_MACHINE, subkey, valueName, result);
}

}  // namespace

int fPlatformId() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return VER_PLATFORM_WIN32_NT;
#pragma GCC diagnostic pop
  return static_cast<int>(info.dwPlatformId);
}

std::string fGetWinDir() {
  const char* key = fPlatformId() == VER_PLATFORM_WIN32_WINDOWS ? kCurrentVersion : kCurrentVersionNt;
  return RegistryStringOr(HKEY_LOCAL_MACHINE, key, "SystemRoot", "C:\\WINDOWS");
}

std::string fGetProgramFilesDir() {
  return RegistryStringOr(HKEY_LOCAL_MACHINE, kCurrentVersion, "ProgramFilesDir", "C:\\Program Files");
}

std::string fGetBootDir() { return RegistryStringOr(HKEY_LOCAL_MACHINE, kSetup, "BootDir", "C:\\"); }

std::string fGetShellFolder(const std::string& name, bool common) {
  const std::string valueName = ShellFolderValueName(name, common);
  HKEY root = common ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
  std::string result = RegistryStringOr(root, kShellFolders, valueName, "");
  // Some systems keep only the all-users Startup folder: the Start Menu and Programs
  // folders are its parents.
  if (result.empty() && (valueName == "Common Start Menu" || valueName == "Common Programs")) {
    const std::string startup = RegistryStringOr(HKEY_LOCAL_MACHINE, kShellFolders, "Common Startup", "");
    result = FolderUp(startup, valueName == "Common Start Menu" ? 2 : 1);
  }
  if (valueName == "ProgramFilesDir") result = fGetProgramFilesDir();
  if (valueName == "CommonFilesDir") OverrideFromMachine(kCurrentVersion, "CommonFilesDir", &result);
  if (valueName == "SourcePath") OverrideFromMachine(kSetup, "SourcePath", &result);
  if (valueName == "TEMP") OverrideFromMachine(kEnvironment, "TEMP", &result);
  return result;
}

SystemFolders fSystemFolders() {
  SystemFolders folders;
  folders.windows = fGetWinDir();
  folders.programFiles = fGetProgramFilesDir();
  folders.boot = fGetBootDir();
  folders.platform = fPlatformId();
  return folders;
}

std::string fPathToLDID(const std::string& path) { return PathToLDID(path, fSystemFolders()); }

std::string fPathToDirID(const std::string& path) { return PathToDirID(path, fSystemFolders()); }

}  // namespace varnock
