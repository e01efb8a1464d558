#pragma once
// The REG import without a window: the same cleaning, temporary profile layout and
// section translation as the editor's Import REG file, with the profile read back by
// the portable reader instead of the system's functions.
#include <string>
#include <vector>

#include "core/inftools/reg_translate.h"

namespace varnock {

// The AddReg lines for an 8-bit REG text, in the order Import REG appends them.
std::vector<InfLine> TranslateRegTextPortably(const std::string& regText, const RegTranslateOptions& options);
// The same from the import's temporary profile file as written (BuildRegProfile's text),
// read section by section as the system's profile functions read it.
std::vector<InfLine> TranslateRegProfileText(const std::string& profileText, const RegTranslateOptions& options);

struct RegFileTranslation {
  // The header, the comment line, then the translated lines: what Import REG appends.
  std::vector<std::string> lines;
  std::vector<std::size_t> tooLongLines;  // indexes in `lines` of lines over 511 characters
  bool wasUtf16 = false;
  bool utf16Inexact = false;  // some character of a UTF-16 file had no 8-bit form
};

// The lines Import REG appends for the file `regPath` holding `bytes`; a UTF-16 file is
// converted as the editor does when the user answers Yes. `comment` is the catalogue's
// IMPORT_COMMENT text.
RegFileTranslation TranslateRegFile(const std::string& regPath, const std::string& bytes, const std::string& comment,
                                    const RegTranslateOptions& options);

// A complete INF that installs the translated section with the setup library: a
// [Version] section, a [DefaultInstall] section whose AddReg names the section, then
// the section itself. The section is renamed when its name holds a character an INF
// section name cannot hold (anything but letters, digits, "." "_" "-").
std::string InstallableInf(const RegFileTranslation& translation);

}  // namespace varnock
