#include "core/display/ansi_art.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

TEST(AnsiArtTest, AnyOneSignIsEnough) {
  for (const char* sign : {"\xDB", "\xB2", "\xB1", "\xCD\xCD", "\xC4\xC4", "\xDC", "\xDF"}) {
    EXPECT_TRUE(ContainsAnsiArtBytes(std::string("Greetings ") + sign + " all")) << sign;
  }
  // The light shade, lone or mixed line characters and accented letters do not count.
  for (const char* text : {"", "plain", "\xB0\xB0",
                           "a\xCD"
                           "b\xCD",
                           "a\xC4"
                           "b\xC4",
                           "\xCD\xC4\xCD", "caf\xE9 \xDA\xDD\xDE"}) {
    EXPECT_FALSE(ContainsAnsiArtBytes(text)) << text;
  }
}

TEST(AnsiArtTest, NameDecidesBeforeText) {
  EXPECT_FALSE(IsAnsiArtText("", "\xDB\xDB\xDB"));  // unsaved: never art
  EXPECT_TRUE(IsAnsiArtText("C:\\File_ID.DIZ", "just letters"));
  EXPECT_TRUE(IsAnsiArtText("art.Nfo", ""));
  EXPECT_TRUE(IsAnsiArtText("readme.txt", "x\xDBx"));
  EXPECT_FALSE(IsAnsiArtText("readme.txt", "x\xCDx"));
  EXPECT_FALSE(IsAnsiArtText("C:\\art.nfo\\readme", "x"));
}

}  // namespace
}  // namespace varnock
