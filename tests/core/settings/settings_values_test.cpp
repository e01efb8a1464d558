// Values of the settings file: numbers, ranges, colours, style letters, toolbar checks
// and the quoting that brings every text back exactly.
#include <gtest/gtest.h>

#include "core/settings/settings_values.h"

namespace varnock {
namespace {

TEST(SettingsValues, NumberIsTheWholeValueInSignedDecimalWithin32Bits) {
  const struct {
    const char* text;
    std::optional<std::int32_t> number;
  } cases[] = {
      {"0", 0},
      {"60", 60},
      {"-12", -12},
      {"+7", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"12a", std::nullopt},
      {" 12", std::nullopt},
      {"0x10", std::nullopt},
      {"1.5", std::nullopt},
      {"--1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseWholeInteger(c.text), c.number) << c.text;
  EXPECT_EQ(IntegerOr("abc", 360), 360);
}

TEST(SettingsValues, FontFieldsOutsideTheirRangesTakeTheDefaults) {
  EXPECT_EQ(FontModeSetting("4"), 4);
  EXPECT_EQ(FontModeSetting("0"), 1);
  EXPECT_EQ(FontModeSetting("5"), 1);
  EXPECT_EQ(FontSizeSetting("4"), 4);
  EXPECT_EQ(FontSizeSetting("96"), 96);
  EXPECT_EQ(FontSizeSetting("3"), 10);
  EXPECT_EQ(FontSizeSetting("97"), 10);
  EXPECT_EQ(FontCharsetSetting("0"), 0);
  EXPECT_EQ(FontCharsetSetting("255"), 255);
  EXPECT_EQ(FontCharsetSetting("256"), 1);
  EXPECT_EQ(FontCharsetSetting("-1"), 1);
  EXPECT_EQ(FontNameSetting("Unknown Face"), "Unknown Face");
  EXPECT_EQ(FontNameSetting(""), "MS Sans Serif");
  EXPECT_EQ(FontNameSetting(std::string(31, 'x')), std::string(31, 'x'));
  EXPECT_EQ(FontNameSetting(std::string(32, 'x')), "MS Sans Serif");
}

TEST(SettingsValues, ColoursAreRgbOrSystemColours) {
  EXPECT_EQ(ParseColourSetting("16711680")->value, 0xFF0000u);
  EXPECT_FALSE(ParseColourSetting("16711680")->system);
  EXPECT_EQ(ParseColourSetting("16777215")->value, 0xFFFFFFu);
  EXPECT_FALSE(ParseColourSetting("16777216"));               // a fourth byte
  const auto windowText = ParseColourSetting("-2147483640");  // 0x80000008
  ASSERT_TRUE(windowText);
  EXPECT_TRUE(windowText->system);
  EXPECT_EQ(windowText->value, 8u);
  EXPECT_FALSE(ParseColourSetting("-2147483617"));  // 0x8000001F: no such index
  EXPECT_FALSE(ParseColourSetting("-1"));
  EXPECT_FALSE(ParseColourSetting("blue"));
}

TEST(SettingsValues, StyleLettersAreWrittenInOrderAndReadAnywhere) {
  FontSpec font;
  ApplyFontStyleLetters("GS", font);
  EXPECT_TRUE(font.bold && font.underline);
  EXPECT_FALSE(font.italic || font.strikeOut);
  EXPECT_EQ(FontStyleLetters(font), "GS");
  ApplyFontStyleLetters("0000", font);
  EXPECT_EQ(FontStyleLetters(font), "");
  ApplyFontStyleLetters("xSxBxGxI", font);
  EXPECT_EQ(FontStyleLetters(font), "IGBS");
  ApplyFontStyleLetters("igbs", font);  // letters are compared exactly
  EXPECT_EQ(FontStyleLetters(font), "");
}

TEST(SettingsValues, ShortToolButtonsValueKeepsTheChecksBeyondItsEnd) {
  const std::vector<bool> layout(13, true);
  EXPECT_EQ(ToolButtonsText(ToolButtonChecks("0101", layout)), "0101111111111");
  EXPECT_EQ(ToolButtonsText(ToolButtonChecks("", layout)), "1111111111111");
  EXPECT_EQ(ToolButtonsText(ToolButtonChecks("1x0000000000000000", layout)), "1000000000000");
}

TEST(SettingsValues, TextsComeBackExactlyThroughTheProfileFunctions) {
  for (const char* text : {"", "plain", " leading", "trailing ", " both ", "\"quoted\"", "'single'", "\"", "\"half",
                           "in \"the\" middle", "''", "\t"}) {
    EXPECT_EQ(ProfileReadBack(QuoteForProfile(text)), text) << "[" << text << "]";
  }
  EXPECT_EQ(QuoteForProfile("C:\\"), "C:\\");
  EXPECT_EQ(QuoteForProfile(" a"), "\" a\"");
}

TEST(SettingsValues, NamesListedTwiceShowOnce) {
  EXPECT_EQ(UniqueNames({"Francais", "Deutsch", "francais", "Deutsch", "Espanol"}),
            (std::vector<std::string>{"Francais", "Deutsch", "Espanol"}));
}

}  // namespace
}  // namespace varnock
