#include "core/edit/line_commands.h"

#include <gtest/gtest.h>

#include "tests/core/edit/selection_printer.h"

namespace varnock {
namespace {

std::string Applied(const std::string& text, const LineEdit& edit) {
  return edit.changes ? ApplyReplacement(text, edit.replacement) : text;
}

// Lines 1..6: L1, L2, pear, Apple, fig, tail; line 3 starts at 8, line 6 at 26.
const std::string kFruit = "L1\r\nL2\r\npear\r\nApple\r\nfig\r\ntail\r\n";
const Selection kMidLine3ToLine6{10, 16};

TEST(EditLineCommands, SortsWorkOnLines3To5OfASelectionEndingAtLine6) {
  const LineEdit up = PlanSortAscending(kFruit, kMidLine3ToLine6, LineCompare{});
  EXPECT_EQ(up.selectFirst, (Selection{8, 16}));
  ASSERT_TRUE(up.changes);
  EXPECT_TRUE(up.recolour);
  EXPECT_EQ(Applied(kFruit, up), "L1\r\nL2\r\nApple\r\nfig\r\npear\r\ntail\r\n");
  EXPECT_EQ(up.selectAfter, (Selection{8, 18}));  // the three lines and their breaks

  const LineEdit down = PlanSortDescending(kFruit, kMidLine3ToLine6);
  EXPECT_EQ(Applied(kFruit, down), "L1\r\nL2\r\npear\r\nfig\r\nApple\r\ntail\r\n");
}

TEST(EditLineCommands, SortsNeedTwoLinesButStillWidenTheSelection) {
  for (const LineEdit& edit : {PlanSortAscending(kFruit, {9, 2}, LineCompare{}), PlanSortDescending(kFruit, {9, 2})}) {
    EXPECT_FALSE(edit.changes);
    EXPECT_EQ(edit.selectFirst, (Selection{8, 4}));
  }
}

TEST(EditLineCommands, AscendingKeepsEmptyLinesFirstDescendingDropsThem) {
  const std::string text = "b\r\n\r\na\r\nend";
  const Selection firstThree{0, 8};
  EXPECT_EQ(Applied(text, PlanSortAscending(text, firstThree, LineCompare{})), "\r\na\r\nb\r\nend");

  const LineEdit down = PlanSortDescending(text, firstThree);
  EXPECT_EQ(Applied(text, down), "b\r\na\r\nend");
  EXPECT_EQ(down.selectAfter, (Selection{0, 6}));  // stops at the next line, not inside it
}

TEST(EditLineCommands, WholeTextSelectionKeepsTheFinalLineBreak) {
  const std::string text = "b\r\na\r\n";
  const LineEdit edit = PlanSortAscending(text, {0, text.size()}, LineCompare{});
  EXPECT_EQ(edit.selectFirst, (Selection{0, 6}));
  EXPECT_EQ(Applied(text, edit), "a\r\nb\r\n");
  EXPECT_EQ(Applied("\t x\r\n  y", PlanUnindent("\t x\r\n  y", {0, 8})), "x\r\ny");
}

TEST(EditLineCommands, IndentWorksOnTheCaretLineUnlessInColumn1) {
  const std::string text = "x\r\ny";
  EXPECT_FALSE(PlanIndent(text, {3, 0}).changes);
  EXPECT_FALSE(PlanUnindent(text, {0, 0}).changes);
  EXPECT_FALSE(PlanSplit(text, {3, 0}, 40).changes);

  const LineEdit edit = PlanIndent(text, {4, 0});
  EXPECT_EQ(Applied(text, edit), "x\r\n  y");
  EXPECT_EQ(edit.selectAfter, (Selection{3, 3}));  // cut at the end of the text
}

TEST(EditLineCommands, IndentLeavesAnEmptyLastLineEmpty) {
  const std::string text = "x\r\n\r\nnext";
  const LineEdit edit = PlanIndent(text, {0, 5});
  EXPECT_EQ(Applied(text, edit), "  x\r\n\r\nnext");
  EXPECT_EQ(edit.selectAfter, (Selection{0, 7}));

  // Blank-only lines unindented at the end stay as empty lines too.
  EXPECT_EQ(Applied("\tx\r\n \t\r\nn", PlanUnindent("\tx\r\n \t\r\nn", {0, 8})), "x\r\n\r\nn");
  EXPECT_EQ(Applied("\r\n\r\nn", PlanIndent("\r\n\r\nn", {0, 4})), "\r\n\r\nn");
}

TEST(EditLineCommands, SplitSelectsTheInsertedText) {
  const std::string longLine = std::string(30, 'a') + " " + std::string(14, 'b');
  const std::string text = "s\r\n" + longLine + "\r\nz";
  const LineEdit edit = PlanSplit(text, {5, 0}, 40);
  EXPECT_EQ(Applied(text, edit), "s\r\n" + std::string(30, 'a') + "\r\n" + std::string(14, 'b') + "\r\nz");
  EXPECT_EQ(edit.selectAfter, (Selection{3, 46}));
  EXPECT_TRUE(edit.recolour);
}

TEST(EditLineCommands, JoinMakesOneLineAndSelectsIt) {
  const std::string text = "a\r\n\r\nb\r\nc";
  const LineEdit edit = PlanJoin(text, {0, 6});
  EXPECT_EQ(edit.selectFirst, (Selection{0, 6}));
  EXPECT_EQ(Applied(text, edit), "a  b\r\nc");
  EXPECT_EQ(edit.selectAfter, (Selection{0, 4}));
  EXPECT_TRUE(edit.recolour);

  EXPECT_FALSE(PlanJoin(text, {0, 2}).changes);
  EXPECT_FALSE(PlanJoin("", {0, 0}).changes);
}

TEST(EditLineCommands, UnderlineTheLineAboveACaretInColumn1) {
  const std::string text = "l1\r\nl2\r\nl3\r\nline4\r\nl5";
  const LineEdit edit = PlanUnderline(text, {19, 0});
  EXPECT_EQ(Applied(text, edit), "l1\r\nl2\r\nl3\r\nline4\r\n\xAF\xAF\xAF\xAF\xAF\r\nl5");
  EXPECT_EQ(edit.selectFirst, (Selection{19, 0}));
  EXPECT_EQ(edit.selectAfter, (Selection{26, 0}));
  EXPECT_TRUE(edit.recolour);

  // The selection's end decides; on the first line column 1 is that line's own.
  EXPECT_EQ(Applied(text, PlanUnderline(text, {0, 5})), "l1\r\nl2\r\n\xAF\xAF\r\nl3\r\nline4\r\nl5");
  EXPECT_EQ(Applied(text, PlanUnderline(text, {0, 0})), "l1\r\n\xAF\xAF\r\nl2\r\nl3\r\nline4\r\nl5");
}

TEST(EditLineCommands, UnderlineEdges) {
  EXPECT_EQ(Applied("\r\nb", PlanUnderline("\r\nb", {0, 0})), "\r\n\r\nb");  // an empty line
  EXPECT_EQ(Applied("ab\r\n", PlanUnderline("ab\r\n", {4, 0})), "ab\r\n\xAF\xAF\r\n");
  EXPECT_FALSE(PlanUnderline("", {0, 0}).changes);

  // A last line without a break is ended first, so the underline gets its own line.
  const LineEdit open = PlanUnderline("ab\r\ncd", {6, 0});
  EXPECT_EQ(Applied("ab\r\ncd", open), "ab\r\ncd\r\n\xAF\xAF\r\n");
  EXPECT_EQ(open.selectAfter, (Selection{12, 0}));
}

TEST(EditLineCommands, RegHeaderGoesOnTopWithoutRecolouring) {
  const LineEdit edit = PlanRegHeader();
  EXPECT_EQ(Applied("[HKEY_CURRENT_USER\\X]", edit),
            "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\X]");
  EXPECT_EQ(edit.selectAfter, (Selection{40, 0}));
  EXPECT_FALSE(edit.recolour);
}

}  // namespace
}  // namespace varnock
