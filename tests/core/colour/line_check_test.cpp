#include "core/colour/line_check.h"

#include <gtest/gtest.h>

#include <random>

#include "core/colour/line_rules.h"
#include "tests/core/colour/role_letters.h"

namespace varnock {
namespace {

struct FaultCase {
  const char* line;
  DocKind kind;
  std::vector<std::pair<LineFault, std::size_t>> faults;  // fault, column
};

std::vector<std::pair<LineFault, std::size_t>> FaultsOf(const std::string& line, DocKind kind) {
  std::vector<std::pair<LineFault, std::size_t>> found;
  for (const LineFaultAt& f : LineFaults(line, kind)) found.emplace_back(f.fault, f.column);
  return found;
}

TEST(LineFaults, EachKindAtItsColumn) {
  const FaultCase cases[] = {
      {"[DefaultInstall]", DocKind::Inf, {}},
      {"  [DefaultInstall] x", DocKind::Inf, {{LineFault::TextAfterHeader, 20}}},
      {"[Version]   ; a comment", DocKind::Inf, {}},
      {"[Version]  ", DocKind::Ini, {}},
      {"[STRINGS; This is a wrong place for a comment !", DocKind::Inf, {{LineFault::UnclosedHeader, 1}}},
      {"\t[STRINGS} ; typo", DocKind::Reg, {{LineFault::UnclosedHeader, 2}}},
      {"[Str;ings]", DocKind::Ini, {{LineFault::SemicolonInHeader, 5}}},
      {"Path=\"C:\\x\" ; c:", DocKind::Inf, {}},
      {"Path=C:\\x", DocKind::Inf, {{LineFault::InfColon, 7}}},
      {"Path=C:\\x", DocKind::Ini, {}},
      {"; comment: with colon", DocKind::Inf, {}},
      {"a=\"x\":y", DocKind::Inf, {{LineFault::InfColon, 6}}},
      {"[a]:x", DocKind::Inf, {{LineFault::TextAfterHeader, 4}, {LineFault::InfColon, 4}}},
  };
  for (const FaultCase& c : cases) EXPECT_EQ(FaultsOf(c.line, c.kind), c.faults) << c.line;
}

TEST(LineFaults, OverLongInfLinesFrom512Characters) {
  EXPECT_TRUE(LineFaults(std::string(511, 'a'), DocKind::Inf).empty());
  EXPECT_EQ(FaultsOf(std::string(512, 'a') + ":[", DocKind::Inf),
            (std::vector<std::pair<LineFault, std::size_t>>{{LineFault::LineTooLong, 1}}));
  EXPECT_TRUE(LineFaults(";" + std::string(600, 'a'), DocKind::Inf).empty());
  EXPECT_TRUE(LineFaults(std::string(600, 'a'), DocKind::Ini).empty());
}

// Every fault reported is a place the whole-document pass paints in the error colour,
// and every line with an error-coloured character reports a fault.
void ExpectAgreesWithColouring(const std::string& line, DocKind kind) {
  const LineColouring colouring = ColourLine(line, 0, kind, EntryDelimiters::WholeDocument, ": LONG: ");
  const std::string letters = colour_test::RoleLetters(colouring.ranges, 0, colouring.line.size());
  const std::vector<LineFaultAt> faults = LineFaults(line, kind);
  for (const LineFaultAt& fault : faults) {
    const std::size_t column = ErrorPaintedColumn(line, fault);
    ASSERT_GE(column, 1u) << line;
    ASSERT_LE(column, letters.size()) << line;
    EXPECT_EQ(letters[column - 1], 'X') << line << "\n" << letters;
  }
  // Blanks painted red after a "]" are invisible and not reported.
  bool visibleError = false;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    if (letters[i] == 'X' && colouring.line[i] != ' ' && colouring.line[i] != '\t') visibleError = true;
  }
  EXPECT_EQ(visibleError, !faults.empty()) << line << "\n" << letters;
}

TEST(LineFaults, AgreeWithTheColouringOnRandomLines) {
  std::mt19937 random(14);
  const char alphabet[] = "[]; \t:\"=ab";
  for (int n = 0; n < 5000; ++n) {
    std::string line(random() % 12, ' ');
    for (char& c : line) c = alphabet[random() % (sizeof alphabet - 1)];
    for (const DocKind kind : {DocKind::Inf, DocKind::Ini, DocKind::Reg}) ExpectAgreesWithColouring(line, kind);
  }
  ExpectAgreesWithColouring(std::string(520, 'a'), DocKind::Inf);
}

TEST(CheckText, UndefinedStringsAndMissingSections) {
  const std::string inf =
      "[Version]\r\n"
      "Provider=%Mfg%\r\n"
      "[DefaultInstall]\r\n"
      "AddReg = Keys, Gone ; comment %Nope%\r\n"
      "CopyFiles=@one.txt,%Files%\r\n"
      "DelReg=keys\r\n"
      "x=%10%\\a,50%%,%Other%\r\n"
      "[Keys]\r\n"
      "HKLM,\"a\",\"%Nope2%\"\r\n"
      "[Strings]\r\n"
      "mfg=\"Acme\"\r\n"
      "Undefined=%NotAnError%\r\n";
  const std::vector<TextProblem> problems = CheckText(inf, DocKind::Inf);
  ASSERT_EQ(problems.size(), 4u);
  EXPECT_EQ(problems[0].line, 4u);
  EXPECT_EQ(problems[0].column, 16u);
  EXPECT_TRUE(problems[0].warning);
  EXPECT_EQ(problems[0].message, "section [Gone] does not exist");
  EXPECT_EQ(problems[1].line, 5u);
  EXPECT_EQ(problems[1].column, 20u);
  EXPECT_EQ(problems[1].message, "%Files% is not defined in a [Strings] section");
  EXPECT_FALSE(problems[1].warning);
  EXPECT_EQ(problems[2].line, 7u);
  EXPECT_EQ(problems[2].column, 15u);
  EXPECT_EQ(problems[3].line, 9u);
  EXPECT_EQ(problems[3].column, 11u);
}

TEST(CheckText, LineNumbersCountEveryKindOfLineBreak) {
  const std::vector<TextProblem> problems = CheckText("[a]\r[b\n\nx:y\r\n", DocKind::Inf);
  ASSERT_EQ(problems.size(), 2u);
  EXPECT_EQ(problems[0].line, 2u);
  EXPECT_EQ(problems[1].line, 4u);
  EXPECT_EQ(problems[1].column, 2u);
  EXPECT_EQ(problems[1].message, "colon outside quotes");
  EXPECT_TRUE(CheckText("x:y\r\n", DocKind::Ini).empty());
}

}  // namespace
}  // namespace varnock
