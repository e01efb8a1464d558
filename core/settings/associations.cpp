#include "core/settings/associations.h"

namespace varnock {

namespace {

constexpr const char* kClasses = "Software\\CLASSES\\";
constexpr const char* kHelpKey = "Software\\Microsoft\\Windows\\Help";

RegistryOp Set(const std::string& key, const std::string& name, const std::string& data) {
  return {RegistryOp::SetString, key, name, data};
}
RegistryOp Tree(const std::string& key) { return {RegistryOp::DeleteTree, key, "", ""}; }

void Append(std::vector<RegistryOp>& to, const std::vector<RegistryOp>& more) {
  to.insert(to.end(), more.begin(), more.end());
}

std::string VerbKey(const std::string& type) { return kClasses + type + "\\shell\\Varnock"; }

void AddVerb(std::vector<RegistryOp>& ops, const std::string& type, const std::string& exe, const std::string& verb) {
  ops.push_back(Set(VerbKey(type), "", verb));
  ops.push_back(Set(VerbKey(type) + "\\command", "", ShellCommand(exe)));
}

// The application entry, its icon, the Applications entry, the group flag, the help file.
void AddApplication(std::vector<RegistryOp>& ops, const std::string& exe, const char* flag) {
  ops.push_back(Set(std::string(kClasses) + "Varnock\\Shell\\Open\\Command", "", ShellCommand(exe)));
  ops.push_back(Set(std::string(kClasses) + "Varnock\\DefaultIcon", "", exe + ",0"));
  ops.push_back(Set(std::string(kClasses) + "Applications\\Varnock.exe\\Shell\\Open\\Command", "", ShellCommand(exe)));
  ops.push_back(Set(kProgramKey, flag, "1"));
  ops.push_back(Set(kHelpKey, "Varnock.hlp", HelpFolder(exe)));
}

// Everything the program keeps for itself; "Software\\Brackwater" only when nothing
// of another program is left under it.
std::vector<RegistryOp> ProgramEntries() {
  return {Tree(kProgramKey),
          {RegistryOp::DeleteKeyIfEmpty, "Software\\Brackwater", "", ""},
          Tree(std::string(kClasses) + "Varnock"),
          Tree(std::string(kClasses) + "Applications\\Varnock.exe"),
          {RegistryOp::DeleteValue, kHelpKey, "Varnock.hlp", ""}};
}

void AddExtension(std::vector<RegistryOp>& ops, const char* extension, const char* newType, const std::string& type,
                  const std::string& exe, const std::string& verb) {
  const std::string key = kClasses + std::string(extension);
  std::string used = type;
  if (used.empty()) {
    used = newType;
    ops.push_back(Set(key, "", used));
  }
  ops.push_back(Set(key, "PerceivedType", "text"));
  if (UsableFileType(used)) AddVerb(ops, used, exe, verb);
}

}  // namespace

std::string ShellCommand(const std::string& exePath) { return "\"" + exePath + "\" %1"; }

std::string HelpFolder(const std::string& exePath) {
  const size_t slash = exePath.find_last_of('\\');
  return slash == std::string::npos ? "" : exePath.substr(0, slash);
}

bool UsableFileType(const std::string& type) {
  return !type.empty() && type.size() <= 200 && type.find('\\') == std::string::npos;
}

std::vector<RegistryOp> PlanRegInfIniReg(const std::string& exePath, const std::string& verb) {
  std::vector<RegistryOp> ops;
  for (const char* type : {"inffile", "inifile", "regfile"}) AddVerb(ops, type, exePath, verb);
  AddApplication(ops, exePath, "Integration");
  return ops;
}

std::vector<RegistryOp> PlanRegNfoDiz(const std::string& exePath, const std::string& verb, const std::string& nfoType,
                                      const std::string& dizType) {
  std::vector<RegistryOp> ops;
  AddExtension(ops, ".NFO", "NFOfile", nfoType, exePath, verb);
  AddExtension(ops, ".DIZ", "DIZfile", dizType, exePath, verb);
  AddApplication(ops, exePath, "IntegrNfoDiz");
  return ops;
}

std::vector<RegistryOp> PlanUnregInfIniReg(bool otherGroupOn) {
  std::vector<RegistryOp> ops;
  for (const char* type : {"inffile", "inifile", "regfile"}) ops.push_back(Tree(VerbKey(type)));
  ops.push_back(Set(kProgramKey, "Integration", "0"));
  if (!otherGroupOn) Append(ops, ProgramEntries());
  return ops;
}

std::vector<RegistryOp> PlanUnregNfoDiz(const std::string& nfoType, const std::string& dizType, bool otherGroupOn) {
  std::vector<RegistryOp> ops;
  for (const std::string* type : {&nfoType, &dizType})
    if (UsableFileType(*type)) ops.push_back(Tree(VerbKey(*type)));
  ops.push_back(Set(kProgramKey, "IntegrNfoDiz", "0"));
  if (!otherGroupOn) Append(ops, ProgramEntries());
  return ops;
}

std::vector<RegistryOp> PlanUninstall(const std::string& nfoType, const std::string& dizType) {
  std::vector<RegistryOp> ops;
  for (const char* type : {"inffile", "inifile", "regfile"}) ops.push_back(Tree(VerbKey(type)));
  for (const std::string* type : {&nfoType, &dizType})
    if (UsableFileType(*type)) ops.push_back(Tree(VerbKey(*type)));
  Append(ops, ProgramEntries());
  return ops;
}

}  // namespace varnock
