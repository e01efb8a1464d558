#include "core/inftools/insertion_menus.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

TEST(LdidCaption, KeepsTheIdentifierBetweenPercentSigns) {
  EXPECT_EQ(LdidFromCaption("%16384% Desktop"), "%16384%");
  EXPECT_EQ(LdidFromCaption("%01% SRCPATH"), "%01%");
  EXPECT_EQ(LdidFromCaption("%-1% Absolute path"), "%-1%");
  EXPECT_EQ(LdidFromCaption("Current User"), "%");
  EXPECT_EQ(LdidFromCaption("%"), "%");
  EXPECT_EQ(LdidFromCaption(""), "%");
}

std::vector<std::string> Captions(const std::vector<StringsMenuEntry>& entries) {
  std::vector<std::string> captions;
  for (const StringsMenuEntry& e : entries) captions.push_back(e.caption + " -> " + e.hint);
  return captions;
}

using Texts = std::vector<std::string>;

TEST(StringsScan, QuotedValuesInReverseLineOrder) {
  const std::string inf =
      "[Version]\r\nSignature=\"$CHICAGO$\"\r\n[Strings]\r\nAppName = \"My Tool\"\r\n"
      "Vendor=\"Acme\";maker\r\nVer = \"1.0\" ; comment\r\nPath = C:\\Tools\r\nQ = \"\r\n"
      "Semi = \"a;b\";c\r\n\tTab\t=\t\"t\"\t\r\nnoequals \"x\"\r\n";
  EXPECT_EQ(Captions(FetchStrings(inf)),
            (Texts{"\"t\" -> %Tab%", "\"a;b\" -> %Semi%", "\"Acme\" -> %Vendor%", "\"My Tool\" -> %AppName%"}));
}

TEST(StringsScan, AnyBracketEndsTheSection) {
  EXPECT_EQ(Captions(FetchStrings(std::vector<std::string>{"[strings]", "a=\"1\"", "x = \"a[1]\"", "b=\"2\""})),
            Texts{"\"1\" -> %a%"});
  EXPECT_TRUE(FetchStrings("[Strings.0409]\r\na=\"1\"\r\n").empty());
  EXPECT_TRUE(FetchStrings("a=\"1\"\r\n").empty());
  EXPECT_EQ(Captions(FetchStrings("[STRINGS]\na=\"1\"\n[Other]\nb=\"2\"\n[ Strings ]\nc=\"3\"\n[Strings]\nd=\"4\"")),
            (Texts{"\"4\" -> %d%", "\"1\" -> %a%"}));
}

TEST(StringsScan, MenuOnlyForInfFiles) {
  EXPECT_TRUE(StringsMenuEnabled("C:\\x\\setup.inf"));
  EXPECT_TRUE(StringsMenuEnabled("SETUP.INF"));
  EXPECT_FALSE(StringsMenuEnabled("setup.ini"));
  EXPECT_FALSE(StringsMenuEnabled("C:\\my.inf\\setup"));
  EXPECT_FALSE(StringsMenuEnabled(""));
}

}  // namespace
}  // namespace varnock
