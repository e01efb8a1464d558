#pragma once
// Second half of the REG import: the AddReg lines for what the profile functions read
// back from the temporary file (see reg_profile.h), and the section header.
//
// The Windows layer:
//   1. appends RegImportHeader(path) and the IMPORT_COMMENT text;
//   2. writes BuildRegProfile(regText).text to the temporary file;
//   3. for each section name the profile functions list, reads its entry names and
//      each entry's value (the default text of the read does not matter: a value that
//      comes back without its guards is shown as unreadable), and appends
//      the lines of TranslateRegSection, showing REG_512_WARN once for each line
//      marked tooLong.
#include <cstddef>
#include <string>
#include <vector>

#include "core/inftools/reg_codec.h"
#include "core/inftools/reg_profile.h"

namespace varnock {

// No physical line of a translated section is longer than this: a longer line is
// continued over several lines after whole fields. Only a line with one field longer
// than this (the setup library cuts every INF field at 511 characters) is marked for
// the user to fix.
inline constexpr std::size_t kMaxInfLineLength = 511;

// Texts of the message catalogue that go into the document; the defaults are the
// English ones.
struct RegImportTexts {
  std::string tooLongPrefix = ": LINE TOO LONG ERROR: ";  // REG_512_FIX
  // REG_DEL_DEFAULT, followed by a blank and `ROOT,"SUBKEY"`.
  std::string cannotDeleteDefault = "; ERROR! AddReg cannot delete a default value, delete it yourself:";
  // REG_INEXACT, on the line before the value it speaks of.
  std::string inexactValue = "; WARNING! The next line cannot store this value exactly:";
};

struct RegTranslateOptions {
  RegCodec codec;  // the ANSI code page conversions (ASCII only when empty)
  RegImportTexts texts;
};

struct InfLine {
  std::string text;
  bool tooLong = false;  // a field over 511 characters: the prefix is already in `text`
};

// "[Added_from_" + file name of `regPath` + "]", without blanks.
std::string RegImportHeader(const std::string& regPath);

// `ROOT,"SUBKEY"` for a key path: HKCR, HKCU, HKLM or HKU (root names in any case,
// followed by a backslash or nothing); any other root gives `:ERROR,"` followed by the
// path from its 12th character, which the user sees and fixes.
std::string RegKeyPrefix(const std::string& keyPath);

// The lines for one section read back from the profile file, entries in the order the
// profile functions list them (value = what was read for that entry name).
//   key with no values        ROOT,"SUBKEY",,0x00000010        (create the key only)
//   key to delete             ROOT,"SUBKEY",,0x00000004
//   "n"="text"                ROOT,"SUBKEY","n",,"text"        (" and % doubled)
//   @="text"                  ROOT,"SUBKEY",,,"text"
//   dword:0000ffff            ...,"n",0x00010001,ff,ff,00,00
//   hex:01,02                 ...,"n",1,01,02
//   hex(2) / hex(1)           ...,"n",0x00020000,"text" / ...,"n",,"text"
//   hex(7)                    ...,"n",0x00010000,"A","B"  or  ...,"n",0x00070001,bytes
//   hex(0) / hex(n)           ...,"n",0x00020001,bytes / ...,"n",0x000N0001,bytes
//   "n"=-                     ...,"n",0x00000004
//   @=-                       a comment line (cannotDeleteDefault)
//   unreadable value          :ERROR! ROOT,"SUBKEY","n"
//   malformed line or data    :ERROR! ROOT,"SUBKEY",<the REG text>
// A line too long for the INF limit is continued over several lines; a multi-string
// too long for one line is written in its byte form (0x00070001) first.
std::vector<InfLine> TranslateRegSection(const std::string& sectionName, const std::vector<RegProfileEntry>& entries,
                                         const RegTranslateOptions& options);

}  // namespace varnock
