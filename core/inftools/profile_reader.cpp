#include "core/inftools/profile_reader.h"

#include <unordered_map>

#include "core/inftools/inf_text.h"

namespace varnock {

namespace {

bool IsProfileBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1A';
}

// What the functions hand back of a stored string: it ends at the first NUL.
std::string Visible(const std::string& stored) { return stored.substr(0, stored.find('\0')); }

struct LineSpan {
  std::size_t begin;
  std::size_t end;
};

LineSpan Trimmed(const std::string& text, LineSpan span) {
  while (span.begin < span.end && IsProfileBlank(text[span.begin])) ++span.begin;
  while (span.end > span.begin && IsProfileBlank(text[span.end - 1])) --span.end;
  return span;
}

// A section header line: the name between "[" and the last "]".
bool SectionName(const std::string& text, LineSpan line, std::string* name) {
  if (text[line.begin] != '[') return false;
  const std::size_t close = text.rfind(']', line.end - 1);
  if (close == std::string::npos || close < line.begin) return false;
  const LineSpan inside = Trimmed(text, {line.begin + 1, close});
  *name = text.substr(inside.begin, inside.end - inside.begin);
  return true;
}

ProfileFileEntry EntryOf(const std::string& text, LineSpan line) {
  ProfileFileEntry entry;
  const std::size_t equals = text.find('=', line.begin);
  if (equals == std::string::npos || equals >= line.end) {
    entry.name = text.substr(line.begin, line.end - line.begin);
    return entry;
  }
  const LineSpan name = Trimmed(text, {line.begin, equals});
  const LineSpan value = Trimmed(text, {equals + 1, line.end});
  entry.name = text.substr(name.begin, name.end - name.begin);
  entry.value = text.substr(value.begin, value.end - value.begin);
  entry.hasValue = true;
  return entry;
}

// Of several nameless entries in a row only the first is kept.
void AddEntry(ProfileFileSection& section, ProfileFileEntry entry) {
  if (entry.name.empty() && !section.entries.empty() && Visible(section.entries.back().name).empty()) return;
  section.entries.push_back(std::move(entry));
}

std::string TrimmedBlanks(const std::string& text) {
  const std::size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::string();
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

}  // namespace

ParsedProfile ParseProfileText(const std::string& text) {
  ParsedProfile profile;
  profile.sections.emplace_back();
  std::size_t next = inftext::StartsWith(text, "\xEF\xBB\xBF") ? 3 : 0;
  while (next < text.size()) {
    const std::size_t lineFeed = text.find_first_of("\r\n", next);
    const std::size_t end = lineFeed == std::string::npos ? text.size() : lineFeed;
    const LineSpan line = Trimmed(text, {next, end});
    next = lineFeed == std::string::npos ? text.size() : lineFeed + 1;
    if (line.begin >= line.end) continue;
    std::string name;
    if (SectionName(text, line, &name)) {
      profile.sections.push_back({std::move(name), {}});
      continue;
    }
    AddEntry(profile.sections.back(), EntryOf(text, line));
  }
  return profile;
}

std::vector<std::string> ProfileSectionNamesOf(const ParsedProfile& profile) {
  std::vector<std::string> names;
  for (const ProfileFileSection& section : profile.sections) {
    const std::string name = Visible(section.name);
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

namespace {

// A section read of `section`: its entries split back into (name, value).
std::vector<std::pair<std::string, std::string>> EntriesRead(const ProfileFileSection& section) {
  std::vector<std::pair<std::string, std::string>> entries;
  for (const ProfileFileEntry& entry : section.entries) {
    const std::string key = Visible(entry.name);
    if ((key.empty() && !entry.hasValue) || (!key.empty() && key[0] == ';')) continue;
    // The section read hands back "name=value"; the wrapper splits it at its first "=".
    const std::string line = entry.hasValue ? key + "=" + Visible(entry.value) : key;
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) entries.emplace_back(TrimmedBlanks(line), std::string());
    else entries.emplace_back(TrimmedBlanks(line.substr(0, equals)), TrimmedBlanks(line.substr(equals + 1)));
  }
  return entries;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ProfileSectionEntriesOf(const ParsedProfile& profile,
                                                                         const std::string& section) {
  for (const ProfileFileSection& candidate : profile.sections) {
    const std::string name = Visible(candidate.name);
    if (!name.empty() && inftext::EqualsIgnoreCaseAscii(name, section)) return EntriesRead(candidate);
  }
  return {};
}

std::vector<ProfileSectionRead> ProfileSectionReads(const ParsedProfile& profile) {
  // A read by name finds the first section of that name, whatever the case.
  std::unordered_map<std::string, const ProfileFileSection*> firstByName;
  std::vector<ProfileSectionRead> reads;
  for (const ProfileFileSection& section : profile.sections) {
    std::string name = Visible(section.name);
    if (name.empty()) continue;
    const ProfileFileSection* first = firstByName.emplace(inftext::UpperAscii(name), &section).first->second;
    reads.push_back({std::move(name), EntriesRead(*first)});
  }
  return reads;
}

}  // namespace varnock
