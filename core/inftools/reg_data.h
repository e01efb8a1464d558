#pragma once
// The syntax of REG file value lines: `"name"=data` or `@=data`, and the data forms
// `"text"`, `dword:HHHHHHHH`, `hex:bytes`, `hex(n):bytes` and `-`.
#include <cstdint>
#include <string>
#include <vector>

namespace varnock {

struct RegValueLine {
  bool valid = false;      // false: not a value line (no quoted name, no "=")
  bool isDefault = false;  // `@` (or the empty name `""`)
  std::string name;        // with the REG escapes \\ and \" resolved
  std::string data;        // the text after "=", blanks around it removed
};

// Splits a value line (leading blanks already removed).
RegValueLine ParseRegValueLine(const std::string& line);

enum class RegDataKind { String, Dword, Binary, Delete, Malformed };

struct RegData {
  RegDataKind kind = RegDataKind::Malformed;
  std::string text;                  // String: escapes resolved
  std::vector<unsigned char> bytes;  // Dword: 4 bytes, least significant first; Binary
  std::uint32_t type = 3;            // Binary: the registry type (3 for `hex:`)
  bool typed = false;                // Binary: written `hex(n):`
};

// Reads the data of a value line. A dword of fewer than eight digits is padded with
// leading zeros; more than eight, or any malformed form, gives Malformed. A comment
// (";" outside a quoted string) may follow any form and is dropped.
RegData ParseRegData(const std::string& data);

}  // namespace varnock
