#include "core/inftools/reg_codec.h"

namespace varnock {

bool WidenText(const RegCodec& codec, const std::string& text, std::u16string* wide) {
  if (codec.widen) return codec.widen(text, wide);
  bool exact = true;
  wide->clear();
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) exact = false;
    wide->push_back(byte < 0x80 ? static_cast<char16_t>(byte) : u'?');
  }
  return exact;
}

bool NarrowText(const RegCodec& codec, const std::u16string& wide, std::string* text) {
  if (codec.narrow) return codec.narrow(wide, text);
  bool exact = true;
  text->clear();
  for (const char16_t unit : wide) {
    if (unit >= 0x80) exact = false;
    text->push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  }
  return exact;
}

std::u16string Utf16FromBytes(const std::string& bytes) {
  std::u16string wide;
  wide.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto low = static_cast<unsigned char>(bytes[i]);
    const auto high = static_cast<unsigned char>(bytes[i + 1]);
    wide.push_back(static_cast<char16_t>(low | (high << 8)));
  }
  return wide;
}

std::string BytesFromUtf16(const std::u16string& wide) {
  std::string bytes;
  bytes.reserve(wide.size() * 2);
  for (const char16_t unit : wide) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

bool IsUtf16LeFile(const std::string& bytes) {
  return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
         static_cast<unsigned char>(bytes[1]) == 0xFE;
}

bool TextFromUtf16LeFile(const std::string& bytes, const RegCodec& codec, std::string* text) {
  std::u16string wide = Utf16FromBytes(IsUtf16LeFile(bytes) ? bytes.substr(2) : bytes);
  std::u16string withoutNul;
  withoutNul.reserve(wide.size());
  for (const char16_t unit : wide) {
    if (unit != 0) withoutNul.push_back(unit);
  }
  return NarrowText(codec, withoutNul, text);
}

}  // namespace varnock
