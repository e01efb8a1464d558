// The sample itself is checked in tests/data/colour/preview.styled; these are the
// places where the preview's simplified rules part from the document rules.
#include "core/colour/preview_rules.h"

#include <gtest/gtest.h>

#include "core/colour/line_rules.h"
#include "role_letters.h"

namespace varnock {
namespace {

using colour_test::RoleLetters;

TEST(PreviewColourTest, SimplifiedRulesDifferFromInfRules) {
  struct Case {
    const char* line;
    const char* preview;
    const char* document;
  };
  const Case cases[] = {
      {"a,b=c", "EEEE.", "....."},          // no delimiter test
      {"  [a]", ".....", "..SSS"},          // "[" only at the very start
      {"a=\"x\":y", "EE.....", "EE...XX"},  // no walk past quotes
      {"x:y;z", ".XXXX", ".XXXX"},          // the colon paints over the comment
      {"Windows Registry Editor Version 5.00", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string line = c.line;
    const LineColouring doc = ColourLine(line, 0, DocKind::Inf, EntryDelimiters::WholeDocument, ":");
    const std::string plain(line.size(), '.');
    EXPECT_EQ(RoleLetters(ColourPreviewLine(line, 0), 0, line.size()), *c.preview ? c.preview : plain);
    EXPECT_EQ(RoleLetters(doc.ranges, 0, line.size()), *c.document ? c.document : plain);
  }
  EXPECT_EQ(RoleLetters(ColourPreviewLine("REGEDIT4", 0), 0, 8), "EEEEEEEE");
}

TEST(PreviewColourTest, SampleTextAndItsOffsets) {
  const std::vector<std::string>& lines = ColourPreviewSampleLines();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_TRUE(lines[3].empty() && lines[6].empty());
  EXPECT_EQ(ColourPreviewSampleText().substr(0, 37), lines[0] + "\r\n");
  // Lines at 0, 5, 10 and 12.
  EXPECT_EQ(RoleLetters(ColourPreviewText("[a]\r\nb=c\r\n\r\n;d"), 0, 14), "SSS..EE.....CC");
}

}  // namespace
}  // namespace varnock
