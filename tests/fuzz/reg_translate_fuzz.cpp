// REG cleaning, the temporary profile layout, its read-back and the translation.
#include "core/inftools/profile_reader.h"
#include "core/inftools/reg_profile.h"
#include "core/inftools/reg_to_inf.h"
#include "core/inftools/windows1252.h"
#include "tests/fuzz/fuzz_support.h"

using namespace varnock;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string regText = fuzz::Bytes(data, size);
  const RegProfile profile = BuildRegProfile(regText);
  // The layout reads back exactly as it was laid out.
  const ParsedProfile parsed = ParseProfileText(profile.text);
  const std::vector<std::string> names = ProfileSectionNamesOf(parsed);
  FUZZ_CHECK(names.size() == profile.sections.size());
  RegTranslateOptions options;
  options.codec = Windows1252Codec();
  std::vector<InfLine> expected;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const RegProfileSection& section = profile.sections[i];
    FUZZ_CHECK(names[i] == section.name);
    const auto entries = ProfileSectionEntriesOf(parsed, names[i]);
    FUZZ_CHECK(entries.size() == section.entries.size());
    for (std::size_t j = 0; j < entries.size(); ++j) {
      FUZZ_CHECK(entries[j].first == section.entries[j].key);
      FUZZ_CHECK(entries[j].second == section.entries[j].value);
    }
    for (InfLine& line : TranslateRegSection(section.name, section.entries, options)) expected.push_back(line);
  }
  // The portable translation is the one of the laid-out sections; no line breaks a line.
  const std::vector<InfLine> lines = TranslateRegTextPortably(regText, options);
  FUZZ_CHECK(lines.size() == expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    FUZZ_CHECK(lines[i].text == expected[i].text);
    FUZZ_CHECK(!fuzz::HasLineBreak(lines[i].text));
    FUZZ_CHECK(lines[i].text.find('\0') == std::string::npos);
    if (lines[i].tooLong) FUZZ_CHECK(lines[i].text.size() > kMaxInfLineLength);
  }
  return 0;
}
