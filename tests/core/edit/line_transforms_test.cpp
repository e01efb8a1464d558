#include "core/edit/line_transforms.h"

#include <gtest/gtest.h>

#include "core/edit/blank_trim.h"
#include "core/edit/work_list.h"

namespace varnock {
namespace {

using Lines = std::vector<std::string>;

TEST(EditWorkList, SplitsAtEveryKindOfBreakAndJoinsWithCrLf) {
  EXPECT_EQ(SplitWorkList(""), Lines{});
  EXPECT_EQ(SplitWorkList("a\r\n"), Lines{"a"});
  EXPECT_EQ(SplitWorkList("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitWorkList("a\rb\nc\r\nd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitWorkList("\n\r"), (Lines{"", ""}));
  EXPECT_EQ(WorkListText({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(WorkListText({}), "");
}

TEST(EditWorkList, TrimmingTakesEveryCodeUpTo32ButNoHighByte) {
  EXPECT_EQ(TrimBlanks("\t \x01 a b \r\n\x1F"), "a b");
  EXPECT_EQ(TrimBlanksLeft(" \ta "), "a ");
  EXPECT_EQ(TrimBlanksRight(" a\t "), " a");
  EXPECT_EQ(TrimBlanks("\xA0x\xFF"), "\xA0x\xFF");  // signed chars must not pass as blanks
  EXPECT_TRUE(IsBlankText(" \t\r"));
  EXPECT_FALSE(IsBlankText(" \xA0"));
}

TEST(EditSortLines, AsciiComparisonFoldsOnlyLettersAToZ) {
  EXPECT_EQ(CompareAsciiNoCase("Version", "vERSION"), 0);
  EXPECT_LT(CompareAsciiNoCase("abc", "abcd"), 0);  // a prefix is the smaller
  EXPECT_LT(CompareAsciiNoCase("", "\x01"), 0);
  EXPECT_GT(CompareAsciiNoCase("[", "a"), 0);        // '[' after 'A' once a is folded
  EXPECT_GT(CompareAsciiNoCase("_", "b"), 0);        // '_' is below 'b' but above the folded 'B'
  EXPECT_GT(CompareAsciiNoCase("\xE9", "z"), 0);     // bytes compared unsigned
  EXPECT_NE(CompareAsciiNoCase("\xE9", "\xC9"), 0);  // accented letters are not folded
}

TEST(EditSortLines, DescendingPutsEmptyLinesLast) {
  Lines lines{"beta", "", "Alpha", "gamma", "", "BETA2"};
  SortLinesDescending(lines);
  EXPECT_EQ(lines, (Lines{"gamma", "BETA2", "beta", "Alpha", "", ""}));
}

TEST(EditSortLines, AscendingUsesTheComparisonPassedIn) {
  // A comparison that orders by length only proves the sort does not use its own.
  const LineCompare byLength = [](const std::string& a, const std::string& b) {
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
  };
  Lines lines{"ccc", "a", "", "bb"};
  SortLinesAscending(lines, byLength);
  EXPECT_EQ(lines, (Lines{"", "a", "bb", "ccc"}));

  Lines fallback{"b", "", "A", "c"};
  SortLinesAscending(fallback, LineCompare{});
  EXPECT_EQ(fallback, (Lines{"", "A", "b", "c"}));

  // A comparison that is no ordering at all must not break the sort.
  Lines chaos(200, "x");
  for (std::size_t i = 0; i < chaos.size(); ++i) chaos[i] += std::to_string(i % 7);
  int flip = 0;
  SortLinesAscending(chaos, [&flip](const std::string&, const std::string&) { return (flip++ % 3) - 1; });
  EXPECT_EQ(chaos.size(), 200u);
}

TEST(EditSplitLines, WidthFollowsTheFontAndNeverDropsBelow40) {
  EXPECT_EQ(SplitWidth(FontMode::Default, "Lucida Console", 800), 97);
  EXPECT_EQ(SplitWidth(FontMode::Ansi, "Terminal", 800), 155);
  EXPECT_EQ(SplitWidth(FontMode::Auto, "Terminal", 800), 155);
  EXPECT_EQ(SplitWidth(FontMode::Auto, "Lucida Console", 800), 97);
  EXPECT_EQ(SplitWidth(FontMode::User, "Arial", 800), 110);
  EXPECT_EQ(SplitWidth(static_cast<FontMode>(7), "Terminal", 800), 97);  // any other value: as Default
  EXPECT_EQ(SplitWidth(FontMode::Default, "", 100), kMinSplitWidth);
  EXPECT_EQ(SplitWidth(FontMode::Ansi, "", -50), kMinSplitWidth);
}

TEST(EditSplitLines, CutsAfterTheLastBlankWithinTheWidth) {
  const std::string noBlank(100, 'x');
  EXPECT_EQ(SplitLinesToWidth({noBlank}, 40), Lines{noBlank});

  // Exactly W characters with a blank are split; W - 1 are not.
  const std::string exact = std::string(20, 'a') + " " + std::string(19, 'b');
  ASSERT_EQ(exact.size(), 40u);
  EXPECT_EQ(SplitLinesToWidth({exact}, 40), (Lines{std::string(20, 'a'), std::string(19, 'b')}));
  EXPECT_EQ(SplitLinesToWidth({exact.substr(1)}, 40), Lines{exact.substr(1)});

  // The head is trimmed right, the rest is kept as it is (a tab counts as a cut point).
  const std::string tabbed = std::string(30, 'a') + "  \t" + std::string(7, ' ') + "tail";
  EXPECT_EQ(SplitLinesToWidth({tabbed}, 40), (Lines{std::string(30, 'a'), "tail"}));
  const std::string kept = std::string(35, 'a') + " " + std::string(4, 'b') + "   " + std::string(3, 'c');
  EXPECT_EQ(SplitLinesToWidth({kept}, 40), (Lines{std::string(35, 'a'), "bbbb   ccc"}));
}

TEST(EditSplitLines, LongLinesAreCutAgainAndAgain) {
  std::string words;
  for (int i = 0; i < 13; ++i) words += "word" + std::to_string(i % 10) + "678 ";  // 9 wide each
  const Lines split = SplitLinesToWidth({"short", words, ""}, 40);
  ASSERT_EQ(split.size(), 6u);
  EXPECT_EQ(split[0], "short");
  EXPECT_EQ(split[1], "word0678 word1678 word2678 word3678");
  EXPECT_EQ(split[3], "word8678 word9678 word0678 word1678");
  EXPECT_EQ(split[4], "word2678 ");  // the rest is not trimmed
  EXPECT_EQ(split[5], "");
  for (const std::string& line : split) EXPECT_LT(line.size(), 40u);
}

TEST(EditLineTransforms, IndentAndUnindent) {
  Lines lines{"x", "", " y"};
  IndentLines(lines);
  EXPECT_EQ(lines, (Lines{"  x", "  ", "   y"}));

  Lines indented{"\t  x", "    y z ",
                 "\x01\x1F"
                 "w",
                 "\xA0v"};
  UnindentLines(indented);
  EXPECT_EQ(indented, (Lines{"x", "y z ", "w", "\xA0v"}));
}

TEST(EditLineTransforms, JoinTrimsEachLineAndSeparatesWithOneBlank) {
  EXPECT_EQ(JoinLinesTrimmed({"a", "", "b"}), "a  b");
  EXPECT_EQ(JoinLinesTrimmed({"", " ", "a", "\tb "}), "a b");  // leading blank lines add nothing
  EXPECT_EQ(JoinLinesTrimmed({"a", ""}), "a ");
  EXPECT_EQ(JoinLinesTrimmed({"", ""}), "");
}

}  // namespace
}  // namespace varnock
