#include "core/inftools/addreg_fields.h"

#include <cstdint>
#include <vector>

#include "core/inftools/inf_text.h"

namespace varnock {

namespace {

// Registry types the translation treats by name.
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegMultiSz = 7;

// AddReg flags. With the binary bit set, the high word is the registry type, except
// that 0x00010001 means a double word and 0x00020001 the type "none": types 1 and 2 can
// only be written as strings.
const char kFlagString[] = "";
const char kFlagBinary[] = "1";
const char kFlagDword[] = "0x00010001";
const char kFlagMultiSz[] = "0x00010000";
const char kFlagExpandSz[] = "0x00020000";
const char kFlagNone[] = "0x00020001";
const char kFlagDeleteValue[] = "0x00000004";

std::string ByteList(const std::vector<unsigned char>& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string list;
  list.reserve(bytes.size() * 3);
  for (const unsigned char byte : bytes) {
    if (!list.empty()) list += ',';
    list += digits[byte >> 4];
    list += digits[byte & 0x0F];
  }
  return list;
}

std::string BinaryFields(const std::string& name, const std::string& flags, const std::vector<unsigned char>& bytes) {
  // No trailing comma for empty data: the setup library would read one empty byte.
  return bytes.empty() ? name + "," + flags : name + "," + flags + "," + ByteList(bytes);
}

std::string TypeFlags(std::uint32_t type) {
  static const char digits[] = "0123456789ABCDEF";
  std::string flags = "0x";
  for (int shift = 12; shift >= 0; shift -= 4) flags += digits[(type >> shift) & 0x0F];
  return flags + "0001";
}

// A character the INF parser would take as the end of the line or of the file.
bool IsInfSafe(const std::string& text) {
  for (const char c : text) {
    if (c == '\r' || c == '\n' || c == '\x1A' || c == '\0') return false;
  }
  return true;
}

std::string MadeInfSafe(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n' || c == '\x1A' || c == '\0') c = ' ';
  }
  return text;
}

// The characters of string data: one per byte in REGEDIT4 files, one per UTF-16 code
// unit in version 5.00 files. `whole` is false when a version 5.00 byte count is odd.
std::u16string CharactersOf(const std::vector<unsigned char>& bytes, RegFormat format, bool* whole) {
  const std::string raw(bytes.begin(), bytes.end());
  if (format == RegFormat::Version5) {
    *whole = raw.size() % 2 == 0;
    return Utf16FromBytes(raw);
  }
  *whole = true;
  return std::u16string(raw.begin(), raw.end());
}

// 8-bit text of string characters; false when not exactly representable.
bool TextOf(const std::u16string& characters, RegFormat format, const RegCodec& codec, std::string* text) {
  if (format == RegFormat::Regedit4) {
    text->assign(characters.size(), '\0');
    for (std::size_t i = 0; i < characters.size(); ++i) (*text)[i] = static_cast<char>(characters[i]);
    return true;
  }
  return NarrowText(codec, characters, text);
}

// hex(1) and hex(2): one string. A missing terminator is added, as the registry editor
// does; anything after an inner NUL cannot be stored through AddReg.
AddRegFields StringTypeFields(const std::string& name, const RegData& data, RegFormat format, const RegCodec& codec) {
  bool exact = true;
  std::u16string characters = CharactersOf(data.bytes, format, &exact);
  if (!characters.empty() && characters.back() == 0) characters.pop_back();
  const std::size_t nul = characters.find(char16_t(0));
  if (nul != std::u16string::npos) {
    exact = false;
    characters.resize(nul);
  }
  std::string text;
  exact = TextOf(characters, format, codec, &text) && exact;
  exact = IsInfSafe(text) && exact;
  const char* flags = data.type == kRegSz ? kFlagString : kFlagExpandSz;
  return {exact ? AddRegFieldsKind::Exact : AddRegFieldsKind::Inexact,
          name + "," + flags + "," + inftext::QuoteInfField(MadeInfSafe(text))};
}

// Strings of a well-formed multi-string: each non-empty and NUL-terminated, the list
// ended by one more NUL. False for anything else, which only the byte form keeps.
bool SplitMultiString(const std::u16string& characters, std::vector<std::u16string>* strings) {
  if (characters.size() < 3 || characters[characters.size() - 1] != 0 || characters[characters.size() - 2] != 0) {
    return false;
  }
  std::size_t start = 0;
  const std::size_t end = characters.size() - 1;
  while (start < end) {
    const std::size_t nul = characters.find(char16_t(0), start);
    if (nul == start) return false;  // an empty string inside the list
    strings->push_back(characters.substr(start, nul - start));
    start = nul + 1;
  }
  return true;
}

// As bytes of type 7. The setup library stores them as they are, so REGEDIT4 text is
// turned into the UTF-16 the registry holds.
AddRegFields MultiStringBytes(const std::string& name, const RegData& data, RegFormat format, const RegCodec& codec) {
  if (format == RegFormat::Version5) {
    return {AddRegFieldsKind::Exact, BinaryFields(name, TypeFlags(kRegMultiSz), data.bytes)};
  }
  std::u16string wide;
  const bool exact = WidenText(codec, std::string(data.bytes.begin(), data.bytes.end()), &wide);
  const std::string utf16 = BytesFromUtf16(wide);
  return {exact ? AddRegFieldsKind::Exact : AddRegFieldsKind::Inexact,
          BinaryFields(name, TypeFlags(kRegMultiSz), std::vector<unsigned char>(utf16.begin(), utf16.end()))};
}

// The strings as quoted fields, the readable form, when the list is well formed, every
// string is exact and the fields fit in `room`; otherwise the bytes (unless only the
// quoted form is exact, as REGEDIT4 text can be where this code page lacks a character).
AddRegFields MultiStringFields(const std::string& name, const RegData& data, RegFormat format, const RegCodec& codec,
                               std::size_t room) {
  bool whole = true;
  const std::u16string characters = CharactersOf(data.bytes, format, &whole);
  std::vector<std::u16string> strings;
  AddRegFields quoted;
  if (whole && SplitMultiString(characters, &strings)) {
    std::string fields = name + "," + kFlagMultiSz;
    bool exact = true;
    for (const std::u16string& s : strings) {
      std::string text;
      exact = exact && TextOf(s, format, codec, &text) && IsInfSafe(text);
      fields += "," + inftext::QuoteInfField(text);
    }
    if (exact) quoted = {AddRegFieldsKind::Exact, fields};
  }
  if (quoted.kind == AddRegFieldsKind::Exact && quoted.text.size() <= room) return quoted;
  const AddRegFields bytes = MultiStringBytes(name, data, format, codec);
  return bytes.kind == AddRegFieldsKind::Exact || quoted.kind != AddRegFieldsKind::Exact ? bytes : quoted;
}

AddRegFields BinaryValueFields(const std::string& name, const RegData& data, RegFormat format, const RegCodec& codec,
                               std::size_t room) {
  if (!data.typed) return {AddRegFieldsKind::Exact, BinaryFields(name, kFlagBinary, data.bytes)};
  switch (data.type) {
    case kRegNone: return {AddRegFieldsKind::Exact, BinaryFields(name, kFlagNone, data.bytes)};
    case kRegSz:
    case kRegExpandSz: return StringTypeFields(name, data, format, codec);
    case kRegMultiSz: return MultiStringFields(name, data, format, codec, room);
    default:
      if (data.type > 0xFFFF) return {AddRegFieldsKind::Unwritable, std::string()};
      return {AddRegFieldsKind::Exact, BinaryFields(name, TypeFlags(data.type), data.bytes)};
  }
}

}  // namespace

AddRegFields AddRegFieldsFor(const std::string& nameField, const RegData& data, RegFormat format, const RegCodec& codec,
                             std::size_t room) {
  switch (data.kind) {
    case RegDataKind::String: {
      const bool exact = IsInfSafe(data.text);
      return {exact ? AddRegFieldsKind::Exact : AddRegFieldsKind::Inexact,
              nameField + "," + kFlagString + "," + inftext::QuoteInfField(MadeInfSafe(data.text))};
    }
    case RegDataKind::Dword: return {AddRegFieldsKind::Exact, BinaryFields(nameField, kFlagDword, data.bytes)};
    case RegDataKind::Binary: return BinaryValueFields(nameField, data, format, codec, room);
    case RegDataKind::Delete:
      // With an empty value name the deletion flag removes the whole key.
      if (nameField.empty()) return {AddRegFieldsKind::DefaultDeletion, std::string()};
      return {AddRegFieldsKind::Exact, nameField + "," + kFlagDeleteValue};
    case RegDataKind::Malformed: break;
  }
  return {AddRegFieldsKind::Unwritable, std::string()};
}

}  // namespace varnock
