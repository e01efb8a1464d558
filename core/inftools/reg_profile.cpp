#include "core/inftools/reg_profile.h"

#include "core/inftools/empty_parent_keys.h"
#include "core/inftools/inf_text.h"
#include "core/inftools/profile_encoding.h"
#include "core/inftools/reg_data.h"

namespace varnock {

namespace {

const char kRegedit4[] = "REGEDIT4";
const char kVersion5[] = "Windows Registry Editor Version 5.00";

bool IsHeader(const std::string& line, RegFormat* format) {
  const std::string text = inftext::TrimTrailingBlanks(line);
  if (text == kRegedit4) {
    *format = RegFormat::Regedit4;
    return true;
  }
  if (text == kVersion5) {
    *format = RegFormat::Version5;
    return true;
  }
  return false;
}

std::string WithoutLeadingBlanks(const std::string& line) {
  std::size_t start = 0;
  while (start < line.size() && inftext::IsBlank(line[start])) ++start;
  return line.substr(start);
}

struct RegEntryLine {
  bool malformed = false;
  RegValueLine value;
  std::string raw;
};

struct RegKeyBlock {
  RegFormat format = RegFormat::Regedit4;
  bool deletion = false;
  std::string path;
  std::vector<RegEntryLine> entries;
};

std::vector<RegKeyBlock> ParseKeyBlocks(const std::vector<CleanRegLine>& lines) {
  std::vector<RegKeyBlock> blocks;
  for (const CleanRegLine& line : lines) {
    const std::string& text = line.text;
    if (text[0] == '[') {
      RegKeyBlock block;
      block.format = line.format;
      block.deletion = text.size() > 1 && text[1] == '-';
      const std::size_t start = block.deletion ? 2 : 1;
      const std::size_t close = text.rfind(']');
      block.path = (close == std::string::npos || close < start) ? inftext::After(text, start)
                                                                 : text.substr(start, close - start);
      blocks.push_back(block);
      continue;
    }
    // Values before the first key, or under a key being deleted, are not imported.
    if (blocks.empty() || blocks.back().deletion) continue;
    RegEntryLine entry;
    entry.value = ParseRegValueLine(text);
    entry.malformed = !entry.value.valid;
    entry.raw = text;
    blocks.back().entries.push_back(entry);
  }
  return blocks;
}

// The empty-parent pass looks at the key lines only, in a form where "contains the
// key" means "is a key below it": the path starts with a \x01 (no key name holds it)
// and ends with a backslash. A key with values is followed by an empty line and a key
// to delete is a bare "[", so neither is ever dropped, and value data never counts.
void DropEmptyParents(std::vector<RegKeyBlock>* blocks) {
  std::vector<std::string> view;
  std::vector<std::size_t> blockOfLine;
  for (std::size_t i = 0; i < blocks->size(); ++i) {
    const RegKeyBlock& block = (*blocks)[i];
    view.push_back(block.deletion ? std::string("[") : "[\x01" + block.path + "\\]");
    blockOfLine.push_back(i);
    if (!block.entries.empty()) {
      view.emplace_back();
      blockOfLine.push_back(i);
    }
  }
  std::vector<bool> dropped(blocks->size(), false);
  for (const std::size_t line : EmptyParentKeyLinesToDrop(view)) dropped[blockOfLine[line]] = true;
  std::vector<RegKeyBlock> kept;
  for (std::size_t i = 0; i < blocks->size(); ++i) {
    if (!dropped[i]) kept.push_back(std::move((*blocks)[i]));
  }
  blocks->swap(kept);
}

std::string SectionNameOf(const RegKeyBlock& block) {
  return std::string(block.format == RegFormat::Version5 ? "5" : "4") + (block.deletion ? "-" : "+") +
         EscapeProfileName(block.path);
}

}  // namespace

std::vector<CleanRegLine> CleanRegLines(const std::string& regText) {
  // A NUL byte would end the document's text where the line lands. A line is taken up
  // to its first NUL, as the profile functions take it: a UTF-16 file taken byte for byte
  // then yields nothing, as before.
  std::vector<std::string> lines = inftext::SplitLines(regText);
  for (std::string& line : lines) line = line.substr(0, line.find('\0'));
  for (std::string& line : lines) line = WithoutLeadingBlanks(line);

  std::vector<CleanRegLine> cleaned;
  RegFormat format = RegFormat::Regedit4;
  std::string pending;  // a continued line waiting for its next line
  bool continuing = false;
  for (std::size_t j = 0; j < lines.size(); ++j) {
    std::string line = continuing ? pending + lines[j] : lines[j];
    continuing = false;
    if (IsHeader(line, &format) || (!line.empty() && line[0] == ';')) continue;
    if (!line.empty() && line.back() == '\\') {
      line.pop_back();
      if (j + 1 < lines.size()) {
        pending = line;
        continuing = true;
        continue;
      }
    }
    if (!line.empty()) cleaned.push_back({line, format});
  }
  return cleaned;
}

RegProfile BuildRegProfile(const std::string& regText) {
  std::vector<RegKeyBlock> blocks = ParseKeyBlocks(CleanRegLines(regText));
  DropEmptyParents(&blocks);

  RegProfile profile;
  UniqueProfileNames sectionNames;
  for (const RegKeyBlock& block : blocks) {
    RegProfileSection section;
    section.name = sectionNames.Add(SectionNameOf(block));
    UniqueProfileNames keys;
    for (const RegEntryLine& entry : block.entries) {
      if (entry.malformed) {
        section.entries.push_back({keys.Add("!"), EncodeProfileValue(entry.raw)});
      } else {
        const std::string key = entry.value.isDefault ? "@" : EscapeProfileName(entry.value.name);
        section.entries.push_back({keys.Add(key), EncodeProfileValue(entry.value.data)});
      }
    }
    profile.text += "[" + section.name + "]\r\n";
    for (const RegProfileEntry& entry : section.entries) {
      profile.text += entry.key + "=" + entry.value + "\r\n";
    }
    profile.sections.push_back(std::move(section));
  }
  return profile;
}

bool DecodeRegSectionName(const std::string& name, RegSectionName* decoded) {
  if (name.size() < 2 || (name[0] != '4' && name[0] != '5') || (name[1] != '+' && name[1] != '-')) {
    return false;
  }
  decoded->format = name[0] == '5' ? RegFormat::Version5 : RegFormat::Regedit4;
  decoded->deletion = name[1] == '-';
  return UnescapeProfileText(RemoveOccurrence(name.substr(2)), &decoded->path);
}

bool DecodeRegEntryKey(const std::string& key, RegEntryKind* kind, std::string* valueName) {
  const std::string base = RemoveOccurrence(key);
  valueName->clear();
  if (base == "@") {
    *kind = RegEntryKind::Default;
    return true;
  }
  if (base == "!") {
    *kind = RegEntryKind::Malformed;
    return true;
  }
  *kind = RegEntryKind::Named;
  return !base.empty() && UnescapeProfileText(base, valueName);
}

}  // namespace varnock
