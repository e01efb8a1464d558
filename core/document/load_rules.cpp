#include "core/document/load_rules.h"

#include "core/colour/file_extension.h"

namespace varnock {

LoadKind ClassifyFile(std::size_t size, const std::string& firstBytes) {
  const bool wide = size >= 2 && firstBytes.size() >= 2 && static_cast<unsigned char>(firstBytes[0]) == 0xFF &&
                    static_cast<unsigned char>(firstBytes[1]) == 0xFE;
  if (wide) return size > kMaxWideFile ? LoadKind::TooBigUtf16 : LoadKind::Utf16;
  return size > kMaxEightBitFile ? LoadKind::TooBig8Bit : LoadKind::EightBit;
}

std::string Utf16LowBytes(const std::string& raw) {
  std::string text;
  const std::size_t units = raw.size() / 2;
  text.reserve(units);
  for (std::size_t i = 1; i < units; ++i) text.push_back(raw[2 * i]);
  return text;
}

ControlText EightBitControlText(const std::string& bytes) {
  ControlText result;
  result.text = bytes;
  for (char& c : result.text) {
    if (c != '\0') continue;
    c = ' ';
    ++result.blankedNuls;
  }
  return result;
}

ControlText Utf16ControlText(const std::string& raw) {
  std::string low = Utf16LowBytes(raw);
  const std::size_t units = raw.size() / 2;
  if (units >= 2 && raw[2 * units - 2] == '\0' && raw[2 * units - 1] == '\0') low.pop_back();
  return EightBitControlText(low);
}

std::string AssociationVerb(const std::string& fileName) {
  const std::string ext = UpperCaseExtension(fileName);
  return ext == ".REG" || ext == ".CMD" || ext == ".BAT" ? "edit" : "open";
}

}  // namespace varnock
