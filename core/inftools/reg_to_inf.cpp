#include "core/inftools/reg_to_inf.h"

#include <cctype>

#include "core/inftools/profile_reader.h"
#include "core/inftools/reg_profile.h"

namespace varnock {

namespace {

std::string SafeSectionName(const std::string& header) {
  std::string name = header.size() >= 2 ? header.substr(1, header.size() - 2) : std::string("Added_from_reg");
  for (char& c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (!std::isalnum(byte) && c != '.' && c != '_' && c != '-') c = '_';
  }
  return name;
}

}  // namespace

std::vector<InfLine> TranslateRegTextPortably(const std::string& regText, const RegTranslateOptions& options) {
  return TranslateRegProfileText(BuildRegProfile(regText).text, options);
}

std::vector<InfLine> TranslateRegProfileText(const std::string& profileText, const RegTranslateOptions& options) {
  std::vector<InfLine> lines;
  for (ProfileSectionRead& section : ProfileSectionReads(ParseProfileText(profileText))) {
    std::vector<RegProfileEntry> entries;
    entries.reserve(section.entries.size());
    for (auto& [key, value] : section.entries) entries.push_back({std::move(key), std::move(value)});
    for (InfLine& line : TranslateRegSection(section.name, entries, options)) lines.push_back(std::move(line));
  }
  return lines;
}

RegFileTranslation TranslateRegFile(const std::string& regPath, const std::string& bytes, const std::string& comment,
                                    const RegTranslateOptions& options) {
  RegFileTranslation result;
  result.lines = {RegImportHeader(regPath), comment};
  std::string text = bytes;
  if (IsUtf16LeFile(bytes)) {
    result.wasUtf16 = true;
    result.utf16Inexact = !TextFromUtf16LeFile(bytes, options.codec, &text);
  }
  for (const InfLine& line : TranslateRegTextPortably(text, options)) {
    if (line.tooLong) result.tooLongLines.push_back(result.lines.size());
    result.lines.push_back(line.text);
  }
  return result;
}

std::string InstallableInf(const RegFileTranslation& translation) {
  const std::string section = SafeSectionName(translation.lines.empty() ? std::string() : translation.lines[0]);
  std::string inf = "[Version]\r\nSignature=\"$CHICAGO$\"\r\n\r\n[DefaultInstall]\r\nAddReg=" + section + "\r\n\r\n";
  inf += "[" + section + "]\r\n";
  for (std::size_t i = 1; i < translation.lines.size(); ++i) inf += translation.lines[i] + "\r\n";
  return inf;
}

}  // namespace varnock
