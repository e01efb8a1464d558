// Replace-all planned in one pass equals replacing match after match in the text as it
// becomes. Input: options byte, then text, search text and replacement cut at NULs.
#include "core/edit/search_commands.h"
#include "core/edit/text_search.h"
#include "tests/fuzz/fuzz_support.h"

using namespace varnock;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const SearchOptions options{(data[0] & 1) != 0, (data[0] & 2) != 0};
  const std::vector<std::string> pieces = fuzz::SplitAtNul(fuzz::Bytes(data + 2, size - 2));
  if (pieces.size() < 3) return 0;
  const std::string& text = pieces[0];
  const std::string& what = pieces[1];
  const std::string& with = pieces[2];
  const std::size_t origin = text.empty() ? 0 : data[1] % (text.size() + 1);
  const UpperCaseTable upper = AsciiUpperCaseTable();

  const ReplaceOutcome all = ReplaceAll(text, {origin, 0}, what, with, options, upper);
  std::string planned = text;
  if (all.edit) {
    FUZZ_CHECK(all.edit->start + all.edit->length <= text.size());
    planned.replace(all.edit->start, all.edit->length, all.edit->text);
  }

  std::string stepped = text;
  std::size_t at = origin;
  std::size_t count = 0;
  for (;;) {
    const std::size_t match = FindForward(stepped, what, at, options, upper);
    if (match == std::string::npos) break;
    stepped.replace(match, what.size(), with);
    at = match + with.size();
    ++count;
    FUZZ_CHECK(count <= text.size());
  }
  FUZZ_CHECK(planned == stepped);
  FUZZ_CHECK(all.replacements == count);
  FUZZ_CHECK(all.notFound);
  if (all.select) FUZZ_CHECK(all.select->end() <= planned.size());
  return 0;
}
