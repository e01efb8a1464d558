#include "core/inftools/inf_line_split.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace varnock {
namespace {

using Lines = std::vector<std::string>;

// The logical line the INF parser reads from physical lines: each continuation mark
// joins a line with the next.
std::string Joined(const Lines& lines) {
  std::string joined;
  for (const std::string& line : lines) {
    joined += (!line.empty() && line.back() == '\\') ? line.substr(0, line.size() - 1) : line;
  }
  return joined;
}

// Every line fits and every line but the last ends after a whole field, with the mark.
void ExpectWellSplit(const Lines& lines, const std::string& original, std::size_t maxLength) {
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(Joined(lines), original);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].size(), maxLength) << i;
    if (i + 1 < lines.size()) {
      EXPECT_EQ(lines[i].substr(lines[i].size() - 2), ",\\") << i;
    } else {
      EXPECT_NE(lines[i].back(), '\\');
    }
  }
}

std::string Bytes(std::size_t count) {
  std::string list;
  for (std::size_t i = 0; i < count; ++i) list += (i ? "," : "") + std::string(i % 2 ? "ab" : "0f");
  return list;
}

TEST(InfLineSplit, ALineThatFitsStaysWhole) {
  const std::string exact = "HKCU,\"K\",\"n\",1," + Bytes(165);  // 15 + 494 characters
  ASSERT_EQ(exact.size(), 509u);
  EXPECT_EQ(SplitInfLine(exact, 509), Lines{exact});
  EXPECT_EQ(SplitInfLine("", 10), Lines{""});
}

TEST(InfLineSplit, OneCharacterTooManyMovesTheLastFieldsOn) {
  // 13 characters: 11 fit before "02" and the mark.
  EXPECT_EQ(SplitInfLine("A,\"k\",1,01,02", 12), (Lines{"A,\"k\",1,01,\\", "02"}));
  // The mark needs its own place: "A,\"k\",1," + "\" is 9.
  EXPECT_EQ(SplitInfLine("A,\"k\",1,01,02", 10), (Lines{"A,\"k\",1,\\", "01,02"}));
}

TEST(InfLineSplit, LongByteListsUseEveryLineToTheLimit) {
  for (const std::size_t limit : {511u, 512u, 100u, 7u}) {
    const std::string line = "HKLM,\"Software\\K\",\"Bin\",0x00030001," + Bytes(2000);
    const Lines lines = SplitInfLine(line, limit);
    if (limit < 14) {
      EXPECT_TRUE(lines.empty()) << "the key field alone does not fit in " << limit;
      continue;
    }
    ExpectWellSplit(lines, line, limit);
    // No line could have taken the next byte as well.
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_GT(lines[i].size() + 3, limit) << i;
  }
}

TEST(InfLineSplit, CommasInsideQuotesDoNotSeparateFields) {
  const std::string line = "HKCU,\"a,b\",\"say \"\"x,y\"\"\",,\"1,2\"";
  // The longest field, `"say ""x,y""",`, needs 15 with the mark.
  EXPECT_TRUE(SplitInfLine(line, 14).empty());
  for (std::size_t limit = 15; limit < line.size(); ++limit) {
    const Lines lines = SplitInfLine(line, limit);
    ExpectWellSplit(lines, line, limit);
    for (const std::string& l : lines) {
      EXPECT_EQ(std::count(l.begin(), l.end(), '"') % 2, 0) << l;
    }
  }
}

TEST(InfLineSplit, AFieldLongerThanALineCannotBeSplit) {
  EXPECT_TRUE(SplitInfLine("HKCU,\"K\",\"n\",,\"" + std::string(600, 'x') + "\"", 511).empty());
  // With its comma and the mark, a field in the middle needs two more characters.
  EXPECT_TRUE(SplitInfLine("A," + std::string(9, 'x') + ",B", 10).empty());
  EXPECT_EQ(SplitInfLine("A," + std::string(8, 'x') + ",B", 10), (Lines{"A,\\", std::string(8, 'x') + ",B"}));
}

}  // namespace
}  // namespace varnock
