#include "core/inftools/reg_translate.h"

#include "core/inftools/addreg_fields.h"
#include "core/inftools/inf_text.h"
#include "core/inftools/profile_encoding.h"
#include "core/inftools/reg_data.h"

namespace varnock {

namespace {

struct RootName {
  const char* full;
  const char* abbreviation;
};

const RootName kRoots[] = {
    {"HKEY_CLASSES_ROOT", "HKCR"},
    {"HKEY_CURRENT_USER", "HKCU"},
    {"HKEY_LOCAL_MACHINE", "HKLM"},
    {"HKEY_USERS", "HKU"},
};

InfLine ValueLine(const std::string& text, const RegImportTexts& texts) {
  if (text.size() > kMaxInfLineLength) return {texts.tooLongPrefix + text, true};
  return {text, false};
}

// A comment line, whatever the language file made of the text.
InfLine CommentLine(const std::string& text) {
  if (!text.empty() && text[0] == ';') return {text, false};
  return {"; " + text, false};
}

}  // namespace

std::string RegImportHeader(const std::string& regPath) {
  std::string header = "[Added_from_" + inftext::FileNameOf(regPath) + "]";
  std::string withoutBlanks;
  for (const char c : header) {
    if (c != ' ') withoutBlanks += c;
  }
  return withoutBlanks;
}

std::string RegKeyPrefix(const std::string& keyPath) {
  for (const RootName& root : kRoots) {
    const std::string full = root.full;
    if (keyPath.size() < full.size() || !inftext::EqualsIgnoreCaseAscii(keyPath.substr(0, full.size()), full)) {
      continue;
    }
    if (keyPath.size() == full.size()) return std::string(root.abbreviation) + ",\"\"";
    if (keyPath[full.size()] == '\\') {
      return std::string(root.abbreviation) + "," + inftext::QuoteInfField(keyPath.substr(full.size() + 1));
    }
  }
  return ":ERROR," + inftext::QuoteInfField(inftext::After(keyPath, 11));
}

std::vector<InfLine> TranslateRegSection(const std::string& sectionName,
                                         const std::vector<RegProfileEntry>& entries,
                                         const RegTranslateOptions& options) {
  const RegImportTexts& texts = options.texts;
  RegSectionName section;
  if (!DecodeRegSectionName(sectionName, &section)) {
    section = RegSectionName();
    section.path = sectionName;
  }
  const std::string prefix = RegKeyPrefix(section.path);
  std::vector<InfLine> lines;
  if (section.deletion) {
    lines.push_back(ValueLine(prefix + ",,0x00000004", texts));
    return lines;
  }
  if (entries.empty()) {
    // The key-only flag: a bare `ROOT,"SUBKEY"` line would also set the key's default
    // value to an empty string, replacing any default value it already has.
    lines.push_back(ValueLine(prefix + ",,0x00000010", texts));
    return lines;
  }
  for (const RegProfileEntry& entry : entries) {
    RegEntryKind kind = RegEntryKind::Named;
    std::string valueName;
    std::string raw;
    if (!DecodeRegEntryKey(entry.key, &kind, &valueName)) {
      lines.push_back(ValueLine(prefix + ",:ERROR! " + entry.key, texts));
      continue;
    }
    const bool isDefault = kind == RegEntryKind::Default;
    const std::string nameField = isDefault ? std::string() : inftext::QuoteInfField(valueName);
    const std::string shownName = isDefault ? std::string("@") : nameField;
    if (!DecodeProfileValue(entry.value, &raw)) {
      lines.push_back(ValueLine(prefix + ",:ERROR! " + shownName, texts));
      continue;
    }
    if (kind == RegEntryKind::Malformed) {
      lines.push_back(ValueLine(prefix + ",:ERROR! " + raw, texts));
      continue;
    }
    const AddRegFields fields = AddRegFieldsFor(nameField, ParseRegData(raw), section.format, options.codec);
    switch (fields.kind) {
      case AddRegFieldsKind::Exact:
        lines.push_back(ValueLine(prefix + "," + fields.text, texts));
        break;
      case AddRegFieldsKind::Inexact:
        lines.push_back(CommentLine(texts.inexactValue));
        lines.push_back(ValueLine(prefix + "," + fields.text, texts));
        break;
      case AddRegFieldsKind::DefaultDeletion:
        lines.push_back(CommentLine(texts.cannotDeleteDefault + " " + prefix));
        break;
      case AddRegFieldsKind::Unwritable:
        lines.push_back(ValueLine(prefix + ",:ERROR! " + shownName + "=" + raw, texts));
        break;
    }
  }
  return lines;
}

}  // namespace varnock
