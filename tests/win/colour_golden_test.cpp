// The colours the real control shows after each pass, compared with the golden files
// of tests/data/colour (the same files the rules are tested against natively).
#include <algorithm>
#include <sstream>

#include "core/colour/text_lines.h"
#include "tests/win/colour_test_support.h"
#include "win/i18n/message.h"

namespace varnock::test {
namespace {

struct GoldenLine {
  std::string text;     // tabs shown as ">"
  std::string whole;    // letters after the whole-document pass
  std::string oneLine;  // letters after the keystroke pass
  bool overLong = false;
};

std::vector<GoldenLine> ReadGolden(const std::string& styled) {
  std::vector<GoldenLine> lines;
  std::istringstream in(styled);
  std::string row;
  bool overLong = false;
  while (std::getline(in, row)) {
    if (!row.empty() && row.back() == '\r') row.pop_back();
    if (row.empty() || row[0] == '#') continue;
    const std::string rest = row.substr(1);
    switch (row[0]) {
      case '!': overLong = true; break;
      case '|':
        lines.push_back({rest, "", "", overLong});
        overLong = false;
        break;
      case ':': lines.back().whole = lines.back().oneLine = rest; break;
      case '1': lines.back().oneLine = rest; break;
    }
  }
  return lines;
}

std::string Shown(std::string text) {
  std::replace(text.begin(), text.end(), '\t', '>');
  return text;
}

class ColourGolden : public ColourTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    ColourTest::SetUp();
    sample = ColourSample(GetParam());
    golden = ReadGolden(ColourSample(std::string(GetParam()) + ".styled"));
    ASSERT_FALSE(sample.empty());
    ASSERT_FALSE(golden.empty());
    Mode("AffColorALL");
    Load(std::string("C:\\samples\\") + GetParam(), sample);
  }
  size_t OverLongLines() const {
    return static_cast<size_t>(
        std::count_if(golden.begin(), golden.end(), [](const GoldenLine& l) { return l.overLong; }));
  }
  std::string sample;
  std::vector<GoldenLine> golden;
};

TEST_P(ColourGolden, WholePassPaintsWhatTheRulesSay) {
  pad().SetColour();
  const std::string text = pad().Rich1.Text();
  const std::vector<TextLineSpan> lines = LocateTextLines(text);
  ASSERT_EQ(lines.size(), golden.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i + 1));
    EXPECT_EQ(Shown(text.substr(lines[i].byteStart, lines[i].length)), golden[i].text);
    EXPECT_EQ(Letters(static_cast<long>(lines[i].offset), static_cast<long>(lines[i].length)), golden[i].whole);
  }
  // One error box per over-long INF line, and nothing else.
  ASSERT_EQ(boxes->shown.size(), OverLongLines());
  for (const PromptRequest& box : boxes->shown) {
    EXPECT_EQ(box.text, fMessage("REG_512_WARN"));
    EXPECT_EQ(box.type & (MB_ICONMASK | MB_TYPEMASK), static_cast<UINT>(MB_ICONERROR | MB_OK));
  }
}

TEST_P(ColourGolden, KeystrokePassPaintsItsLineAsTheRulesSay) {
  pad().SetBW();
  for (size_t i = 0; i < golden.size(); ++i) {
    SCOPED_TRACE("line " + std::to_string(i + 1));
    pad().SetColourThisLine(static_cast<int>(i + 1));
    const std::string text = pad().Rich1.Text();
    const TextLineSpan line = LocateTextLines(text)[i];
    EXPECT_EQ(Shown(text.substr(line.byteStart, line.length)), golden[i].text);
    EXPECT_EQ(Letters(static_cast<long>(line.offset), static_cast<long>(line.length)), golden[i].oneLine);
  }
  EXPECT_EQ(boxes->shown.size(), OverLongLines());
}

INSTANTIATE_TEST_SUITE_P(Samples, ColourGolden,
                         ::testing::Values("errors.inf", "sample.ini", "sample.reg", "setup", "exported", "notes.txt",
                                           "art.nfo"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           std::replace(name.begin(), name.end(), '.', '_');
                           return name;
                         });

}  // namespace
}  // namespace varnock::test
