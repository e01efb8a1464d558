// The portable profile reader on any bytes.
#include "core/inftools/profile_reader.h"
#include "tests/fuzz/fuzz_support.h"

using namespace varnock;

namespace {

bool Trimmed(const std::string& text) {
  return text.empty() || (text.front() != ' ' && text.front() != '\t' && text.back() != ' ' && text.back() != '\t');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Bytes(data, size);
  const ParsedProfile parsed = ParseProfileText(text);
  std::size_t lines = 1;
  for (const char c : text) lines += c == '\n' || c == '\r';
  FUZZ_CHECK(parsed.sections.size() <= lines + 1);
  const std::vector<std::string> names = ProfileSectionNamesOf(parsed);
  // The one-pass reads are the reads by name, repeated and differently cased names too.
  const std::vector<ProfileSectionRead> reads = ProfileSectionReads(parsed);
  FUZZ_CHECK(reads.size() == names.size());
  for (std::size_t i = 0; i < reads.size(); ++i)
    FUZZ_CHECK(reads[i].name == names[i] && reads[i].entries == ProfileSectionEntriesOf(parsed, names[i]));
  for (const std::string& name : names) {
    FUZZ_CHECK(!name.empty());
    FUZZ_CHECK(name.find('\0') == std::string::npos);
    FUZZ_CHECK(!fuzz::HasLineBreak(name));
    for (const auto& [key, value] : ProfileSectionEntriesOf(parsed, name)) {
      FUZZ_CHECK(key.empty() || key[0] != ';');
      FUZZ_CHECK(key.find('=') == std::string::npos);
      FUZZ_CHECK((key + value).find('\0') == std::string::npos);
      FUZZ_CHECK(!fuzz::HasLineBreak(key + value));
      FUZZ_CHECK(Trimmed(key) && Trimmed(value));
    }
  }
  return 0;
}
