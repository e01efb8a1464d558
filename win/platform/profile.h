#pragma once
// The private-profile (INI file) functions, with buffers that grow instead of cutting.
#include <string>
#include <utility>
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

// Writes a whole profile file at once (replacing it), to be read back through the
// functions above. False when it cannot be written.
bool ProfileWriteFile(const std::string& file, const std::string& text);

// Every "key=value" line of a section in file order, as one read: blanks around keys and
// values trimmed, nothing else altered (no quotes stripped, repeated keys all listed).
std::vector<std::pair<std::string, std::string>> ProfileSectionEntries(const std::string& file,
                                                                       const std::string& section);

// Erases a whole section; false when the file cannot be written.
bool ProfileEraseSection(const std::string& file, const std::string& section);

}  // namespace varnock
