// The [Strings] scan of the insertion menu and the INF checks built on the same text.
#include "core/colour/line_check.h"
#include "core/inftools/insertion_menus.h"
#include "core/inftools/inf_text.h"
#include "tests/fuzz/fuzz_support.h"

using namespace varnock;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzz::Bytes(data, size);
  for (const StringsMenuEntry& entry : FetchStrings(text)) {
    FUZZ_CHECK(entry.hint.size() >= 2 && entry.hint.front() == '%' && entry.hint.back() == '%');
    FUZZ_CHECK(!fuzz::HasLineBreak(entry.hint) && !fuzz::HasLineBreak(entry.caption));
  }
  const std::vector<std::string> lines = inftext::SplitLines(text);
  std::size_t previous = 0;
  for (const TextProblem& problem : CheckText(text, DocKind::Inf)) {
    FUZZ_CHECK(problem.line >= 1 && problem.line <= lines.size());
    FUZZ_CHECK(problem.line >= previous);
    previous = problem.line;
    FUZZ_CHECK(problem.column >= 1 && problem.column <= lines[problem.line - 1].size());
    FUZZ_CHECK(!problem.message.empty());
  }
  return 0;
}
