// The geometry a colouring pass needs around the rules: one line's runs for the
// keystroke pass, and the selection after markers went in.
#include <gtest/gtest.h>

#include "core/colour/line_runs.h"
#include "core/colour/line_rules.h"
#include "core/colour/marker_shift.h"
#include "role_letters.h"

namespace varnock {
namespace {

using colour_test::RoleLetters;

TEST(LineRunsTest, CoverTheLineOnceWithTheNetColours) {
  const std::string line = "Key = \"C:\\x\" ; note";
  const std::size_t at = 40;
  const LineColouring coloured = ColourLine(line, at, DocKind::Inf, EntryDelimiters::OneLine, ": X: ");
  const std::vector<ColourRange> runs = LineRuns(coloured.ranges, at, line.size());
  // Consecutive, from the line start to its end, no two neighbours alike.
  std::size_t next = at;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].start, next);
    EXPECT_GT(runs[i].length, 0u);
    if (i > 0) EXPECT_NE(runs[i].role, runs[i - 1].role);
    next = runs[i].end();
  }
  EXPECT_EQ(next, at + line.size());
  // Painting the runs gives what painting the rules' ranges in order gives.
  EXPECT_EQ(RoleLetters(runs, at, line.size()), RoleLetters(coloured.ranges, at, line.size()));
  EXPECT_EQ(runs.size(), 3u);  // entry, text, comment
}

TEST(LineRunsTest, CutsRangesToTheLineAndIsEmptyForAnEmptyLine) {
  const std::vector<ColourRange> ranges = {{0, 100, ColourRole::Error}, {12, 3, ColourRole::Section}};
  const std::vector<ColourRange> runs = LineRuns(ranges, 10, 4);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (ColourRange{10, 2, ColourRole::Error}));
  EXPECT_EQ(runs[1], (ColourRange{12, 2, ColourRole::Section}));
  EXPECT_TRUE(LineRuns(ranges, 10, 0).empty());
}

TEST(MarkerShiftTest, SelectionKeepsItsCharacters) {
  // Markers of 5 at original offsets 10 and 30: offsets 10 and 35 after insertion.
  const std::vector<std::size_t> markers = {10, 35};
  auto after = [&](std::size_t start, std::size_t length) {
    return SelectionAfterMarkers({start, length}, markers, 5);
  };
  EXPECT_EQ(after(0, 4), (TextSelection{0, 4}));    // before both
  EXPECT_EQ(after(10, 0), (TextSelection{15, 0}));  // caret at a line start follows its character
  EXPECT_EQ(after(12, 3), (TextSelection{17, 3}));  // after the first
  EXPECT_EQ(after(5, 10), (TextSelection{5, 15}));  // spans the first
  EXPECT_EQ(after(2, 8), (TextSelection{2, 8}));    // ends where the first goes in
  EXPECT_EQ(after(40, 2), (TextSelection{50, 2}));  // after both
  EXPECT_EQ(SelectionAfterMarkers({7, 3}, {}, 5), (TextSelection{7, 3}));
}

}  // namespace
}  // namespace varnock
