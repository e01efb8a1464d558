// Line-by-line colours of every rule are in the golden files (colour_golden_test.cpp);
// these tests cover what the golden files cannot show.
#include "core/colour/line_rules.h"

#include <gtest/gtest.h>

#include "role_letters.h"

namespace varnock {
namespace {

using colour_test::RoleLetters;

const std::string kMarker = ": LINE TOO LONG ERROR: ";

LineColouring Inf(const std::string& line, std::size_t offset = 0,
                  EntryDelimiters set = EntryDelimiters::WholeDocument) {
  return ColourLine(line, offset, DocKind::Inf, set, kMarker);
}

TEST(LineColourTest, RangesStartWithTextColourAtTheLineOffset) {
  EXPECT_TRUE(Inf("", 7).ranges.empty());
  EXPECT_TRUE(ColourLine("[a]", 0, DocKind::None, EntryDelimiters::WholeDocument, kMarker).ranges.empty());
  const LineColouring c = Inf("[a] x", 40);
  ASSERT_EQ(c.ranges.size(), 3u);
  EXPECT_EQ(c.ranges[0], (ColourRange{40, 5, ColourRole::Text}));
  EXPECT_EQ(c.ranges[1], (ColourRange{40, 5, ColourRole::Error}));
  EXPECT_EQ(c.ranges[2], (ColourRange{40, 3, ColourRole::Section}));
}

TEST(LineColourTest, OverLongLineIsReportedBeforeItsRanges) {
  EXPECT_FALSE(Inf(std::string(511, 'a')).overLong);
  const std::string line = "key=" + std::string(508, 'v');  // 512 characters
  for (EntryDelimiters set : {EntryDelimiters::WholeDocument, EntryDelimiters::OneLine}) {
    const LineColouring c = Inf(line, 100, set);
    ASSERT_TRUE(c.overLong);
    EXPECT_EQ(c.marker, kMarker);
    EXPECT_EQ(c.markerOffset, 100u);
    EXPECT_EQ(c.line, kMarker + line);
    // Ranges are in the lengthened line: text over all of it, the key behind the marker.
    EXPECT_EQ(c.ranges[0], (ColourRange{100, c.line.size(), ColourRole::Text}));
    if (set == EntryDelimiters::WholeDocument) {
      EXPECT_EQ(c.ranges[1], (ColourRange{100 + kMarker.size(), 4, ColourRole::Entry}));
    }
    EXPECT_EQ(RoleLetters(c.ranges, 100, c.line.size()), std::string(c.line.size(), 'X'));
  }
}

TEST(LineColourTest, OverLongLinesThatAreLeftAlone) {
  const std::string body(600, 'x');
  EXPECT_FALSE(Inf(";" + body).overLong);
  EXPECT_FALSE(Inf(":" + body).overLong);
  for (DocKind k : {DocKind::Ini, DocKind::Reg, DocKind::AnsiArt, DocKind::Other}) {
    EXPECT_FALSE(ColourLine(body, 0, k, EntryDelimiters::WholeDocument, kMarker).overLong);
  }
  // Once marked, the line begins with ":" and later passes leave it alone.
  EXPECT_FALSE(Inf(Inf(body).line).overLong);
}

TEST(LineColourTest, MarkerAlwaysBeginsWithColon) {
  EXPECT_EQ(LongLineMarker(kMarker), kMarker);
  EXPECT_EQ(LongLineMarker(" TROP LONGUE "), ": TROP LONGUE ");
  EXPECT_EQ(LongLineMarker(""), ":");
  const std::string body(600, 'x');
  const LineColouring c = ColourLine(body, 0, DocKind::Inf, EntryDelimiters::WholeDocument, "TOO LONG ");
  EXPECT_EQ(c.line, ":TOO LONG " + body);
  EXPECT_FALSE(Inf(c.line).overLong);
}

}  // namespace
}  // namespace varnock
