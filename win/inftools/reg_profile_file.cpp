#include "win/inftools/reg_profile_file.h"

#include <windows.h>

#include "core/inftools/reg_profile.h"
#include "core/inftools/reg_to_inf.h"
#include "win/platform/code_page.h"
#include "win/platform/file_io.h"
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
  // The file is read back whole and split as the system's profile functions split it
  // (the portable reader, checked against them): under Wine each call of those
  // functions opens the file, and a large export has hundreds of sections.
  std::string written;
  const bool readBack = ReadWholeFile(profilePath, &written) == ReadResult::Ok;
  DeleteFileA(profilePath.c_str());
  if (!readBack) return false;
  *lines = TranslateRegProfileText(written, options);
  return true;
}

}  // namespace varnock
