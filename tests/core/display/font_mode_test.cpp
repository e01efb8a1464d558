#include "core/display/font_mode.h"

#include <gtest/gtest.h>

namespace varnock {
namespace {

FontSpec BoldUserFont() {
  FontSpec f;
  f.face = "Courier New";
  f.pointSize = 14;
  f.charset = 0;
  f.bold = f.italic = f.underline = true;
  f.colour = 0x123456;
  return f;
}

TEST(AnsiFontChoiceTest, ModeValuesAndPanelCycle) {
  EXPECT_EQ(FontModeFromValue(2), FontMode::Ansi);
  EXPECT_EQ(FontModeFromValue(4), FontMode::User);
  for (int bad : {0, 5, -3}) EXPECT_EQ(FontModeFromValue(bad), FontMode::Default);
  FontMode m = FontMode::Auto;
  for (FontMode e : {FontMode::User, FontMode::Default, FontMode::Ansi, FontMode::Auto}) {
    m = NextFontMode(m);
    EXPECT_EQ(m, e);
  }
}

TEST(AnsiFontChoiceTest, EachModeFontPrintAndPanel) {
  struct Case {
    FontMode mode;
    bool art;
    const char* face;
    int points;
    int charset;
    bool print;
    const char* panel;
    bool raised;
  };
  const Case cases[] = {
      {FontMode::Default, true, "Lucida Console", 10, 1, true, "Def", false},
      {FontMode::Ansi, false, "Terminal", 9, 255, false, "ANSI", true},
      {FontMode::Auto, true, "Terminal", 9, 255, false, "Auto", false},
      {FontMode::Auto, false, "Lucida Console", 10, 1, true, "Auto", false},
      {FontMode::User, true, "Courier New", 14, 1, true, "User", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    const DisplayFontChoice d = ChooseDisplayFont(c.mode, c.art, BoldUserFont());
    EXPECT_EQ(d.font.face, c.face);
    EXPECT_EQ(d.font.pointSize, c.points);
    EXPECT_EQ(d.font.charset, c.charset);
    EXPECT_EQ(d.printEnabled, c.print);
    EXPECT_STREQ(d.panelText, c.panel);
    EXPECT_EQ(d.panelRaised, c.raised);
    EXPECT_EQ(d.ansiArt, c.charset == 255);
    // Preset modes are plain in the system colour, whatever the user font was.
    const bool user = c.mode == FontMode::User;
    EXPECT_EQ(d.font.bold && d.font.italic && d.font.underline, user);
    EXPECT_EQ(d.font.systemTextColour, !user);
  }
  EXPECT_EQ(ChooseDisplayFont(FontMode::User, false, BoldUserFont()).font.colour, 0x123456u);
}

TEST(AnsiFontChoiceTest, TextComesBackEndingWithLineBreak) {
  EXPECT_EQ(TextThroughLineList(""), "");
  EXPECT_EQ(TextThroughLineList("a"), "a\r\n");
  EXPECT_EQ(TextThroughLineList("a\r\nb\r\n"), "a\r\nb\r\n");
  EXPECT_EQ(TextThroughLineList("a\nb\rc"), "a\r\nb\r\nc\r\n");
  EXPECT_EQ(TextThroughLineList("\r\n"), "\r\n");
  EXPECT_EQ(TextThroughLineList("a\r\n\r\n"), "a\r\n\r\n");
}

}  // namespace
}  // namespace varnock
