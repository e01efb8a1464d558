// Each sample under tests/data/colour/ has beside it a ".styled" file showing the
// colour of every character. VARNOCK_REGEN=1 rewrites them; review the diff by hand.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "core/colour/doc_kind.h"
#include "core/colour/preview_rules.h"
#include "core/colour/text_colouring.h"
#include "core/colour/text_lines.h"
#include "core/display/ansi_art.h"
#include "role_letters.h"

namespace varnock {
namespace {

using colour_test::RoleLetters;

const std::string kMarker = ": LINE TOO LONG ERROR: ";

const char* const kLegend =
    "# \"|\" a line as coloured (a tab shows as \">\"), \":\" the colour of each character:\n"
    "#   . text  C comment  X error  S section  E entry\n"
    "# \"1\" the one-line (keystroke) pass, only where it differs\n"
    "# \"!\" the line was over-long and got the marker in front\n";

std::string DataPath(const std::string& name) { return std::string(VARNOCK_TEST_DATA) + "/colour/" + name; }

bool ReadFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  out = s.str();
  return true;
}

std::string Shown(std::string line) {
  std::replace(line.begin(), line.end(), '\t', '>');
  return line;
}

std::string StyledDocument(const std::string& name, const std::string& text) {
  const DocKind kind = DecideDocKind(name, text, ColourMode::All).kind;
  const TextColouring whole = ColourWholeText(text, kind, kMarker);
  const std::vector<TextLineSpan> before = LocateTextLines(text);
  const std::vector<TextLineSpan> after = LocateTextLines(whole.text);

  std::string out = "# " + name + ": kind " + std::to_string(static_cast<int>(kind)) + ", ANSI art " +
                    (IsAnsiArtText(name, text) ? "yes" : "no") + "\n" + kLegend;
  std::size_t fix = 0;
  for (std::size_t i = 0; i < after.size(); ++i) {
    const TextLineSpan& line = after[i];
    if (fix < whole.fixes.size() && whole.fixes[fix].line == i) {
      out += "!\n";
      ++fix;
    }
    out += "|" + Shown(whole.text.substr(line.byteStart, line.length)) + "\n";
    const std::string letters = RoleLetters(whole.ranges, line.offset, line.length);
    out += ":" + letters + "\n";
    const LineColouring one = ColourLineOfText(text, i + 1, kind, kMarker);
    const std::string oneLetters = RoleLetters(one.ranges, before[i].offset, one.line.size());
    if (oneLetters != letters) out += "1" + oneLetters + "\n";
  }
  return out;
}

std::string StyledPreview() {
  const std::string text = ColourPreviewSampleText();
  const std::vector<ColourRange> ranges = ColourPreviewText(text);
  std::string out = std::string("# colour dialog preview\n") + kLegend;
  for (const TextLineSpan& line : LocateTextLines(text)) {
    out += "|" + Shown(text.substr(line.byteStart, line.length)) + "\n";
    out += ":" + RoleLetters(ranges, line.offset, line.length) + "\n";
  }
  return out;
}

void CheckGolden(const std::string& styledName, const std::string& actual) {
  const std::string path = DataPath(styledName);
  const char* regen = std::getenv("VARNOCK_REGEN");
  if (regen && std::string(regen) == "1") {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::string expected;
  ASSERT_TRUE(ReadFile(path, expected)) << "missing " << path;
  // Report the first line that differs rather than two whole files.
  std::istringstream a(actual), e(expected);
  std::string al, el;
  for (int n = 1; std::getline(e, el); ++n) {
    ASSERT_TRUE(std::getline(a, al)) << styledName << " ends early at line " << n;
    ASSERT_EQ(al, el) << styledName << ", line " << n;
  }
  EXPECT_FALSE(std::getline(a, al)) << styledName << " has extra lines";
}

class ColourGoldenTest : public testing::TestWithParam<const char*> {};

TEST_P(ColourGoldenTest, MatchesStyledFile) {
  const std::string name = GetParam();
  std::string text;
  ASSERT_TRUE(ReadFile(DataPath(name), text)) << "missing " << DataPath(name);
  CheckGolden(name + ".styled", StyledDocument(name, text));
}

INSTANTIATE_TEST_SUITE_P(Samples, ColourGoldenTest,
                         testing::Values("errors.inf", "setup", "sample.reg", "exported", "sample.ini", "art.nfo",
                                         "notes.txt"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string n = info.param;
                           std::replace(n.begin(), n.end(), '.', '_');
                           return n;
                         });

TEST(ColourGoldenPreviewTest, MatchesStyledFile) { CheckGolden("preview.styled", StyledPreview()); }

}  // namespace
}  // namespace varnock
