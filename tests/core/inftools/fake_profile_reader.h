#pragma once
// A reader of profile (INI) files that follows the rules measured for the Windows
// profile functions, so that the REG import can be tested from end to end natively:
// blanks around names and values trimmed, a value's quotes (double or single) stripped
// when they are its first and last character, a line split at its first "=", names
// compared without regard to ASCII case, only the first of two sections or entries of
// the same name read (both listed), ";" lines ignored.
#include <string>
#include <vector>

#include "core/inftools/inf_text.h"

namespace varnock {
namespace testing_profile {

class FakeProfileReader {
 public:
  explicit FakeProfileReader(const std::string& fileText) {
    for (const std::string& raw : inftext::SplitLines(fileText)) {
      const std::string line = inftext::TrimBlanks(raw);
      if (line.empty() || line[0] == ';') continue;
      if (line[0] == '[') {
        const std::size_t close = line.rfind(']');
        if (close == std::string::npos) continue;
        sections_.push_back({line.substr(1, close - 1), {}});
        continue;
      }
      if (sections_.empty()) continue;
      const std::size_t equals = line.find('=');
      Entry entry;
      entry.key = inftext::TrimBlanks(line.substr(0, equals));
      if (equals != std::string::npos) entry.value = inftext::TrimBlanks(line.substr(equals + 1));
      sections_.back().entries.push_back(entry);
    }
  }

  std::vector<std::string> SectionNames() const {
    std::vector<std::string> names;
    for (const Section& s : sections_) names.push_back(s.name);
    return names;
  }

  std::vector<std::string> KeyNames(const std::string& section) const {
    std::vector<std::string> keys;
    if (const Section* s = Find(section)) {
      for (const Entry& e : s->entries) keys.push_back(e.key);
    }
    return keys;
  }

  std::string Value(const std::string& section, const std::string& key, const std::string& fallback) const {
    const Section* s = Find(section);
    if (s == nullptr) return fallback;
    for (const Entry& e : s->entries) {
      if (!inftext::EqualsIgnoreCaseAscii(e.key, inftext::TrimBlanks(key))) continue;
      const std::string& v = e.value;
      if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0]) return v.substr(1, v.size() - 2);
      return v;
    }
    return fallback;
  }

 private:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  const Section* Find(const std::string& name) const {
    for (const Section& s : sections_) {
      if (inftext::EqualsIgnoreCaseAscii(s.name, name)) return &s;
    }
    return nullptr;
  }

  std::vector<Section> sections_;
};

}  // namespace testing_profile
}  // namespace varnock
