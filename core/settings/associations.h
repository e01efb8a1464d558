#pragma once
// The registry entries of the Explorer integration, planned as a list of writes and
// deletions (all under HKEY_LOCAL_MACHINE) from the program path, the verb caption, the
// file types the NFO and DIZ extensions already have, and the other group's state.
#include <string>
#include <vector>

namespace varnock {

struct RegistryOp {
  enum Kind {
    SetString,         // create `key` if needed and set `valueName` ("" = default) to `data`
    DeleteTree,        // `key` with everything under it; absent is fine
    DeleteValue,       // `valueName` of `key` when the key exists; nothing is created
    DeleteKeyIfEmpty,  // `key` when it holds neither sub-keys nor values
  };
  Kind kind;
  std::string key;
  std::string valueName;
  std::string data;
  bool operator==(const RegistryOp& o) const {
    return kind == o.kind && key == o.key && valueName == o.valueName && data == o.data;
  }
};

inline constexpr const char* kDefaultShellVerb = "Edit (Varno&ck)";
inline constexpr const char* kProgramKey = "Software\\Brackwater\\Varnock";

// The verb's command: the program path in quotes (a path with blanks would otherwise
// reach the program cut at its first blank), then the file as Explorer passes it.
std::string ShellCommand(const std::string& exePath);
// The program's folder without its final backslash.
std::string HelpFolder(const std::string& exePath);
// A file type read from an extension's key names a key of its own: not empty, no
// backslash, within the registry's key name limit.
bool UsableFileType(const std::string& type);

std::vector<RegistryOp> PlanRegInfIniReg(const std::string& exePath, const std::string& verb);
// nfoType, dizType: the default values of ".NFO" and ".DIZ" as read now ("" when none).
std::vector<RegistryOp> PlanRegNfoDiz(const std::string& exePath, const std::string& verb, const std::string& nfoType,
                                      const std::string& dizType);
// otherGroupOn: `IntegrNfoDiz` (resp. `Integration`) reads "1".
std::vector<RegistryOp> PlanUnregInfIniReg(bool otherGroupOn);
std::vector<RegistryOp> PlanUnregNfoDiz(const std::string& nfoType, const std::string& dizType, bool otherGroupOn);
std::vector<RegistryOp> PlanUninstall(const std::string& nfoType, const std::string& dizType);

}  // namespace varnock
