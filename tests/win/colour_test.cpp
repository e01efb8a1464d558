// The colouring passes and modes on the real control: what the user sees (colours of
// characters, title, status, menu) and what colouring must never touch (the text, the
// modified flag, the selection).
#include <functional>
#include <iterator>
#include <random>

#include "core/colour/colour_rtf.h"
#include "core/colour/doc_kind.h"
#include "core/colour/text_colouring.h"
#include "tests/win/colour_test_support.h"
#include "win/platform/rich_format.h"
#include "win/colour/colour_paint.h"
#include "win/colour/escape_key.h"
#include "win/i18n/message.h"

namespace varnock::test {
namespace {

const char* const kInf =
    "[Version]\r\n"
    "Signature=\"$CHICAGO$\"\r\n"
    "; comment\r\n"
    "Bad=C:\\x\r\n";

class ColourPasses : public ColourTest {
 protected:
  void SetUp() override {
    ColourTest::SetUp();
    Load("C:\\work\\setup.inf", kInf);
  }
  void TearDown() override {
    SetEscapePoll(nullptr);
    ColourTest::TearDown();
  }
  // A pass must leave the text, the modified flag, the selection and the title alone.
  void ExpectUntouchedBy(const char* what, const std::function<void()>& pass) {
    for (const bool modified : {false, true}) {
      SCOPED_TRACE(std::string(what) + (modified ? ", modified" : ", unmodified"));
      pad().Rich1.SetModified(modified);
      pad().SetTitle();
      pad().Rich1.Select(12, 7);
      const std::string title = Title();
      pass();
      EXPECT_EQ(pad().Rich1.Text(), kInf);
      EXPECT_EQ(pad().Rich1.Modified(), modified);
      EXPECT_EQ(pad().Rich1.SelStart(), 12);
      EXPECT_EQ(pad().Rich1.SelLength(), 7);
      EXPECT_EQ(Title(), title);
    }
  }
};

TEST_F(ColourPasses, NoPassTouchesTextModifiedFlagSelectionOrTitle) {
  ExpectUntouchedBy("SetColour", [&] { pad().SetColour(); });
  ExpectUntouchedBy("SetBW", [&] { pad().SetBW(); });
  ExpectUntouchedBy("SetColourThisLine", [&] { pad().SetColourThisLine(2); });
  ExpectUntouchedBy("Refresh", [&] { Click("EditF5"); });
  for (const char* mode : {"AffColorNO", "AffColorIRI", "AffColorALL", "AffColorINF"})
    ExpectUntouchedBy(mode, [&] { Click(mode); });
  ExpectUntouchedBy("font mode", [&] { Click("SubANSI"); });
  EXPECT_TRUE(boxes->shown.empty());
}

TEST_F(ColourPasses, WholePassColoursAndEmptiesTheUndoHistory) {
  pad().Rich1.Select(0, 0);
  pad().Rich1.ReplaceSelection("x");
  pad().Rich1.Select(0, 1);
  pad().Rich1.ReplaceSelection("");
  ASSERT_TRUE(pad().Rich1.CanUndo());
  pad().SetColour();
  EXPECT_EQ(Letters(0, 9), "SSSSSSSSS");
  EXPECT_EQ(Letters(11, 21), "EEEEEEEEEE...........");  // a colon inside quotes is no error
  EXPECT_EQ(Letters(34, 9), "CCCCCCCCC");
  EXPECT_EQ(Letters(45, 8), "EEEE.XXX");
  EXPECT_FALSE(pad().Rich1.CanUndo());
  EXPECT_FALSE(pad().Item("EditUndoItem")->enabled);
  EXPECT_EQ(PanelText(kPanelHint), "");
}

TEST_F(ColourPasses, SystemColourConstantsShowAsTheSystemColours) {
  pad().commentColour = 0x80000000 | COLOR_HIGHLIGHT;
  pad().SetColour();
  EXPECT_EQ(FormatOf(pad().Rich1.hwnd(), 34, 1).crTextColor, GetSysColor(COLOR_HIGHLIGHT));
  pad().SetBW();
  pad().Rich1.Select(0, 0);  // a caret, as when typing
  pad().SetColourThisLine(3);
  EXPECT_EQ(FormatOf(pad().Rich1.hwnd(), 34, 1).crTextColor, GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(ColourPasses, KeystrokePassRepaintsALineInTheColourOfTheFirstCharacter) {
  Load("C:\\work\\setup.inf", "[Version]\r\nk=v\r\n[Strings]\r\n");
  pad().SetColour();
  ASSERT_EQ(Letters(0, 9), "SSSSSSSSS");
  pad().Rich1.Select(16, 9);
  SetSelectionColour(pad().Rich1, GetSysColor(COLOR_WINDOWTEXT));
  ASSERT_EQ(Letters(16, 9), ".........");
  pad().Rich1.Select(0, 0);
  pad().SetColourThisLine(3);
  EXPECT_EQ(Letters(16, 9), "SSSSSSSSS");
}

TEST_F(ColourPasses, BlackAndWhiteRemovesEveryColour) {
  pad().SetColour();
  ASSERT_NE(AllLetters().find('S'), std::string::npos);
  pad().SetBW();
  EXPECT_EQ(AllLetters(), std::string(pad().Rich1.TextLength(), '.'));
  EXPECT_FALSE(pad().Rich1.CanUndo());
}

TEST_F(ColourPasses, EscLeavesTheTextBlackAndWhiteAndTheNextPassColoursAgain) {
  pad().SetColour();
  pad().Rich1.Select(3, 4);
  pad().Rich1.SetModified(true);
  int polls = 0;
  SetEscapePoll([&] { return ++polls == 3; });  // Esc while the third line is reached
  pad().SetColour();
  EXPECT_EQ(polls, 3);
  EXPECT_EQ(AllLetters(), std::string(pad().Rich1.TextLength(), '.'));
  EXPECT_EQ(pad().Rich1.SelStart(), 3);
  EXPECT_EQ(pad().Rich1.SelLength(), 4);
  EXPECT_TRUE(pad().Rich1.Modified());
  EXPECT_EQ(PanelText(kPanelHint), "");
  EXPECT_TRUE(pad().Item("AffColorALL")->checked);  // the mode stays (a first start's)

  SetEscapePoll([] { return false; });
  pad().SetColour();
  EXPECT_EQ(Letters(0, 9), "SSSSSSSSS");
}

void SendEscape(DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VK_ESCAPE;
  input.ki.dwFlags = flags;
  SendInput(1, &input, sizeof input);
}

// The keyboard is asked only every few milliseconds: an Esc pressed and let go between
// two asks still cancels, and one from before the pass does not.
TEST_F(ColourPasses, AnEscapeTappedBetweenTwoAsksIsNotMissed) {
  SendEscape(0);
  SendEscape(KEYEVENTF_KEYUP);
  Pump(20);
  ForgetEarlierEscape();
  EXPECT_FALSE(EscapePressed());
  Sleep(20);
  EXPECT_FALSE(EscapePressed());  // asked: nothing since
  SendEscape(0);
  SendEscape(KEYEVENTF_KEYUP);
  Pump(20);
  bool seen = false;
  for (int i = 0; i < 100 && !seen; ++i, Sleep(1)) seen = EscapePressed();
  EXPECT_TRUE(seen);
}

TEST_F(ColourPasses, KeystrokePassColoursOneLineAndTypingStartsInTheTextColour) {
  pad().SetBW();
  pad().Rich1.Select(9, 0);  // after "[Version]": new typing would take the section colour
  pad().SetColourThisLine(1);
  EXPECT_EQ(TypingColour(), GetSysColor(COLOR_WINDOWTEXT));
  pad().Rich1.ReplaceSelection("z");
  EXPECT_EQ(Letters(0, 12), "SSSSSSSSS...");
  EXPECT_EQ(Letters(12, 10), "..........");  // the other lines keep what they had
  // The one-line set refuses a colon before "=": "a:b=c" gets no entry colour here.
  pad().Rich1.Select(0, 0);
  pad().Rich1.ReplaceSelection("a:b=c\r\n");
  pad().SetColourThisLine(1);
  EXPECT_EQ(Letters(0, 5), ".XXXX");
  // Lines outside the text, and the live-colouring flag at 0, change nothing.
  const std::string before = AllLetters();
  pad().SetColourThisLine(0);
  pad().SetColourThisLine(99);
  pad().Rich1.tag = 0;
  pad().SetBW();
  pad().SetColourThisLine(1);
  pad().Rich1.tag = 1;
  EXPECT_EQ(AllLetters(), std::string(before.size(), '.'));
}

// Pixels of the section colour's green on the screen around `position`.
int GreenPixelsAt(HWND rich, long position) {
  POINTL at{};
  SendMessageA(rich, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at), position);
  HDC dc = GetDC(rich);
  int green = 0;
  for (int x = at.x; x < at.x + 40; ++x)
    for (int y = at.y; y < at.y + 14; ++y) {
      const COLORREF c = GetPixel(dc, x, y);
      if (GetGValue(c) > 60 && GetRValue(c) < 60 && GetBValue(c) < 60) ++green;
    }
  ReleaseDC(rich, dc);
  return green;
}

TEST_F(ColourPasses, ScreenShowsAWholePassEvenWhenAKeystrokeFollowsAtOnce) {
  Load("C:\\work\\setup.inf", "k=v\r\n[Strings]\r\n");
  Pump(100);
  ASSERT_EQ(GreenPixelsAt(pad().Rich1.hwnd(), 5), 0);
  pad().SetColour();
  pad().SetColourThisLine(1);  // before the window had time to repaint
  Pump(100);
  EXPECT_GT(GreenPixelsAt(pad().Rich1.hwnd(), 5), 0);
}

TEST_F(ColourPasses, ScreenShowsTheLineAKeystrokeRecoloured) {
  Load("C:\\work\\setup.inf", "k=v\r\n[Strings]\r\n");
  pad().SetBW();
  Pump(100);
  ASSERT_EQ(GreenPixelsAt(pad().Rich1.hwnd(), 5), 0);
  pad().Rich1.Select(1, 0);
  pad().SetColourThisLine(2);
  Pump(100);
  EXPECT_GT(GreenPixelsAt(pad().Rich1.hwnd(), 5), 0);
  EXPECT_EQ(pad().Rich1.SelStart(), 1);  // the caret stayed on the first line
}

TEST_F(ColourPasses, UndoAfterAKeystrokeRecolourTakesBackTheTyping) {
  pad().SetColour();
  pad().Rich1.Select(9, 0);
  pad().Rich1.ReplaceSelection("x");
  pad().SetColourThisLine(1);
  pad().Rich1.Undo();
  EXPECT_EQ(pad().Rich1.Text(), kInf);
}

TEST_F(ColourPasses, KeystrokePassFindsTheTextLineWithWordWrapOn) {
  const std::string longLine = "; " + std::string(400, 'w');
  Load("C:\\work\\setup.inf", longLine + "\r\n[Strings]\r\n");
  Click("EditWrapItem");
  ASSERT_TRUE(pad().Item("EditWrapItem")->checked);
  pad().SetColourThisLine(2);
  EXPECT_EQ(Letters(static_cast<long>(longLine.size()) + 2, 9), "SSSSSSSSS");
  EXPECT_EQ(Letters(0, 5), ".....");
  Click("EditWrapItem");
}

TEST_F(ColourPasses, OverLongLineIsMarkedOnceInTheKeystrokePass) {
  const std::string line(520, 'q');
  Load("C:\\work\\setup.inf", "[a]\r\n" + line + "\r\n");
  pad().Rich1.Select(5 + 10, 0);  // the caret inside the long line keeps its character
  pad().Rich1.SetModified(false);
  pad().SetColourThisLine(2);
  const std::string marker = fMessage("REG_512_FIX");
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text, fMessage("REG_512_WARN"));
  EXPECT_EQ(pad().Rich1.Text(), "[a]\r\n" + marker + line + "\r\n");
  EXPECT_EQ(pad().Rich1.SelStart(), static_cast<long>(5 + 10 + marker.size()));
  EXPECT_FALSE(pad().Rich1.Modified());
  EXPECT_EQ(Letters(5, static_cast<long>(marker.size() + line.size())), std::string(marker.size() + line.size(), 'X'));
  pad().SetColourThisLine(2);
  pad().SetColour();
  EXPECT_EQ(boxes->shown.size(), 1u);  // marked lines begin with ":" and are not marked again
}

TEST_F(ColourPasses, WholePassMarksOverLongLinesAndKeepsTheCaretOnItsCharacter) {
  const std::string line(600, 'r');
  Load("C:\\work\\setup.inf", line + "\r\n[b]\r\n" + line);
  pad().Rich1.Select(static_cast<long>(line.size()) + 3, 2);  // "[b"
  pad().SetColour();
  EXPECT_EQ(boxes->shown.size(), 2u);
  const std::string marker = fMessage("REG_512_FIX");
  EXPECT_EQ(pad().Rich1.Text(), marker + line + "\r\n[b]\r\n" + marker + line);
  EXPECT_EQ(pad().Rich1.SelectedText(), "b]");
}

TEST_F(ColourPasses, TextGoesInAsOneStreamAndComesBackByteForByte) {
  std::string every;
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') every += static_cast<char>(b);
  const std::vector<ColourRange> ranges = {{0, 3, ColourRole::Section}};
  for (const UINT codePage : {static_cast<UINT>(CP_ACP), 437u}) {
    pad().Rich1.SetCodePage(codePage);
    for (const std::string& text : {every, every + "\r\n", "a\r\n\r\n" + every + "\r\n\r\n", std::string()}) {
      SCOPED_TRACE(std::to_string(codePage) + ": " + std::to_string(text.size()) + " bytes");
      EXPECT_TRUE(LoadColouredText(pad(), text, ranges));
      EXPECT_EQ(pad().Rich1.Text(), text);
    }
    // A lone LF or CR would come back as CR LF from a stream: painted range by range.
    const std::string lone = "[s]\nk=v\rx\r\n";
    EXPECT_FALSE(LoadColouredText(pad(), lone, {{0, 3, ColourRole::Section}, {4, 2, ColourRole::Entry}}));
    EXPECT_EQ(pad().Rich1.Text(), lone);
    EXPECT_EQ(Letters(0, 7), "SSS.EE.");
  }
  pad().Rich1.SetCodePage(CP_ACP);
}

// Printable ASCII with CR LF breaks is told by its length after the stream, not read
// back: on generated texts (RTF's own words and braces among them, empty lines, a last
// line with and without a break) the whole text still comes back.
TEST_F(ColourPasses, AStreamToldByItsLengthStillComesBackWhole) {
  const char* const pieces[] = {"a",     "Zz",      " ",    "\t",       "\\",  "{",       "}", "\\par ", "{\\rtf1 ",
                                "\\'e9", "\\u233?", "\r\n", "\r\n\r\n", "[s]", "k=\"v\"", ";", "~"};
  std::mt19937 random(16);
  for (int n = 0; n < 150; ++n) {
    std::string text;
    for (size_t count = random() % 40; count > 0; --count) text += pieces[random() % std::size(pieces)];
    ASSERT_TRUE(IsPrintableAsciiWithCrLf(text));
    const TextColouring colouring = ColourWholeText(text, DocKind::Inf, LongLineMarkerText());
    EXPECT_TRUE(LoadColouredText(pad(), colouring.text, colouring.ranges)) << testing::PrintToString(text);
    EXPECT_EQ(pad().Rich1.Text(), colouring.text);
  }
}

class ColourKinds : public ColourTest {
 protected:
  int KindOf(const std::string& name, const std::string& text) {
    Load(name, text);
    return pad().fGetDocKind();
  }
};

TEST_F(ColourKinds, FromTheNameAndWithoutExtensionFromTheText) {
  Mode("AffColorALL");
  EXPECT_EQ(KindOf("C:\\a\\setup.INF", ""), 1);
  EXPECT_EQ(KindOf("C:\\a\\win.ini", "[version]"), 2);
  EXPECT_EQ(KindOf("C:\\a\\x.reg", ""), 3);
  EXPECT_EQ(KindOf("C:\\a\\File_ID.DIZ", ""), 4);
  EXPECT_EQ(KindOf("C:\\a\\art.nfo", ""), 4);
  EXPECT_EQ(KindOf("C:\\a\\readme.txt", "[version]"), 5);    // content counts only without extension
  EXPECT_EQ(KindOf("C:\\a\\setup", "[Version]"), 5);         // case-sensitive
  EXPECT_EQ(KindOf("C:\\a.b\\setup", "x\r\n[version]"), 1);  // a dot in a folder is no extension
  EXPECT_EQ(KindOf("", "Windows Registry Editor Version 5.00\r\n"), 3);
  EXPECT_EQ(KindOf("", "x\r\nREGEDIT4"), 5);  // the header counts on the first line only
}

TEST_F(ColourKinds, KindReadFromTheTextProposesTheSaveFilter) {
  Mode("AffColorNO");  // filtered out, the side effect stays
  pad().saveDialogFilterIndex = 4;
  EXPECT_EQ(KindOf("", "REGEDIT4\r\n"), 0);
  EXPECT_EQ(pad().saveDialogFilterIndex, 2);
  EXPECT_EQ(KindOf("", "[version]\r\n"), 0);
  EXPECT_EQ(pad().saveDialogFilterIndex, 1);
  pad().saveDialogFilterIndex = 4;
  KindOf("C:\\a\\x.reg", "REGEDIT4\r\n");
  KindOf("", "plain");
  EXPECT_EQ(pad().saveDialogFilterIndex, 4);
}

TEST_F(ColourKinds, ModeFiltersTheKind) {
  const struct {
    const char* mode;
    int inf, ini, reg, art, other;
  } table[] = {{"AffColorINF", 1, 0, 0, 0, 0},
               {"AffColorIRI", 1, 2, 3, 0, 0},
               {"AffColorALL", 1, 2, 3, 4, 5},
               {"AffColorNO", 0, 0, 0, 0, 0}};
  for (const auto& row : table) {
    SCOPED_TRACE(row.mode);
    Mode(row.mode);
    EXPECT_EQ(KindOf("a.inf", ""), row.inf);
    EXPECT_EQ(KindOf("a.ini", ""), row.ini);
    EXPECT_EQ(KindOf("a.reg", ""), row.reg);
    EXPECT_EQ(KindOf("a.nfo", ""), row.art);
    EXPECT_EQ(KindOf("a.txt", ""), row.other);
  }
}

TEST_F(ColourKinds, ModeCommandsCheckOneEntryAndRecolour) {
  Load("C:\\a\\win.ini", "[s]\r\nk=v\r\n");
  const char* const entries[] = {"AffColorINF", "AffColorIRI", "AffColorALL", "AffColorNO"};
  auto checked = [&] {
    std::string which;
    for (const char* entry : entries)
      if (pad().Item(entry)->checked) which += entry;
    return which;
  };
  // "[s]" and "k=v": the line breaks between them are not looked at.
  auto lines = [&] { return Letters(0, 3) + "|" + Letters(5, 3); };
  Click("AffColorIRI");
  EXPECT_EQ(checked(), "AffColorIRI");
  EXPECT_EQ(lines(), "SSS|EE.");
  Click("AffColorINF");  // an INI file is not coloured in this mode
  EXPECT_EQ(checked(), "AffColorINF");
  EXPECT_EQ(lines(), "...|...");
  Click("AffColorALL");
  EXPECT_EQ(lines(), "SSS|EE.");
  // Typing recolours nothing in a mode that refuses the kind: the colours stay.
  Mode("AffColorINF");
  pad().SetBW();
  Mode("AffColorALL");
  pad().SetColour();
  Mode("AffColorINF");
  pad().SetColourThisLine(2);
  EXPECT_EQ(lines(), "SSS|EE.");
  // Refresh makes it black and white.
  Click("EditF5");
  EXPECT_EQ(lines(), "...|...");
  Click("AffColorALL");
  Click("AffColorNO");
  EXPECT_EQ(checked(), "AffColorNO");
  EXPECT_EQ(lines(), "...|...");
}

TEST_F(ColourKinds, NewUnnamedRegTextIsColouredAsReg) {
  Mode("AffColorIRI");
  Load("", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"b\"\r\n@=\"c\"\r\n");
  pad().SetColour();
  EXPECT_EQ(Letters(0, 8), "EEEEEEEE");
  EXPECT_EQ(Letters(35, 7), ".......");  // a quoted name gets no entry colour
  EXPECT_EQ(Letters(44, 2), "EE");       // the default value does
  EXPECT_EQ(pad().saveDialogFilterIndex, 2);
}

}  // namespace
}  // namespace varnock::test
