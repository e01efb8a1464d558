#pragma once
// The REG translation's round trip through the temporary profile file: the cleaned
// REG text is written as a profile file and read back, section by section and entry
// by entry, as the system's private-profile functions read it.
#include <string>
#include <vector>

#include "core/inftools/reg_codec.h"
#include "core/inftools/reg_translate.h"

namespace varnock {

// Conversions through the system's ANSI code page, the one setup reads INF files in.
RegCodec AnsiRegCodec();

// The temporary folder + "~TempReg.ini"; empty when the system names no temporary
// folder.
std::string TempRegProfilePath();

// Writes the profile file for `regText` to `profilePath`, reads it back and returns the
// AddReg lines. False when the file cannot be written. The file is removed afterwards.
bool TranslateThroughProfile(const std::string& regText, const std::string& profilePath,
                             const RegTranslateOptions& options, std::vector<InfLine>* lines);

}  // namespace varnock
