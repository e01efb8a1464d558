#pragma once
// First half of the REG import: the REG text cleaned and laid out as the temporary
// profile file that the Windows layer writes and reads back through the system's
// profile functions (see profile_encoding.h for why names and values are escaped).
//
// Layout of the file:
//   [4+HKEY_LOCAL_MACHINE\Software\Acme]   one section per key line of the REG file,
//   Path=|"C:\\Acme"|                       in file order; one entry per value line
//   @=|dword:00000001|                      (`@` = default value), data as written
//   !=|garbage line|                        a line inside a key that is no value line
//   [5-HKEY_CURRENT_USER\Old]               a key to delete
// The section name starts with the header in effect ("4" REGEDIT4, "5" version 5.00,
// which tells how hex(1), hex(2) and hex(7) data are encoded) and "+" or "-". A key
// or value that occurs twice keeps both occurrences, in order, under distinct names.
#include <string>
#include <vector>

namespace varnock {

enum class RegFormat { Regedit4, Version5 };

struct CleanRegLine {
  std::string text;
  RegFormat format;  // the header in effect at this line
};

// The cleaning of the REG lines: leading blanks (spaces and tabs) removed; the header
// lines "REGEDIT4" and "Windows Registry Editor Version 5.00" recognised and removed;
// lines starting with ";" removed; a line ending in "\" joined with the next one (the
// mark is dropped on the very last line); empty lines removed.
std::vector<CleanRegLine> CleanRegLines(const std::string& regText);

struct RegProfileEntry {
  std::string key;
  std::string value;  // as written to, and as read back from, the profile file
};

struct RegProfileSection {
  std::string name;
  std::vector<RegProfileEntry> entries;
};

struct RegProfile {
  std::vector<RegProfileSection> sections;  // what the profile functions will read back
  std::string text;                         // the file content, CR LF line ends, ASCII
};

// The profile file for a REG text (8-bit; convert a UTF-16 file first). A key line
// with no values that is directly followed by another key line is left out when a key
// below it is created later in the file, since creating that key creates it too.
RegProfile BuildRegProfile(const std::string& regText);

// The parts of a section name of the file.
struct RegSectionName {
  RegFormat format = RegFormat::Regedit4;
  bool deletion = false;
  std::string path;  // as written between the brackets of the REG file
};
bool DecodeRegSectionName(const std::string& name, RegSectionName* decoded);

enum class RegEntryKind { Named, Default, Malformed };
// The kind of an entry key and, for Named, the value name.
bool DecodeRegEntryKey(const std::string& key, RegEntryKind* kind, std::string* valueName);

}  // namespace varnock
