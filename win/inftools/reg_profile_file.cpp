#include "win/inftools/reg_profile_file.h"

#include <windows.h>

#include "core/inftools/reg_profile.h"
#include "win/platform/code_page.h"
#include "win/platform/profile.h"

namespace varnock {

RegCodec AnsiRegCodec() {
  RegCodec codec;
  codec.widen = WideFromAnsi;
  codec.narrow = AnsiFromWide;
  return codec;
}

std::string TempRegProfilePath() {
  char folder[MAX_PATH + 1] = "";
  const DWORD length = GetTempPathA(sizeof folder, folder);
  if (length == 0 || length > MAX_PATH) return std::string();
  return std::string(folder, length) + "~TempReg.ini";
}

bool TranslateThroughProfile(const std::string& regText, const std::string& profilePath,
                             const RegTranslateOptions& options, std::vector<InfLine>* lines) {
  if (!ProfileWriteFile(profilePath, BuildRegProfile(regText).text)) return false;
  lines->clear();
  // One read per section: under Wine each call of the profile functions costs a file
  // open, so reading value by value takes seconds for a large export. A value that does
  // not come back whole lacks the guards it was written with and is shown as unreadable.
  for (const std::string& section : ProfileSections(profilePath)) {
    std::vector<RegProfileEntry> entries;
    for (auto& [key, value] : ProfileSectionEntries(profilePath, section)) {
      entries.push_back({std::move(key), std::move(value)});
    }
    for (InfLine& line : TranslateRegSection(section, entries, options)) lines->push_back(std::move(line));
  }
  DeleteFileA(profilePath.c_str());
  return true;
}

}  // namespace varnock
