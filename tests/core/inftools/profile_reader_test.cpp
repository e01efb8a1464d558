#include "core/inftools/profile_reader.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

struct ReaderCase {
  const char* what;
  std::string text;
  std::vector<std::string> names;
  const char* section;  // read back
  Entries entries;
};

TEST(ProfileReader, SplitsAsTheProfileFunctionsDo) {
  const ReaderCase cases[] = {
      {"blanks trimmed around names and values, first = splits",
       "[S]\r\n  a  =  b = c  \r\n",
       {"S"},
       "S",
       {{"a", "b = c"}}},
      {"quotes kept by the section read", "[S]\nq=\"x\"\nr='y'\n", {"S"}, "S", {{"q", "\"x\""}, {"r", "'y'"}}},
      {"name after the last ]", "[a]b]c\r\nk=v\r\n", {"a]b"}, "a]b", {{"k", "v"}}},
      {"[ without ] is an entry", "[S]\r\n[open\r\n", {"S"}, "S", {{"[open", ""}}},
      {"section names fold case, first of two read", "[S]\r\nk=1\r\n[s]\r\nk=2\r\n", {"S", "s"}, "s", {{"k", "1"}}},
      {"duplicate entries all listed", "[S]\r\nk=1\r\nK=2\r\n", {"S"}, "S", {{"k", "1"}, {"K", "2"}}},
      {"comments skipped, nameless entries kept", "[S]\r\n;c=1\r\n=v\r\nk\r\n", {"S"}, "S", {{"", "v"}, {"k", ""}}},
      {"section names trimmed", "[ spaced\t]\r\nk=v\r\n", {"spaced"}, "spaced", {{"k", "v"}}},
      {"lines before a section unreadable, [] unlisted", "x=1\r\n[]\r\ny=2\r\n[T]\r\n", {"T"}, "T", {}},
      {"tab, form feed and ^Z are blanks", "\t[S]\x1A\n\fk\t=\tv\r\r\n", {"S"}, "S", {{"k", "v"}}},
      {"a lone CR ends a line", "[S]\rk=a\rb\r", {"S"}, "S", {{"k", "a"}, {"b", ""}}},
      {"NUL ends a name or value", std::string("[S\0x]\nk\0z=v\0w\n", 14), {"S"}, "S", {{"k", "v"}}},
      {"UTF-8 mark skipped", "\xEF\xBB\xBF[S]\nk=v\n", {"S"}, "S", {{"k", "v"}}},
      {"missing section reads nothing", "[S]\nk=v\n", {"S"}, "T", {}},
      {"long line kept whole",
       "[S]\nk=" + std::string(70000, 'x') + "\n",
       {"S"},
       "S",
       {{"k", std::string(70000, 'x')}}},
  };
  for (const ReaderCase& c : cases) {
    const ParsedProfile profile = ParseProfileText(c.text);
    EXPECT_EQ(ProfileSectionNamesOf(profile), c.names) << c.what;
    EXPECT_EQ(ProfileSectionEntriesOf(profile, c.section), c.entries) << c.what;
    // The one-pass reads give what a read per listed name gives.
    const std::vector<ProfileSectionRead> reads = ProfileSectionReads(profile);
    ASSERT_EQ(reads.size(), c.names.size()) << c.what;
    for (size_t i = 0; i < reads.size(); ++i) {
      EXPECT_EQ(reads[i].name, c.names[i]) << c.what;
      EXPECT_EQ(reads[i].entries, ProfileSectionEntriesOf(profile, c.names[i])) << c.what;
    }
  }
}

TEST(ProfileReader, OnlyTheFirstOfSeveralNamelessEntriesInARowIsStored) {
  const ParsedProfile profile = ParseProfileText("[S]\n=a\n=b\nk=1\n=c\n");
  ASSERT_EQ(profile.sections.size(), 2u);
  ASSERT_EQ(profile.sections[1].entries.size(), 3u);
  EXPECT_EQ(profile.sections[1].entries[0].value, "a");
  EXPECT_EQ(profile.sections[1].entries[2].value, "c");
}

}  // namespace
}  // namespace varnock
