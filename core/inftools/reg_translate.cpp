#include "core/inftools/reg_translate.h"

#include "core/inftools/addreg_fields.h"
#include "core/inftools/inf_line_split.h"
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

// A line the user must see and fix; it is kept whole and, when over-long, marked.
InfLine MarkedLine(const std::string& text, const RegImportTexts& texts) {
  if (text.size() > kMaxInfLineLength) return {texts.tooLongPrefix + text, true};
  return {text, false};
}

// The error form of a line: the marker goes in front, so that the setup library meets
// an unknown root and skips the line, and the whole line shows in the error colour.
// (After the key, ":ERROR! name" would be read as a value name and installed.)
InfLine ErrorLine(const std::string& prefix, const std::string& rest, const RegImportTexts& texts) {
  return MarkedLine(":ERROR! " + prefix + "," + rest, texts);
}

// A line that installs something: written over several physical lines when it is too
// long for one. Only a line with one field longer than a line is marked instead.
void AddInstallLine(const std::string& text, const RegImportTexts& texts, std::vector<InfLine>* lines) {
  const std::vector<std::string> parts = SplitInfLine(text, kMaxInfLineLength);
  if (parts.empty()) {
    lines->push_back(MarkedLine(text, texts));
    return;
  }
  for (const std::string& part : parts) lines->push_back({part, false});
}

// A comment line, whatever the language file made of the text.
std::string CommentText(const std::string& text) {
  if (!text.empty() && text[0] == ';') return text;
  return "; " + text;
}

// A comment about the line `subject`; the subject goes on a comment line of its own
// when both do not fit on one.
void AddComment(const std::string& text, const std::string& subject, std::vector<InfLine>* lines) {
  const std::string comment = CommentText(text);
  const std::string joined = subject.empty() ? comment : comment + " " + subject;
  if (joined.size() <= kMaxInfLineLength) {
    lines->push_back({joined, false});
    return;
  }
  lines->push_back({comment, false});
  lines->push_back({"; " + subject, false});
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

std::vector<InfLine> TranslateRegSection(const std::string& sectionName, const std::vector<RegProfileEntry>& entries,
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
    AddInstallLine(prefix + ",,0x00000004", texts, &lines);
    return lines;
  }
  if (entries.empty()) {
    // The key-only flag: a bare `ROOT,"SUBKEY"` line would also set the key's default
    // value to an empty string, replacing any default value it already has.
    AddInstallLine(prefix + ",,0x00000010", texts, &lines);
    return lines;
  }
  // Room for the value's fields on the first line, after the prefix and its comma.
  const std::size_t room = prefix.size() < kMaxInfLineLength ? kMaxInfLineLength - prefix.size() - 1 : 0;
  for (const RegProfileEntry& entry : entries) {
    RegEntryKind kind = RegEntryKind::Named;
    std::string valueName;
    std::string raw;
    if (!DecodeRegEntryKey(entry.key, &kind, &valueName)) {
      lines.push_back(ErrorLine(prefix, entry.key, texts));
      continue;
    }
    const bool isDefault = kind == RegEntryKind::Default;
    const std::string nameField = isDefault ? std::string() : inftext::QuoteInfField(valueName);
    const std::string shownName = isDefault ? std::string("@") : nameField;
    if (!DecodeProfileValue(entry.value, &raw)) {
      lines.push_back(ErrorLine(prefix, shownName, texts));
      continue;
    }
    if (kind == RegEntryKind::Malformed) {
      lines.push_back(ErrorLine(prefix, raw, texts));
      continue;
    }
    const AddRegFields fields = AddRegFieldsFor(nameField, ParseRegData(raw), section.format, options.codec, room);
    switch (fields.kind) {
      case AddRegFieldsKind::Exact: AddInstallLine(prefix + "," + fields.text, texts, &lines); break;
      case AddRegFieldsKind::Inexact:
        lines.push_back({CommentText(texts.inexactValue), false});
        AddInstallLine(prefix + "," + fields.text, texts, &lines);
        break;
      case AddRegFieldsKind::DefaultDeletion: AddComment(texts.cannotDeleteDefault, prefix, &lines); break;
      case AddRegFieldsKind::Unwritable: lines.push_back(ErrorLine(prefix, shownName + "=" + raw, texts)); break;
    }
  }
  return lines;
}

}  // namespace varnock
