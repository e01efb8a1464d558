#include "win/platform/registry.h"

#include <vector>

namespace varnock {

namespace {

class OpenKey {
 public:
  OpenKey(HKEY root, const std::string& subkey) {
    if (RegOpenKeyExA(root, subkey.c_str(), 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

bool RegistryReadString(HKEY root, const std::string& subkey, const std::string& valueName, std::string* text) {
  const OpenKey key(root, subkey);
  if (!key.get()) return false;
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
  // The value may grow between the two calls: ask again with the size it reports.
  std::vector<BYTE> data;
  LONG status = ERROR_MORE_DATA;
  while (status == ERROR_MORE_DATA) {
    data.assign(size + 1, 0);
    size = static_cast<DWORD>(data.size());
    status = RegQueryValueExA(key.get(), valueName.c_str(), nullptr, &type, data.data(), &size);
  }
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
  // The stored data may or may not carry its terminating NUL.
  const std::string stored(reinterpret_cast<const char*>(data.data()), size);
  *text = stored.substr(0, stored.find('\0'));
  return true;
}

std::string RegistryStringOr(HKEY root, const std::string& subkey, const std::string& valueName,
                             const std::string& fallback) {
  std::string text;
  return RegistryReadString(root, subkey, valueName, &text) ? text : fallback;
}

}  // namespace varnock
