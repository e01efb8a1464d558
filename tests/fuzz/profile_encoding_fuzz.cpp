// Names and values escaped for the temporary profile file come back unchanged, through
// the escapes and through the portable reader.
#include "core/inftools/profile_encoding.h"
#include "core/inftools/profile_reader.h"
#include "tests/fuzz/fuzz_support.h"

using namespace varnock;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> pieces = fuzz::SplitAtNul(fuzz::Bytes(data, size));
  const std::string& name = pieces[0];
  const std::string value = pieces.size() > 1 ? pieces[1] : std::string();
  const std::string escapedName = EscapeProfileName(name);
  const std::string encodedValue = EncodeProfileValue(value);
  for (const char c : escapedName + encodedValue) FUZZ_CHECK(c >= 0x20 && c < 0x7F);
  std::string back;
  FUZZ_CHECK(UnescapeProfileText(escapedName, &back) && back == name);
  FUZZ_CHECK(DecodeProfileValue(encodedValue, &back) && back == value);
  if (name.empty()) return 0;
  UniqueProfileNames unique;
  const std::string first = unique.Add(escapedName);
  const std::string second = unique.Add(escapedName);
  FUZZ_CHECK(first != second && RemoveOccurrence(second) == escapedName);
  const ParsedProfile parsed = ParseProfileText("[S]\r\n" + first + "=" + encodedValue + "\r\n" + second + "=x\r\n");
  const auto entries = ProfileSectionEntriesOf(parsed, "S");
  FUZZ_CHECK(entries.size() == 2);
  FUZZ_CHECK(entries[0].first == first && entries[0].second == encodedValue);
  return 0;
}
