#pragma once
// The private-profile (INI file) functions, with buffers that grow instead of cutting.
#include <string>
#include <vector>

namespace varnock {

std::string ProfileRead(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& fallback);
bool ProfileWrite(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value);
bool ProfileDeleteKey(const std::string& file, const std::string& section, const std::string& key);
bool ProfileKeyExists(const std::string& file, const std::string& section, const std::string& key);
std::vector<std::string> ProfileSections(const std::string& file);
std::vector<std::string> ProfileKeys(const std::string& file, const std::string& section);

}  // namespace varnock
