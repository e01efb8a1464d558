// The open path's text conversion and the ANSI-art decision: the text never silently
// differs from the file.
#include "core/display/ansi_art.h"
#include "core/document/load_rules.h"
#include "tests/fuzz/fuzz_support.h"

using namespace varnock;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = fuzz::Bytes(data, size);
  const ControlText eight = EightBitControlText(bytes);
  FUZZ_CHECK(eight.text.size() == bytes.size());
  FUZZ_CHECK(eight.text.find('\0') == std::string::npos);
  std::size_t nuls = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    nuls += bytes[i] == '\0';
    FUZZ_CHECK(eight.text[i] == (bytes[i] == '\0' ? ' ' : bytes[i]));
  }
  FUZZ_CHECK(eight.blankedNuls == nuls);

  const std::string wide = "\xFF\xFE" + bytes;
  const ControlText converted = Utf16ControlText(wide);
  const std::size_t units = wide.size() / 2 - 1;  // after the byte-order mark
  FUZZ_CHECK(converted.text.size() == units || converted.text.size() + 1 == units);
  FUZZ_CHECK(converted.text.find('\0') == std::string::npos);

  // Art is decided by the bytes alone: adding ordinary text never changes the answer.
  FUZZ_CHECK(ContainsAnsiArtBytes(bytes) == ContainsAnsiArtBytes(bytes + "\r\nplain"));
  FUZZ_CHECK(IsAnsiArtText("x.nfo", bytes));
  FUZZ_CHECK(!IsAnsiArtText("", bytes));
  return 0;
}
