#pragma once
// What the editor accepts: 8-bit files below 65,535 bytes, UTF-16 LE files (with the
// byte-order mark) below 131,070 bytes after conversion, anything else is too big.
#include <cstddef>
#include <string>

namespace varnock {

inline constexpr std::size_t kMaxEightBitFile = 65534;
inline constexpr std::size_t kMaxWideFile = 131069;

enum class LoadKind { EightBit, Utf16, TooBig8Bit, TooBigUtf16 };

// Decides from the file size and its first bytes.
LoadKind ClassifyFile(std::size_t size, const std::string& firstBytes);

// The low byte of every 16-bit unit after the byte-order mark, in order; high bytes
// dropped without any code-page mapping. An odd last byte is ignored.
std::string Utf16LowBytes(const std::string& raw);

// The text as the control will hold it. The control ends its text at a zero byte, so
// each NUL is shown as a blank instead, and counted so the user can be told once.
struct ControlText {
  std::string text;
  std::size_t blankedNuls = 0;
};
ControlText EightBitControlText(const std::string& bytes);
// The same for a UTF-16 file (Utf16LowBytes); a zero unit at the very end terminates
// the text and is dropped rather than shown.
ControlText Utf16ControlText(const std::string& raw);

// "open", or "edit" for REG, CMD and BAT files (opening those would import or run them).
std::string AssociationVerb(const std::string& fileName);

}  // namespace varnock
