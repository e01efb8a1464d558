// Font modes: the display font, the menu, the print entry, status panel 3 and the code
// page the text goes through, with the document's bytes kept.
#include "tests/win/colour_test_support.h"
#include "win/platform/font_dialog.h"

namespace varnock::test {
namespace {

std::string AllBytes() {
  std::string text;
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') text += static_cast<char>(b);
  return text + "\r\n\xDB\xDB\xB2\xB1 \xC4\xC4\xCD\xCD \xDC\xDF\r\n";
}

class FontModes : public ColourTest {
 protected:
  void TearDown() override {
    SetFontDialogHook(nullptr);
    ColourTest::TearDown();
  }
  std::string CheckedFontEntry() {
    std::string which;
    for (const char* entry : {"SubDef", "SubANSI", "SubAuto", "SubFont"})
      if (pad().Item(entry)->checked) which += entry;
    return which;
  }
  // The face, size and character set the text shows in.
  std::string ShownFont() {
    const CHARFORMATA format = FormatOf(pad().Rich1.hwnd(), 0, 1);
    return std::string(format.szFaceName) + " " + std::to_string(format.yHeight / 20) + " " +
           std::to_string(format.bCharSet);
  }
};

TEST_F(FontModes, EachModeSetsFontMenuPrintPanelAndCodePage) {
  Load("C:\\a\\notes.txt", "plain text\r\n");
  const struct {
    const char* entry;
    int mode;
    const char* font;
    bool print;
    const char* panel;
    Bevel bevel;
    UINT codePage;
  } table[] = {
      {"SubANSI", 2, "Terminal 9 255", false, "ANSI", Bevel::Raised, 437u},
      {"SubDef", 1, "Lucida Console 10 1", true, "Def", Bevel::Lowered, static_cast<UINT>(CP_ACP)},
      {"SubAuto", 3, "Lucida Console 10 1", true, "Auto", Bevel::Lowered, static_cast<UINT>(CP_ACP)},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.entry);
    Click(row.entry);
    EXPECT_EQ(pad().fontMode, row.mode);
    EXPECT_EQ(CheckedFontEntry(), row.entry);
    EXPECT_EQ(ShownFont(), row.font);
    EXPECT_EQ(pad().Item("FilePrintItem")->enabled, row.print);
    EXPECT_EQ(pad().StatusLine.Panel(kPanelFont).text, row.panel);
    EXPECT_EQ(pad().StatusLine.Panel(kPanelFont).bevel, row.bevel);
    EXPECT_EQ(pad().Rich1.CodePage(), row.codePage);
  }
}

TEST_F(FontModes, AutoChoosesTheOemFontForAnsiArtOnly) {
  const struct {
    const char* name;
    std::string text;
    bool art;
  } table[] = {
      {"", "\xDB\xDB\xDB\r\n", false},  // an unsaved document never is
      {"C:\\a\\File_ID.DIZ", "only letters\r\n", true},
      {"C:\\a\\art.nfo", "only letters\r\n", true},
      {"C:\\a\\x.txt", "one \xDB block\r\n", true},
      {"C:\\a\\x.txt", "one \xCD line\r\n", false},
      {"C:\\a\\x.txt", "two \xCD\xCD lines\r\n", true},
      {"C:\\a\\x.txt", "light \xB0\xB0 shade\r\n", false},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(std::string(row.name) + " " + row.text);
    Load(row.name, row.text);
    EXPECT_EQ(pad().fisAnsiText(row.text), row.art);
    Click("SubAuto");
    EXPECT_EQ(ShownFont(), row.art ? "Terminal 9 255" : "Lucida Console 10 1");
    EXPECT_EQ(pad().Item("FilePrintItem")->enabled, !row.art);
    EXPECT_EQ(pad().StatusLine.Panel(kPanelFont).text, "Auto");
    EXPECT_EQ(pad().Rich1.Text(), row.text);
  }
}

TEST_F(FontModes, ModeChangesKeepEveryByteAndTheModifiedFlag) {
  Mode("AffColorALL");
  Load("C:\\a\\art.nfo", AllBytes());
  bool modified = false;
  for (const char* entry : {"SubANSI", "SubAuto", "SubDef", "SubAuto", "SubANSI", "SubDef"}) {
    SCOPED_TRACE(entry);
    modified = !modified;
    pad().Rich1.SetModified(modified);
    Click(entry);
    EXPECT_EQ(pad().Rich1.Text(), AllBytes());
    EXPECT_EQ(pad().Rich1.Modified(), modified);
    EXPECT_EQ(pad().Rich1.CodePage(), pad().displayFontSpec.charset == 255 ? 437u : static_cast<UINT>(CP_ACP));
  }
  // The text comes back through a line list: it ends with a line break afterwards.
  Load("C:\\a\\art.nfo", "\xDB\r\nlast");
  Click("SubANSI");
  EXPECT_EQ(pad().Rich1.Text(), "\xDB\r\nlast\r\n");
  EXPECT_FALSE(pad().Rich1.Modified());
}

TEST_F(FontModes, FontPanelClicksGoRoundAllFourModes) {
  FontSpec user = pad().fontDiagFont;
  RECT bar{};
  GetClientRect(pad().StatusLine.hwnd(), &bar);
  int x = 0;
  for (int i = 0; i < kPanelFont; ++i) x += pad().StatusLine.Panel(i).width;
  x += pad().StatusLine.Panel(kPanelFont).width / 2;
  const int start = pad().fontMode;
  std::vector<int> seen;
  for (int i = 0; i < 4; ++i) {
    pad().StatusLineMouseDown(x);
    seen.push_back(pad().fontMode);
  }
  EXPECT_EQ(pad().fontMode, start);
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(pad().fontDiagFont, user);
}

TEST_F(FontModes, UserFontIsTakenOnConfirmAndPlainPresetsFollow) {
  Load("C:\\a\\notes.txt", "text\r\n");
  SetFontDialogHook([](FontDialogRequest& request) {
    request.font.face = "Courier";
    request.font.pointSize = 12;
    request.font.bold = true;
    request.font.colour = 0x0000C0;
    request.font.charset = 0;
    return true;
  });
  Click("SubFont");
  EXPECT_EQ(pad().fontMode, 4);
  EXPECT_EQ(CheckedFontEntry(), "SubFont");
  EXPECT_EQ(ShownFont(), "Courier 12 1");  // the character set is forced to the default one
  EXPECT_TRUE(FormatOf(pad().Rich1.hwnd(), 0, 1).dwEffects & CFE_BOLD);
  EXPECT_EQ(FormatOf(pad().Rich1.hwnd(), 0, 1).crTextColor, 0x0000C0u);
  EXPECT_EQ(pad().StatusLine.Panel(kPanelFont).text, "User");
  EXPECT_EQ(pad().StatusLine.Panel(kPanelFont).bevel, Bevel::Raised);
  EXPECT_EQ(pad().fontDiagFont.face, "Courier");
  // Back to a preset: plain, in the window-text colour.
  Click("SubDef");
  const CHARFORMATA format = FormatOf(pad().Rich1.hwnd(), 0, 1);
  EXPECT_FALSE(format.dwEffects & CFE_BOLD);
  EXPECT_EQ(format.crTextColor, GetSysColor(COLOR_WINDOWTEXT));
}

TEST_F(FontModes, CancelTakesBackAFontThatWasOnlyApplied) {
  Load("C:\\a\\notes.txt", "text\r\n");
  Click("SubANSI");
  const FontSpec kept = pad().fontDiagFont;
  int modeWhileOpen = 0;
  std::string fontWhileOpen;
  SetFontDialogHook([&](FontDialogRequest& request) {
    FontSpec applied = request.font;
    applied.face = "Courier";
    applied.pointSize = 14;
    request.apply(applied);  // the Apply button
    modeWhileOpen = pad().fontMode;
    fontWhileOpen = ShownFont();
    return false;
  });
  Click("SubFont");
  EXPECT_EQ(modeWhileOpen, 4);
  EXPECT_EQ(fontWhileOpen, "Courier 14 1");
  EXPECT_EQ(pad().fontMode, 2);
  EXPECT_EQ(pad().fontDiagFont, kept);
  EXPECT_EQ(ShownFont(), "Terminal 9 255");
  EXPECT_EQ(CheckedFontEntry(), "SubANSI");
}

}  // namespace
}  // namespace varnock::test
