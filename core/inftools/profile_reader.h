#pragma once
// A portable reading of a profile (INI) file that splits it the way the system's
// private-profile functions do. The REG import's temporary file is read back with it,
// in the editor and the command-line companion alike: one read of the file instead of
// one call of those functions (a file open under Wine) per section.
//
// The rules followed:
//  - lines end at LF or CR; blanks (space, tab, VT, FF and the DOS end-of-file mark
//    0x1A) are trimmed at both ends of each line, and empty lines are skipped;
//  - a line starting with "[" that holds a "]" opens a section named by the text
//    between the "[" and the LAST "]", blanks trimmed (anything after that "]" is
//    ignored); a "[" line without "]" is an ordinary line;
//  - any other line is an entry: its name is the text before the FIRST "=" with the
//    blanks before the "=" trimmed, its value the text after it with the leading blanks
//    trimmed; a line without "=" is a name without a value;
//  - lines before the first section belong to a nameless section nobody can read;
//  - of several entries with an empty name in a row, only the first is kept;
//  - a section named "[]" (empty name) is not listed;
//  - sections and entries keep their file order and their duplicates; a read by name
//    finds the FIRST section whose name matches without regard to ASCII case;
//  - a section read skips entries whose name starts with ";" (comments), and hands back
//    "name=value" (or "name" alone); an entry with an empty name comes back as "=value".
// These rules were measured against Wine's profile functions (the differential test in
// tests/win/profile_reader_diff_test.cpp).
// Text is taken as 8-bit bytes; NUL bytes end a name or value as they end the strings
// those functions return. Non-ASCII blanks (such as the no-break space of a code page)
// are not trimmed; the REG import's temporary file never holds any.
#include <string>
#include <utility>
#include <vector>

namespace varnock {

struct ProfileFileEntry {
  std::string name;
  std::string value;
  bool hasValue = false;  // the line held an "="
};

struct ProfileFileSection {
  std::string name;
  std::vector<ProfileFileEntry> entries;
};

struct ParsedProfile {
  // Every section in file order, the nameless first one included.
  std::vector<ProfileFileSection> sections;
};

ParsedProfile ParseProfileText(const std::string& text);

// The names the section-names read lists: every named section, duplicates included.
std::vector<std::string> ProfileSectionNamesOf(const ParsedProfile& profile);

// A whole-section read split back into (name, value) as the editor's wrapper does:
// blanks around names and values trimmed, no quote removed. Empty when no section
// has that name.
std::vector<std::pair<std::string, std::string>> ProfileSectionEntriesOf(const ParsedProfile& profile,
                                                                         const std::string& section);

// Every listed name with what its section read hands back, in the order of the names:
// what ProfileSectionEntriesOf gives for each name of ProfileSectionNamesOf, in one
// pass instead of a search of every section per name (an export has hundreds).
struct ProfileSectionRead {
  std::string name;
  std::vector<std::pair<std::string, std::string>> entries;
};
std::vector<ProfileSectionRead> ProfileSectionReads(const ParsedProfile& profile);

}  // namespace varnock
