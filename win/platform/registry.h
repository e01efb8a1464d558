#pragma once
// Registry reads. Each call opens its key read-only, reads and closes it again:
// nothing is cached and no key is ever created by a read.
#include <windows.h>

#include <string>

namespace varnock {

// The text of a string value (REG_SZ or REG_EXPAND_SZ, as stored: environment
// references are not expanded). False when the key or value is absent, unreadable or
// not a string; `text` is then left alone.
bool RegistryReadString(HKEY root, const std::string& subkey, const std::string& valueName, std::string* text);

// The value's text, or `fallback` when RegistryReadString fails.
std::string RegistryStringOr(HKEY root, const std::string& subkey, const std::string& valueName,
                             const std::string& fallback);

}  // namespace varnock
