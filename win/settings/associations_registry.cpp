#include "win/settings/associations_registry.h"

#include <windows.h>

#include "win/platform/registry.h"

namespace varnock {

namespace {

std::function<bool(const RegistryOp&)>& Filter() {
  static std::function<bool(const RegistryOp&)> filter;
  return filter;
}

bool Absent(LONG result) { return result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND; }

bool SetString(const RegistryOp& op) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, op.key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const LONG result =
      RegSetValueExA(key, op.valueName.empty() ? nullptr : op.valueName.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(op.data.c_str()), static_cast<DWORD>(op.data.size() + 1));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool DeleteValue(const RegistryOp& op) {
  HKEY key = nullptr;
  const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, op.key.c_str(), 0, KEY_SET_VALUE, &key);
  if (Absent(opened)) return true;
  if (opened != ERROR_SUCCESS) return false;
  const LONG result = RegDeleteValueA(key, op.valueName.c_str());
  RegCloseKey(key);
  return result == ERROR_SUCCESS || Absent(result);
}

bool DeleteKeyIfEmpty(const RegistryOp& op) {
  HKEY key = nullptr;
  const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, op.key.c_str(), 0, KEY_READ, &key);
  if (Absent(opened)) return true;
  if (opened != ERROR_SUCCESS) return false;
  DWORD subKeys = 0, values = 0;
  const LONG queried = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                                        nullptr, nullptr, nullptr);
  RegCloseKey(key);
  if (queried != ERROR_SUCCESS) return false;
  if (subKeys != 0 || values != 0) return true;  // another program's keys stay
  const LONG result = RegDeleteKeyA(HKEY_LOCAL_MACHINE, op.key.c_str());
  return result == ERROR_SUCCESS || Absent(result);
}

}  // namespace

bool ApplyRegistryOp(const RegistryOp& op) {
  if (Filter() && !Filter()(op)) return false;
  switch (op.kind) {
    case RegistryOp::SetString: return SetString(op);
    case RegistryOp::DeleteTree: {
      const LONG result = RegDeleteTreeA(HKEY_LOCAL_MACHINE, op.key.c_str());
      return result == ERROR_SUCCESS || Absent(result);
    }
    case RegistryOp::DeleteValue: return DeleteValue(op);
    case RegistryOp::DeleteKeyIfEmpty: return DeleteKeyIfEmpty(op);
  }
  return false;
}

std::string ApplyRegistryPlan(const std::vector<RegistryOp>& plan) {
  std::string failed;
  for (const RegistryOp& op : plan)
    if (!ApplyRegistryOp(op) && failed.empty()) failed = op.key;
  return failed;
}

void SetRegistryOpFilter(std::function<bool(const RegistryOp&)> filter) { Filter() = std::move(filter); }

std::string ExtensionFileType(const std::string& extension) {
  return RegistryStringOr(HKEY_LOCAL_MACHINE, "Software\\CLASSES\\" + extension, "", "");
}

std::string ProgramKeyValue(const std::string& name) {
  return RegistryStringOr(HKEY_LOCAL_MACHINE, kProgramKey, name, "");
}

std::string fUninstall() {
  return ApplyRegistryPlan(PlanUninstall(ExtensionFileType(".NFO"), ExtensionFileType(".DIZ")));
}

}  // namespace varnock
