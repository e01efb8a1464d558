#include "core/inftools/windows1252.h"

namespace varnock {

namespace {

// Bytes 0x80 to 0x9F; the unassigned ones keep their own number.
const char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char16_t Windows1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

bool UnicodeToWindows1252(char16_t unit, unsigned char* byte) {
  if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
    *byte = static_cast<unsigned char>(unit);
    return true;
  }
  for (int i = 0; i < 32; ++i) {
    if (kHighControls[i] == unit) {
      *byte = static_cast<unsigned char>(0x80 + i);
      return true;
    }
  }
  *byte = '?';
  return false;
}

RegCodec Windows1252Codec() {
  RegCodec codec;
  codec.widen = [](const std::string& text, std::u16string* wide) {
    wide->clear();
    wide->reserve(text.size());
    for (const char c : text) wide->push_back(Windows1252ToUnicode(static_cast<unsigned char>(c)));
    return true;
  };
  codec.narrow = [](const std::u16string& wide, std::string* text) {
    text->clear();
    text->reserve(wide.size());
    bool exact = true;
    for (const char16_t unit : wide) {
      unsigned char byte = 0;
      exact = UnicodeToWindows1252(unit, &byte) && exact;
      text->push_back(static_cast<char>(byte));
    }
    return exact;
  };
  return codec;
}

}  // namespace varnock
