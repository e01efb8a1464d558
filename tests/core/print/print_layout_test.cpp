// Print layout: line step, offsets and page breaks at several resolutions, wrapping,
// TABs, and the texts and sizes that could make empty pages or endless loops.
#include "core/print/print_layout.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

CharWidths Uniform(int width) {
  CharWidths widths{};
  widths.fill(width);
  return widths;
}

std::string Lines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + (i < count ? "\r\n" : "");
  return text;
}

// The texts of the rows, page by page ("|" between pieces of one row).
std::vector<std::vector<std::string>> RowTexts(const std::string& text, const std::vector<PrintPage>& pages) {
  std::vector<std::vector<std::string>> result;
  for (const PrintPage& page : pages) {
    result.emplace_back();
    for (const PrintRow& row : page.rows) {
      std::string shown;
      for (const PrintPiece& piece : row.pieces)
        shown += (shown.empty() ? "" : "|") + text.substr(piece.start, piece.length);
      result.back().push_back(shown);
    }
  }
  return result;
}

TEST(PrintConstants, AreTheHouseRulesAt288DpiScaledElsewhereAndNeverBelowTheLineHeight) {
  struct Case {
    int dpi, points, lineHeight, step, top, left, tabStop;
  } cases[] = {
      {288, 10, 30, 40, 15, 5, 144},  // the house printer: 4 x 10 points
      {300, 10, 47, 47, 16, 5, 150},  // 42 by the rule, but the font's line is 47 pixels
      {600, 10, 94, 94, 31, 10, 300}, {600, 12, 60, 100, 31, 10, 300},  // scaled step above the line height
      {288, 0, 30, 30, 15, 5, 144},                                     // unknown size: the line height
      {288, -8, 0, 1, 15, 5, 144},                                      // nothing known: still a step
  };
  for (const Case& c : cases) {
    PrintGeometry g;
    g.dpiX = g.dpiY = c.dpi;
    g.fontPoints = c.points;
    g.lineHeight = c.lineHeight;
    const PrintConstants k = PrintConstantsFor(g);
    EXPECT_EQ(k.step, c.step) << c.dpi << " dpi, " << c.points << " pt";
    EXPECT_EQ(k.top, c.top) << c.dpi;
    EXPECT_EQ(k.left, c.left) << c.dpi;
    EXPECT_EQ(k.tabStop, c.tabStop) << c.dpi;
  }
}

// Row n of a page stands at top + n x step and needs (n + 1) x step + top of page height.
TEST(PrintLayout, BreaksThePageExactlyWhereTheNextRowNoLongerFits) {
  struct Case {
    int dpi, lineHeight, pageHeight, rowsOnFirstPage;
  } cases[] = {
      {288, 30, 4 * 40 + 15, 3}, {288, 30, 4 * 40 + 14, 2}, {300, 47, 5 * 47 + 16, 4},
      {300, 47, 5 * 47 + 15, 3}, {600, 94, 6 * 94 + 31, 5}, {600, 94, 6 * 94 + 30, 4},
  };
  for (const Case& c : cases) {
    PrintGeometry g;
    g.dpiX = g.dpiY = c.dpi;
    g.lineHeight = c.lineHeight;
    g.pageWidth = 100000;
    g.pageHeight = c.pageHeight;
    const std::vector<PrintPage> pages = LayoutPrint(Lines(12), g, Uniform(10));
    const PrintConstants k = PrintConstantsFor(g);
    ASSERT_GE(pages.size(), 2u);
    ASSERT_EQ(pages[0].rows.size(), static_cast<size_t>(c.rowsOnFirstPage)) << c.dpi << " dpi, height " << c.pageHeight;
    for (size_t n = 0; n < pages[0].rows.size(); ++n)
      EXPECT_EQ(pages[0].rows[n].y, k.top + static_cast<int>(n + 1) * k.step);
    EXPECT_EQ(pages[1].rows[0].y, k.top + k.step);
    size_t total = 0;
    for (const PrintPage& page : pages) total += page.rows.size();
    EXPECT_EQ(total, 12u);
  }
}

TEST(PrintLayout, PiecesPointIntoTheTextWithLineBreaksCountingTwo) {
  PrintGeometry g;
  g.pageWidth = 10000;
  g.pageHeight = 10000;
  g.lineHeight = 40;
  const std::string text = "[Version]\r\nSignature=$CHICAGO$\r\n\r\nlast";
  const auto pages = LayoutPrint(text, g, Uniform(10));
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(RowTexts(text, pages)[0], (std::vector<std::string>{"[Version]", "Signature=$CHICAGO$", "", "last"}));
  EXPECT_EQ(pages[0].rows[1].pieces[0].start, 11u);
  EXPECT_EQ(pages[0].rows[3].pieces[0].start, 34u);
  EXPECT_EQ(pages[0].rows[0].pieces[0].x, PrintConstantsFor(g).left);
}

TEST(PrintLayout, WrapsAtTheLastBlankThatFitsElseAtTheLastCharacterThatFits) {
  PrintGeometry g;
  g.dpiX = g.dpiY = 288;
  g.pageHeight = 100000;
  g.lineHeight = 40;
  g.pageWidth = 5 + 10 * 10;  // ten characters of 10 pixels after the left offset
  struct Case {
    std::string text;
    std::vector<std::string> rows;
  } cases[] = {
      {"AddReg=one two three", {"AddReg=one ", "two three"}},
      {"ABCDEFGHIJKLMNOPQRSTUVWXY", {"ABCDEFGHIJ", "KLMNOPQRST", "UVWXY"}},
      {"exactly10!", {"exactly10!"}},
      {"0123456789 x", {"0123456789 ", "x"}},
  };
  for (const Case& c : cases) EXPECT_EQ(RowTexts(c.text, LayoutPrint(c.text, g, Uniform(10)))[0], c.rows) << c.text;
}

TEST(PrintLayout, AnyWidthGivesAtLeastOneCharacterARow) {
  PrintGeometry g;
  g.pageHeight = 100000;
  g.lineHeight = 40;
  for (int width : {0, 1, -50}) {
    g.pageWidth = width;
    const std::string text = "abc";
    EXPECT_EQ(RowTexts(text, LayoutPrint(text, g, Uniform(30)))[0], (std::vector<std::string>{"a", "b", "c"})) << width;
  }
}

TEST(PrintLayout, TabsAdvanceToHalfInchStopsAndAreNeverDrawn) {
  PrintGeometry g;
  g.dpiX = g.dpiY = 300;
  g.pageWidth = 2479;
  g.pageHeight = 3508;
  g.lineHeight = 47;
  const std::string text = "a\tb\t\tc";
  const auto pages = LayoutPrint(text, g, Uniform(20));
  const auto& pieces = pages[0].rows[0].pieces;
  const int left = PrintConstantsFor(g).left;
  ASSERT_EQ(pieces.size(), 3u);
  EXPECT_EQ(pieces[0].x, left);
  EXPECT_EQ(pieces[1].x, left + 150);
  EXPECT_EQ(pieces[2].x, left + 450);
  for (const PrintPiece& piece : pieces)
    EXPECT_EQ(text.substr(piece.start, piece.length).find('\t'), std::string::npos);
}

TEST(PrintLayout, EmptyTextIsOneBlankPageAndAFinalLineBreakAddsNothing) {
  PrintGeometry g;
  g.dpiX = g.dpiY = 288;
  g.lineHeight = 30;
  g.pageWidth = 1000;
  g.pageHeight = 3 * 40 + 15;  // two rows a page
  const auto empty = LayoutPrint("", g, Uniform(10));
  ASSERT_EQ(empty.size(), 1u);
  EXPECT_TRUE(empty[0].rows.empty());
  const auto two = LayoutPrint("a\r\nb\r\n", g, Uniform(10));
  ASSERT_EQ(two.size(), 1u);
  EXPECT_EQ(two[0].rows.size(), 2u);
  EXPECT_EQ(LayoutPrint("a\r\nb\r\n\r\n", g, Uniform(10)).size(), 2u);  // a real empty line
}

TEST(PrintLayout, RowsTallerThanThePageTakeOnePageEachWithoutEmptyPages) {
  for (int points : {100000, 5000}) {
    PrintGeometry g;
    g.fontPoints = points;
    g.pageWidth = 1000;
    g.pageHeight = 3508;
    const auto pages = LayoutPrint(Lines(3), g, Uniform(10));
    ASSERT_EQ(pages.size(), 3u) << points;
    for (const PrintPage& page : pages) EXPECT_EQ(page.rows.size(), 1u);
  }
}

TEST(PrintLayout, ZeroOrNegativeSizesStillEndWithEveryLineOnce) {
  PrintGeometry g;
  g.fontPoints = -3;
  g.lineHeight = 0;
  g.pageWidth = 0;
  g.pageHeight = 0;
  const auto pages = LayoutPrint(Lines(4), g, Uniform(0));
  size_t rows = 0;
  for (const PrintPage& page : pages) rows += page.rows.size();
  EXPECT_EQ(pages.size(), 4u);
  EXPECT_EQ(rows, 4u);
}

}  // namespace
}  // namespace varnock
