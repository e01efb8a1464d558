// Reading the text and its colour runs back from the text control's RTF.
#include "core/print/rtf_colours.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

// The shape the control writes: font and colour tables, \cf switches, \par between lines.
const char kControlRtf[] =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fmodern\\fcharset0 Lucida Console;}}\r\n"
    "{\\colortbl ;\\red0\\green128\\blue0;\\red0\\green0\\blue255;\\red128\\green0\\blue128;}\r\n"
    "{\\*\\generator Wine;}\\viewkind4\\uc1\\pard\\cf1\\f0\\fs20 [Version]\\cf0\\par\r\n"
    "\\cf3 Signature\\cf0 =$CHICAGO$ \\cf2 ; caf\\'e9 \\{x\\}\\\\\\cf0\\par\r\n"
    "\\tab end\\par\r\n} \r\n";

TEST(RtfColours, ReadsTextAndColourRunsAsTheControlWritesThem) {
  const auto read = ReadRtfColours(kControlRtf);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->text, "[Version]\r\nSignature=$CHICAGO$ ; caf\xE9 {x}\\\r\n\tend\r\n");
  struct Expected {
    const char* text;
    std::uint32_t colour;
    bool automatic;
  } expected[] = {{"[Version]", 0x008000, false},       {"\r\n", 0, true},
                  {"Signature", 0x800080, false},       {"=$CHICAGO$ ", 0, true},
                  {"; caf\xE9 {x}\\", 0xFF0000, false}, {"\r\n\tend\r\n", 0, true}};
  ASSERT_EQ(read->runs.size(), std::size(expected));
  size_t at = 0;
  for (size_t i = 0; i < read->runs.size(); ++i) {
    const ColourRun& run = read->runs[i];
    EXPECT_EQ(run.start, at);
    EXPECT_EQ(read->text.substr(run.start, run.length), expected[i].text) << i;
    EXPECT_EQ(run.colour, expected[i].colour) << i;
    EXPECT_EQ(run.automatic, expected[i].automatic) << i;
    at += run.length;
  }
}

TEST(RtfColours, GroupsKeepTheirColourAndPlainResetsIt) {
  const auto read = ReadRtfColours("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 a{\\cf0 b}c\\plain d}");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->text, "abcd");
  ASSERT_EQ(read->runs.size(), 4u);
  EXPECT_FALSE(read->runs[0].automatic);
  EXPECT_TRUE(read->runs[1].automatic);
  EXPECT_EQ(read->runs[2].colour, 0x0000FFu);
  EXPECT_TRUE(read->runs[3].automatic);
}

TEST(RtfColours, ExplicitBlackDiffersFromNoColourAndUnknownIndexesAreAutomatic) {
  const auto read = ReadRtfColours("{\\rtf1{\\colortbl;\\red0\\green0\\blue0;}\\cf1 k\\cf7 u}");
  ASSERT_TRUE(read);
  ASSERT_EQ(read->runs.size(), 2u);
  EXPECT_FALSE(read->runs[0].automatic);
  EXPECT_TRUE(read->runs[1].automatic);
}

TEST(RtfColours, RefusesWhatIsNotRtfAndSurvivesCutDocuments) {
  EXPECT_FALSE(ReadRtfColours("plain text"));
  EXPECT_FALSE(ReadRtfColours(""));
  for (const char* cut : {"{\\rtf1 abc\\", "{\\rtf1 \\'e", "{\\rtf1{\\colortbl;\\red", "{\\rtf1 \\cf-", "{\\rtf1 \\'zz",
                          "{\\rtf1 \\cf99999999999999999999999 x"})
    EXPECT_TRUE(ReadRtfColours(cut)) << cut;
}

TEST(RtfColours, RunAtFindsTheRunHoldingAnOffset) {
  const std::vector<ColourRun> runs = {{0, 3, 1, false}, {3, 2, 2, false}};
  EXPECT_EQ(RunAt(runs, 0)->colour, 1u);
  EXPECT_EQ(RunAt(runs, 2)->colour, 1u);
  EXPECT_EQ(RunAt(runs, 3)->colour, 2u);
  EXPECT_EQ(RunAt(runs, 5), nullptr);
  EXPECT_EQ(RunAt({}, 0), nullptr);
}

}  // namespace
}  // namespace varnock
