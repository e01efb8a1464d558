#include "core/colour/text_colouring.h"

#include <gtest/gtest.h>

#include "core/colour/text_lines.h"
#include "role_letters.h"

namespace varnock {
namespace {

using colour_test::RoleLetters;

const std::string kMarker = ": LINE TOO LONG ERROR: ";

TEST(ColourTextLinesTest, LineBreaksCountAsInTheControl) {
  // CR LF counts two positions; a lone LF or CR, which the control keeps as it is
  // given, one: positions and string indexes agree.
  const std::vector<TextLineSpan> lines = LocateTextLines("ab\r\nc\nd\re\r\n");
  const std::vector<std::size_t> offsets = {0, 4, 6, 8, 11}, bytes = {0, 4, 6, 8, 11}, lengths = {2, 1, 1, 1, 0},
                                 breaks = {2, 1, 1, 2, 0};
  ASSERT_EQ(lines.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(lines[i].offset, offsets[i]) << i;
    EXPECT_EQ(lines[i].byteStart, bytes[i]) << i;
    EXPECT_EQ(lines[i].length, lengths[i]) << i;
    EXPECT_EQ(lines[i].breakLength, breaks[i]) << i;
  }
  EXPECT_EQ(LocateTextLines("").size(), 1u);
  EXPECT_EQ(ControlTextLength("ab\r\nc\nd"), 7u);
  EXPECT_EQ(FirstTextLine("REGEDIT4\nx"), "REGEDIT4");
}

TEST(TextColourTest, WholePassUsesAbsoluteOffsets) {
  const std::string text = "[a]\r\nk=v\n;c";
  const TextColouring c = ColourWholeText(text, DocKind::Ini, kMarker);
  EXPECT_FALSE(c.cancelled);
  EXPECT_EQ(c.text, text);
  EXPECT_EQ(RoleLetters(c.ranges, 0, 11), "SSS..EE..CC");
  EXPECT_TRUE(ColourWholeText(text, DocKind::None, kMarker).ranges.empty());
}

TEST(TextColourTest, OneLinePassTakesOneValidLine) {
  const std::string text = "[s]\r\na:b=c";
  const LineColouring second = ColourLineOfText(text, 2, DocKind::Ini, kMarker);
  ASSERT_FALSE(second.ranges.empty());
  EXPECT_EQ(second.ranges.front(), (ColourRange{5, 5, ColourRole::Text}));
  EXPECT_EQ(RoleLetters(second.ranges, 5, 5), ".....");  // the colon is a delimiter here
  EXPECT_TRUE(ColourLineOfText(text, 0, DocKind::Ini, kMarker).ranges.empty());
  EXPECT_TRUE(ColourLineOfText(text, 3, DocKind::Ini, kMarker).ranges.empty());
  EXPECT_TRUE(ColourLineOfText(text, 1, DocKind::None, kMarker).ranges.empty());
}

TEST(TextColourTest, MarkedLinesShiftWhatFollows) {
  const std::string a(512, 'a'), b(700, 'b');
  const TextColouring c = ColourWholeText("[x]\r\n" + a + "\n" + b + "\r\nk=v", DocKind::Inf, kMarker);
  // Line breaks are kept as they were.
  EXPECT_EQ(c.text, "[x]\r\n" + kMarker + a + "\n" + kMarker + b + "\r\nk=v");
  ASSERT_EQ(c.fixes.size(), 2u);
  const std::size_t aEnd = 5 + kMarker.size() + a.size();
  EXPECT_EQ(c.fixes[0].line, 1u);
  EXPECT_EQ(c.fixes[0].offset, 5u);
  EXPECT_EQ(c.fixes[1].line, 2u);
  EXPECT_EQ(c.fixes[1].offset, aEnd + 1);  // after a lone LF
  const std::size_t last = aEnd + 1 + kMarker.size() + b.size() + 2;
  EXPECT_EQ(RoleLetters(c.ranges, last, 3), "EE.");
  EXPECT_EQ(ControlTextLength(c.text), last + 3);
}

TEST(TextColourTest, CancelIsPolledOncePerLine) {
  int polls = 0;
  EXPECT_FALSE(ColourWholeText("a\r\nb\r\nc", DocKind::Ini, kMarker, [&] { return ++polls > 9; }).cancelled);
  EXPECT_EQ(polls, 3);

  polls = 0;
  const std::string longLine(600, 'x');
  const TextColouring c =
      ColourWholeText(longLine + "\r\n[a]\r\n[b]", DocKind::Inf, kMarker, [&] { return ++polls == 2; });
  EXPECT_TRUE(c.cancelled);
  EXPECT_EQ(polls, 2);
  EXPECT_TRUE(c.ranges.empty());
  // The marker inserted before the cancel stays.
  EXPECT_EQ(c.text, kMarker + longLine + "\r\n[a]\r\n[b]");
  EXPECT_EQ(c.fixes.size(), 1u);
}

TEST(TextColourTest, PaintingKeepsTheNetEffect) {
  using R = ColourRange;
  const ColourRole T = ColourRole::Text, X = ColourRole::Error, S = ColourRole::Section, C = ColourRole::Comment;
  EXPECT_TRUE(PaintColourRanges({R{0, 5, T}}, 10).empty());
  // Later ranges override, the text colour resets, neighbours of one role merge.
  EXPECT_EQ(PaintColourRanges({R{0, 8, X}, R{0, 3, S}, R{5, 1, T}, R{6, 4, C}, R{10, 2, C}}, 12),
            (std::vector<R>{R{0, 3, S}, R{3, 2, X}, R{6, 6, C}}));
  EXPECT_EQ(PaintColourRanges({R{3, 100, X}, R{50, 2, S}}, 5), (std::vector<R>{R{3, 2, X}}));
}

}  // namespace
}  // namespace varnock
