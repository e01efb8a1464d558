// The line commands and inserts from their menu entries, on the real text control.
#include "tests/win/edit_test_support.h"

#include <richedit.h>

#include <algorithm>

#include "core/display/font_mode.h"
#include "core/edit/line_transforms.h"

namespace varnock::test {
namespace {

using EditLines = EditTest;

// Lines 1..6; line 3 starts at 8, line 6 at 26. Positions 10..26 run from the middle of
// line 3 to the start of line 6.
const std::string kFruit = "L1\r\nL2\r\npear\r\nApple\r\nfig\r\ntail\r\n";

TEST_F(EditLines, SortsWorkOnLines3To5OfASelectionEndingAtTheStartOfLine6) {
  Load(kFruit, 10, 16);
  Click("EditSort1");
  EXPECT_EQ(Text(), "L1\r\nL2\r\nApple\r\nfig\r\npear\r\ntail\r\n");
  EXPECT_EQ(Selected(), Sel(8, 18));  // the sorted lines with their breaks

  Load(kFruit, 10, 16);
  Click("EditSort2");
  EXPECT_EQ(Text(), "L1\r\nL2\r\npear\r\nfig\r\nApple\r\ntail\r\n");
}

TEST_F(EditLines, AscendingUsesTheLocaleOrderDescendingThePlainOne) {
  // The locale's word order passes over the hyphen; the plain byte order puts it first.
  const std::string lines = "b\r\na-c\r\nab\r\n";
  Load(lines, 0, static_cast<long>(lines.size()));
  Click("EditSort1");
  EXPECT_EQ(Text(), "ab\r\na-c\r\nb\r\n");
  Load(lines, 0, static_cast<long>(lines.size()));
  Click("EditSort2");
  EXPECT_EQ(Text(), "b\r\nab\r\na-c\r\n");
}

TEST_F(EditLines, SortsNeedTwoLinesAndHandleEmptyLines) {
  Load(kFruit, 9, 2);  // inside line 3 only
  Click("EditSort1");
  EXPECT_EQ(Text(), kFruit);
  EXPECT_EQ(Selected(), Sel(8, 4));  // widened to the line all the same

  const std::string text = "b\r\n\r\na\r\nend";
  Load(text, 0, 8);
  Click("EditSort1");
  EXPECT_EQ(Text(), "\r\na\r\nb\r\nend");  // the empty line first, kept
  Load(text, 0, 8);
  Click("EditSort2");
  EXPECT_EQ(Text(), "b\r\na\r\nend");  // the empty line last, trimmed away
}

TEST_F(EditLines, JoinOfAEmptyLineAndBGivesTwoBlanks) {
  Load("a\r\n\r\nb\r\nrest", 0, 6);
  Click("EditJoin");
  EXPECT_EQ(Text(), "a  b\r\nrest");
  EXPECT_EQ(Selected(), Sel(0, 4));
  Click("EditJoin");  // one line left in the selection: nothing to join
  EXPECT_EQ(Text(), "a  b\r\nrest");
}

TEST_F(EditLines, IndentAndUnindentWorkOnTheCaretLineButNotInColumn1) {
  Load("\t  x\r\nnext", 2);
  Click("EditIndent2");
  EXPECT_EQ(Text(), "x\r\nnext");

  Load("one\r\ntwo", 5);  // column 1 of line 2, nothing selected
  Click("EditIndent1");
  EXPECT_EQ(Text(), "one\r\ntwo");
  Load("one\r\ntwo", 6);
  Click("EditIndent1");
  EXPECT_EQ(Text(), "one\r\n  two");
}

TEST_F(EditLines, IndentOfASelectionEndingOnAnEmptyLineKeepsItEmpty) {
  Load("a\r\n\r\nz", 0, 3);  // line 1 and the empty line 2
  Click("EditIndent1");
  EXPECT_EQ(Text(), "  a\r\n\r\nz");
}

// The width the split works to, from the control as the user sees it.
int ControlWidth(TFormPad& pad) {
  RECT r{};
  GetWindowRect(pad.Rich1.hwnd(), &r);
  return r.right - r.left;
}

TEST_F(EditLines, SplitCutsALineOfExactlyTheWidthAtItsLastBlank) {
  const int w = ControlWidth(pad());
  const auto width = static_cast<std::size_t>(SplitWidth(FontMode::Default, "", w));
  ASSERT_EQ(width, static_cast<std::size_t>(std::max(w / 8 - 3, 40)));
  const std::string head(width - 5, 'x');
  Load(head + " yyyy", 1);
  Click("EditSplit");
  EXPECT_EQ(Text(), head + "\r\nyyyy");

  const std::string solid(100, 'z');  // no blank: stays whole
  Load(solid, 1);
  Click("EditSplit");
  EXPECT_EQ(Text(), solid);
}

TEST_F(EditLines, SplitWidthFollowsTheCheckedFontMode) {
  pad().Item("SubANSI")->CheckRadio();
  const auto narrow = static_cast<std::size_t>(std::max(ControlWidth(pad()) / 5 - 5, 40));
  const std::string head(narrow - 5, 'x');
  // No blank within the default mode's narrower width: only the ANSI width splits.
  ASSERT_GT(head.size(), static_cast<std::size_t>(SplitWidth(FontMode::Default, "", ControlWidth(pad()))));
  Load(head + " yyyy", 1);
  Click("EditSplit");
  EXPECT_EQ(Text(), head + "\r\nyyyy");
}

TEST_F(EditLines, UnderlineGoesBelowTheLineOfTheSelectionEnd) {
  Load("abc\r\nde", 5);  // column 1 of line 2: underlines line 1
  Click("ToolInsert_1");
  EXPECT_EQ(Text(), "abc\r\n\xAF\xAF\xAF\r\nde");
  EXPECT_EQ(Selected(), Sel(10, 0));

  Load("abc\r\nde", 7);  // a last line without a break is ended first
  Click("ToolInsert_1");
  EXPECT_EQ(Text(), "abc\r\nde\r\n\xAF\xAF\r\n");

  Load("", 0);  // no line: nothing to underline
  Click("ToolInsert_1");
  EXPECT_EQ(Text(), "");
}

TEST_F(EditLines, RegHeaderGoesToTheTopWithoutRecolouring) {
  Load("[HKEY_CURRENT_USER\\X]", 5);
  pad().recolourPending = false;
  Click("ToolInsert_2");
  EXPECT_EQ(Text(), "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\X]");
  EXPECT_EQ(Selected(), Sel(40, 0));
  EXPECT_FALSE(pad().recolourPending);
}

TEST_F(EditLines, RegHeaderIsOneUndoStep) {
  Load("[HKEY_CURRENT_USER\\X]");
  pad().Rich1.EmptyUndo();
  Click("ToolInsert_2");
  Click("EditUndoItem");
  EXPECT_EQ(Text(), "[HKEY_CURRENT_USER\\X]");
}

COLORREF ColourAt(RichEdit& rich, long position) {
  rich.Select(position, 1);
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(rich.hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
  return format.crTextColor;
}

TEST_F(EditLines, TheRecolouringSeesTheNewLines) {
  // The whole text selected: the lines replaced stop before the final break, so the
  // selection moves before the replacement, and that move must not recolour yet.
  // Over 200 rows, so that replacing the text makes a new control window.
  std::string rest;
  for (int i = 0; i < 200; ++i) rest += "z=1\r\n";
  const std::string text = "x=1\r\n[a]\r\n" + rest;
  pad().saveDialogFileName = TestFolder() + "sorted.inf";  // an INF document is coloured
  Load(text);
  pad().SetColour();
  ASSERT_NE(ColourAt(pad().Rich1, 0), ColourAt(pad().Rich1, 5));  // an entry and a section
  const COLORREF entry = ColourAt(pad().Rich1, 0);
  const COLORREF section = ColourAt(pad().Rich1, 5);

  pad().Rich1.Select(0, static_cast<long>(text.size()));
  const HWND replaced = pad().Rich1.hwnd();
  Click("EditSort1");
  ASSERT_EQ(Text(), "[a]\r\nx=1\r\n" + rest);
  EXPECT_FALSE(pad().recolourPending);
  EXPECT_EQ(ColourAt(pad().Rich1, 0), section);
  EXPECT_EQ(ColourAt(pad().Rich1, 5), entry);
  // The recolouring ran inside the old control's own replacement, which sent the
  // selection change: that control was hidden then, and goes only once it is done.
  EXPECT_NE(pad().Rich1.hwnd(), replaced);
  EXPECT_TRUE(IsWindow(replaced));
  EXPECT_FALSE(IsWindowVisible(replaced));
  // A character the system had already addressed to it reaches the new control.
  pad().Rich1.Select(0, 0);
  SendMessageA(replaced, WM_CHAR, 'z', 0x00000001);
  EXPECT_EQ(Text(), "z[a]\r\nx=1\r\n" + rest);
  Pump(50);
  EXPECT_FALSE(IsWindow(replaced));
  EXPECT_EQ(FindWindowExA(pad().hwnd(), nullptr, "RICHEDIT", nullptr), pad().Rich1.hwnd());
}

}  // namespace
}  // namespace varnock::test
