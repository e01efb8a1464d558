#include "core/edit/search_commands.h"

#include <gtest/gtest.h>

#include "tests/core/edit/selection_printer.h"

namespace varnock {
namespace {

const UpperCaseTable kAscii = AsciiUpperCaseTable();
constexpr SearchOptions kAnyCase{false, false};
constexpr SearchOptions kMatchCase{true, false};
constexpr SearchOptions kWholeWord{false, true};
constexpr std::size_t kNone = std::string::npos;

TEST(EditSearch, CaseOption) {
  const std::string text = "[Version]\r\nSignature=\"$CHICAGO$\"";
  EXPECT_EQ(FindForward(text, "version", 0, kAnyCase, kAscii), 1u);
  EXPECT_EQ(FindForward(text, "version", 0, kMatchCase, kAscii), kNone);
  EXPECT_EQ(FindForward(text, "Version", 0, kMatchCase, kAscii), 1u);
  EXPECT_EQ(FindForward(text, "$chicago$", 0, kAnyCase, kAscii), 22u);

  // The locale's upper-casing comes in as a table: with it, e acute finds E acute.
  UpperCaseTable latin = kAscii;
  latin[0xE9] = 0xC9;
  EXPECT_EQ(FindForward("caf\xC9", "\xE9", 0, kAnyCase, latin), 3u);
  EXPECT_EQ(FindForward("caf\xC9", "\xE9", 0, kAnyCase, kAscii), kNone);
}

TEST(EditSearch, EmptySearchTextAndOriginsAtOrPastTheEndFindNothing) {
  EXPECT_EQ(FindForward("abc", "", 0, kAnyCase, kAscii), kNone);
  EXPECT_EQ(FindForward("abc", "c", 3, kAnyCase, kAscii), kNone);
  EXPECT_EQ(FindForward("abc", "c", 99, kAnyCase, kAscii), kNone);
  EXPECT_EQ(FindForward("", "a", 0, kWholeWord, kAscii), kNone);
}

TEST(EditSearch, WholeWordNeedsADelimiterOrTheTextsEdgeOnBothSides) {
  EXPECT_EQ(FindForward("INFO", "INF", 0, kWholeWord, kAscii), kNone);
  EXPECT_EQ(FindForward("x.INF,", "INF", 0, kWholeWord, kAscii), 2u);
  EXPECT_EQ(FindForward("INF file", "inf", 0, kWholeWord, kAscii), 0u);  // very start of the text
  EXPECT_EQ(FindForward("a.inf", "INF", 0, kWholeWord, kAscii), 2u);     // very end of the text
  // A rejected match looks again one character after its start.
  EXPECT_EQ(FindForward("INFINF INF", "INF", 0, kWholeWord, kAscii), 7u);
  EXPECT_EQ(FindForward("aaa a", "aa", 0, kWholeWord, kAscii), kNone);

  // The neighbour before a later origin is read from the whole text, not cut off.
  EXPECT_EQ(FindForward("xINF INF", "INF", 1, kWholeWord, kAscii), 5u);
  EXPECT_EQ(FindForward("x INF", "INF", 2, kWholeWord, kAscii), 2u);
}

TEST(EditSearch, TheFourteenDelimiters) {
  const std::string delimiters = "/\\,.; !?\f\n\r\t\"'";
  ASSERT_EQ(delimiters.size(), 14u);
  for (const char d : delimiters) {
    EXPECT_TRUE(IsWordDelimiter(d)) << int(d);
    const std::string text = std::string("x") + d + "key" + d + "x";
    EXPECT_EQ(FindForward(text, "KEY", 0, kWholeWord, kAscii), 2u) << int(d);
  }
  for (const char other : std::string("-_=:()[]%0aZ\x01\xA0")) {
    EXPECT_FALSE(IsWordDelimiter(other)) << int(other);
    const std::string text = std::string(" key") + other;
    EXPECT_EQ(FindForward(text, "key", 0, kWholeWord, kAscii), kNone) << int(other);
  }
}

TEST(EditSearch, FindNextStartsAfterTheSelectionAndNeverWraps) {
  const std::string text = "key=1\r\nkey=2\r\nKEY=3";
  EXPECT_EQ(SearchOrigin({7, 0}), 7u);
  EXPECT_EQ(SearchOrigin({7, 3}), 10u);

  // A caret right before a match finds it; the selected match itself is skipped.
  EXPECT_EQ(FindNextMatch(text, {0, 0}, "key", kAnyCase, kAscii), (Selection{0, 3}));
  EXPECT_EQ(FindNextMatch(text, {0, 3}, "key", kAnyCase, kAscii), (Selection{7, 3}));
  EXPECT_EQ(FindNextMatch(text, {7, 3}, "key", kAnyCase, kAscii), (Selection{14, 3}));
  // Past the last match: nothing, however much text lies before the caret.
  EXPECT_FALSE(FindNextMatch(text, {14, 3}, "key", kAnyCase, kAscii).has_value());
  EXPECT_EQ(FindNextMatch(text, {0, 0}, "KEY", kMatchCase, kAscii), (Selection{14, 3}));
}

}  // namespace
}  // namespace varnock
