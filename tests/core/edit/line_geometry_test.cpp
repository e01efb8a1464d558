#include "core/edit/line_geometry.h"

#include <gtest/gtest.h>

#include "tests/core/edit/selection_printer.h"

namespace varnock {
namespace {

// Six lines "line1" .. "line6", each 5 characters: line i (from 1) starts at 7 * (i - 1).
const std::string kSixLines = "line1\r\nline2\r\nline3\r\nline4\r\nline5\r\nline6\r\n";

TEST(EditLineGeometry, LinesAreTheControlsLines) {
  EXPECT_EQ(LineGeometry("").count(), 0u);
  EXPECT_EQ(LineGeometry("\r\n").count(), 1u);

  const LineGeometry g("ab\r\n\r\ncde\r\n");  // a final break starts no further line
  ASSERT_EQ(g.count(), 3u);
  EXPECT_EQ(g.start(1), 4u);
  EXPECT_EQ(g.length(1), 0u);
  EXPECT_EQ(g.end(1), 6u);
  EXPECT_EQ(g.start(2), 6u);
  EXPECT_EQ(g.end(2), 11u);

  // A last line without a break still ends two positions after its last character.
  const LineGeometry open("ab\r\ncd");
  ASSERT_EQ(open.count(), 2u);
  EXPECT_EQ(open.end(1), 8u);
}

TEST(EditLineGeometry, LoneBreaksCountTheirOneByte) {
  const LineGeometry g("a\nbc\rd");
  ASSERT_EQ(g.count(), 3u);
  EXPECT_EQ(g.start(1), 2u);
  EXPECT_EQ(g.start(2), 5u);
  EXPECT_EQ(LocateCaret(g, 5).line, 3u);
  EXPECT_EQ(LocateCaret(g, 5).column, 0u);
}

struct CaretCase {
  const char* text;
  std::size_t position;
  std::size_t line;
  std::size_t column;
};

TEST(EditLineGeometry, CaretLineAndColumn) {
  const CaretCase cases[] = {
      {"", 0, 1, 1},            // the empty text: line 1, column 1
      {"abc", 0, 1, 0},         // start of a non-empty text
      {"abc\r\ndef", 3, 1, 3},  // end of a line belongs to it
      {"abc\r\ndef", 5, 2, 0},  // start of the next line
      {"abc\r\ndef", 7, 2, 2},
      {"abc\r\ndef", 8, 2, 3},       // end of a text without a final break
      {"abc\r\ndef\r\n", 10, 3, 0},  // after the final break: lines + 1
      {"\r\n\r\n", 2, 2, 0},
  };
  for (const CaretCase& c : cases) {
    const CaretPlace place = LocateCaret(LineGeometry(c.text), c.position);
    EXPECT_EQ(place.line, c.line) << '"' << c.text << "\" at " << c.position;
    EXPECT_EQ(place.column, c.column) << '"' << c.text << "\" at " << c.position;
  }
}

TEST(EditLineGeometry, SelectionFromMidLine3ToStartOfLine6TouchesLines3To5) {
  const LineGeometry g(kSixLines);
  const Selection sel{14 + 2, 35 - 16};  // "ne3" .. up to the start of line 6
  const TouchedLines t = FindTouchedLines(g, sel);
  EXPECT_EQ(t.count, 3u);
  EXPECT_EQ(t.first, 2u);
  EXPECT_EQ(t.last, 4u);
  EXPECT_FALSE(t.wholeText);
  // From the start of line 3 to the end of line 5's characters: its break stays out.
  EXPECT_EQ(t.widened, (Selection{14, 33 - 14}));
}

TEST(EditLineGeometry, CaretsTouchTheirLineExceptInColumn1) {
  const LineGeometry g(kSixLines);
  EXPECT_EQ(FindTouchedLines(g, {0, 0}).count, 0u);   // start of the text
  EXPECT_EQ(FindTouchedLines(g, {7, 0}).count, 0u);   // column 1 of line 2
  EXPECT_EQ(FindTouchedLines(g, {42, 0}).count, 0u);  // after the final break

  const TouchedLines mid = FindTouchedLines(g, {9, 0});
  EXPECT_EQ(mid.count, 1u);
  EXPECT_EQ(mid.first, 1u);
  EXPECT_EQ(mid.widened, (Selection{7, 5}));

  const TouchedLines end = FindTouchedLines(g, {12, 0});  // end of line 2
  EXPECT_EQ(end.count, 1u);
  EXPECT_EQ(end.first, 1u);

  // A caret left where it was when nothing is touched.
  EXPECT_EQ(FindTouchedLines(g, {7, 0}).widened, (Selection{7, 0}));
}

TEST(EditLineGeometry, WholeTextTouchesEveryLineAndKeepsTheSelection) {
  const LineGeometry g(kSixLines);
  const TouchedLines t = FindTouchedLines(g, {0, kSixLines.size()});
  EXPECT_TRUE(t.wholeText);
  EXPECT_EQ(t.count, 6u);
  EXPECT_EQ(t.last, 5u);
  EXPECT_EQ(t.widened, (Selection{0, kSixLines.size()}));

  EXPECT_EQ(FindTouchedLines(LineGeometry(""), {0, 0}).count, 0u);
}

TEST(EditLineGeometry, SortAndJoinNeedASelectionOverTwoLines) {
  EXPECT_FALSE(SortAndJoinEnabled(kSixLines, {2, 3}));    // inside one line
  EXPECT_FALSE(SortAndJoinEnabled(kSixLines, {2, 5}));    // up to the start of line 2
  EXPECT_TRUE(SortAndJoinEnabled(kSixLines, {2, 6}));     // into line 2
  EXPECT_FALSE(SortAndJoinEnabled(kSixLines, {9, 0}));    // a caret never
  EXPECT_TRUE(SortAndJoinEnabled(kSixLines, {0, 1000}));  // clamped to the whole text
}

}  // namespace
}  // namespace varnock
