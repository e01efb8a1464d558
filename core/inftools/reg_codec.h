#pragma once
// Conversions between the document's 8-bit text and the UTF-16 text the registry
// stores. The ANSI code page belongs to the system, so the Windows layer passes
// converters built on it; without them only ASCII converts, which is exact under any
// code page.
#include <functional>
#include <string>

namespace varnock {

struct RegCodec {
  // 8-bit text to UTF-16; false when some character has no exact counterpart (the
  // output then holds a substitute for it).
  std::function<bool(const std::string& text, std::u16string* wide)> widen;
  // UTF-16 to 8-bit text; false when some character has no exact counterpart.
  std::function<bool(const std::u16string& wide, std::string* text)> narrow;
};

// The converters of `codec`, or the ASCII-only ones where it has none.
bool WidenText(const RegCodec& codec, const std::string& text, std::u16string* wide);
bool NarrowText(const RegCodec& codec, const std::u16string& wide, std::string* text);

// UTF-16 little-endian code units of `bytes` (an odd last byte is ignored).
std::u16string Utf16FromBytes(const std::string& bytes);
std::string BytesFromUtf16(const std::u16string& wide);

// A file that starts with the UTF-16 little-endian byte-order mark FF FE.
bool IsUtf16LeFile(const std::string& bytes);

// The 8-bit text of a UTF-16 little-endian file (byte-order mark skipped, NUL code
// units left out rather than ending the text). Returns false when some character had no
// exact 8-bit counterpart.
bool TextFromUtf16LeFile(const std::string& bytes, const RegCodec& codec, std::string* text);

}  // namespace varnock
