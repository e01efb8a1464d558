// Title, status panels and keys of the text control.
#include "tests/win/harness.h"

#include <commctrl.h>

#include "win/i18n/message.h"

namespace varnock::test {
namespace {

class Surroundings : public FormTest {
 protected:
  void Key(WPARAM key) {
    SendMessageA(pad().Rich1.hwnd(), WM_KEYDOWN, key, 0);
    SendMessageA(pad().Rich1.hwnd(), WM_KEYUP, key, 0xC0000001);
  }
  void Type(char c) { SendMessageA(pad().Rich1.hwnd(), WM_CHAR, static_cast<unsigned char>(c), 0); }
  WORD PanelStyle(int index) {
    char text[256];
    return HIWORD(SendMessageA(pad().StatusLine.hwnd(), SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text)));
  }
  void ClickPanel(int index) {
    int x = 0;
    for (int i = 0; i < index; ++i) x += pad().StatusLine.Panel(i).width;
    pad().StatusLineMouseDown(x + 5);
    Pump(20);
  }
};

TEST_F(Surroundings, LineAndColumnAtLineStartsEndsAndTheEndOfTheText) {
  pad().Rich1.SetText("ab\r\ncde\r\n");
  const struct {
    long at;
    int line, col;
  } cases[] = {{0, 1, 0}, {2, 1, 2}, {4, 2, 0}, {7, 2, 3}, {9, 3, 0}};
  for (const auto& c : cases) {
    pad().Rich1.Select(c.at, 0);
    Pump();
    EXPECT_EQ(pad().fGetLineNB(), c.line) << c.at;
    EXPECT_EQ(pad().fGetColNB(), c.col) << c.at;
    EXPECT_EQ(PanelText(kPanelCaret), "Line " + std::to_string(c.line) + "  Col " + std::to_string(c.col));
  }
  pad().Rich1.SetText("");
  EXPECT_EQ(pad().fGetLineNB(), 1);
  EXPECT_EQ(pad().fGetColNB(), 1);
}

// Dark pixels of a status panel as the screen holds them.
int DarkPixelsOf(HWND bar, int panel) {
  RECT part{};
  SendMessageA(bar, SB_GETRECT, static_cast<WPARAM>(panel), reinterpret_cast<LPARAM>(&part));
  HDC dc = GetDC(bar);
  int dark = 0;
  for (int x = part.left; x < part.right; ++x)
    for (int y = part.top; y < part.bottom; ++y) {
      const COLORREF c = GetPixel(dc, x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 200) ++dark;
    }
  ReleaseDC(bar, dc);
  return dark;
}

// A new panel text is drawn before SetText returns, nothing left pending, and drawn as
// the bar's own paint draws it.
TEST_F(Surroundings, APanelShowsItsNewTextAtOnceAsTheBarPaintsIt) {
  const HWND bar = pad().StatusLine.hwnd();
  Pump(50);
  std::vector<int> drawn;
  for (const char* text : {"Line 1  Col 1", "Line 88888  Col 88888", ""}) {
    pad().StatusLine.SetText(kPanelCaret, text);
    EXPECT_FALSE(GetUpdateRect(bar, nullptr, FALSE)) << text;
    drawn.push_back(DarkPixelsOf(bar, kPanelCaret));
    InvalidateRect(bar, nullptr, TRUE);
    UpdateWindow(bar);
    EXPECT_EQ(DarkPixelsOf(bar, kPanelCaret), drawn.back()) << text;
    EXPECT_EQ(PanelText(kPanelCaret), text);
  }
  EXPECT_GT(drawn[1], drawn[0]);
  EXPECT_GT(drawn[0], drawn[2]);
}

// The bar draws texts it does not hold: every way of reading them still gives them,
// with the panel's bevel as the type.
TEST_F(Surroundings, PanelTextsReadBackEveryWay) {
  const HWND bar = pad().StatusLine.hwnd();
  pad().StatusLine.SetText(kPanelHint, "Caf\xE9 ready");
  pad().StatusLine.SetBevel(kPanelInsert, Bevel::Raised);
  wchar_t wide[64] = L"";
  const LRESULT got = SendMessageW(bar, SB_GETTEXTW, kPanelHint, reinterpret_cast<LPARAM>(wide));
  EXPECT_EQ(std::wstring(wide), L"Caf\u00E9 ready");
  EXPECT_EQ(got, MAKELRESULT(10, 0));
  EXPECT_EQ(SendMessageW(bar, SB_GETTEXTLENGTHW, kPanelInsert, 0), MAKELRESULT(4, SBT_POPOUT));
  EXPECT_EQ(SendMessageA(bar, SB_GETTEXTLENGTHA, kPanelInsert, 0), MAKELRESULT(4, SBT_POPOUT));
  char narrow[64] = "";
  EXPECT_EQ(GetWindowTextA(bar, narrow, sizeof narrow), 10);  // the first panel's
  EXPECT_STREQ(narrow, "Caf\xE9 ready");
  EXPECT_EQ(GetWindowTextW(bar, wide, 4), 3);  // cut to the room given
  EXPECT_EQ(std::wstring(wide), L"Caf");
  EXPECT_EQ(GetWindowTextLengthW(bar), 10);
}

// The title puts the focus back into the text; whether it is there is known from the
// control's own focus messages, through a new control window too.
TEST_F(Surroundings, TheTextKnowsWhetherItHasTheFocus) {
  RichEdit& rich = pad().Rich1;
  SetFocus(rich.hwnd());
  EXPECT_TRUE(rich.HasFocus());
  SetFocus(pad().StatusLine.hwnd());
  EXPECT_FALSE(rich.HasFocus());
  pad().SetTitle();
  EXPECT_EQ(GetFocus(), rich.hwnd());
  EXPECT_TRUE(rich.HasFocus());
  rich.SetText(std::string(100, 'a'));
  ASSERT_TRUE(rich.Renew());
  EXPECT_EQ(GetFocus(), rich.hwnd());
  EXPECT_TRUE(rich.HasFocus());
}

TEST_F(Surroundings, TabInsertsBlanksToTheNextStopOfFour) {
  Key(VK_TAB);
  EXPECT_EQ(pad().Rich1.Text(), "   ");  // an empty text reports column 1
  pad().Rich1.SetText("");
  pad().Rich1.ReplaceSelection("x");
  pad().Rich1.Select(0, 0);
  Key(VK_TAB);
  EXPECT_EQ(pad().Rich1.Text(), "    x");
  pad().Rich1.SetText("abcde");
  pad().Rich1.Select(5, 0);
  Key(VK_TAB);
  EXPECT_EQ(pad().Rich1.Text(), "abcde   ");
  pad().Rich1.SetText("abcdef");
  pad().Rich1.Select(1, 3);  // a selection is replaced by the blanks
  Key(VK_TAB);
  EXPECT_EQ(pad().Rich1.Text(), "a   ef");
  EXPECT_EQ(pad().Rich1.SelLength(), 0);
}

TEST_F(Surroundings, InsertPanelTogglesOverwriteAndTypingReplaces) {
  EXPECT_EQ(PanelText(kPanelInsert), "\tINS");
  ClickPanel(kPanelInsert);
  EXPECT_EQ(PanelText(kPanelInsert), "\tOVR");
  EXPECT_EQ(PanelStyle(kPanelInsert) & SBT_POPOUT, SBT_POPOUT);
  pad().Rich1.SetText("abc\r\nd");
  pad().Rich1.Select(1, 0);
  Type('X');
  Type('Y');
  Type('Z');  // at the line end: inserted, the line break is kept
  EXPECT_EQ(pad().Rich1.Text(), "aXYZ\r\nd");
  ClickPanel(kPanelInsert);
  EXPECT_EQ(PanelText(kPanelInsert), "\tINS");
  EXPECT_EQ(PanelStyle(kPanelInsert) & SBT_POPOUT, 0);
  pad().Rich1.Select(0, 0);
  Type('Q');
  EXPECT_EQ(pad().Rich1.Text(), "QaXYZ\r\nd");
}

TEST_F(Surroundings, TitleAndSizeFollowTheText) {
  EXPECT_EQ(Title(), "Varnock v2.9.2 - ");
  pad().Rich1.ReplaceSelection(std::string(2048, 'k'));
  Pump();
  EXPECT_EQ(Title(), "Varnock v2.9.2 -  (not saved)");
  EXPECT_EQ(PanelText(kPanelMessage), " 2 Kb");
  EXPECT_TRUE(pad().Item("EditUndoItem")->enabled);
  EXPECT_TRUE(boxes->shown.empty());
  pad().Rich1.ReplaceSelection(std::string(63484, 'k'));  // 65,532 characters
  Pump();
  ASSERT_FALSE(boxes->shown.empty());
  EXPECT_EQ(boxes->shown.back().text, fMessage("FILE_BIG") + "65532");
  EXPECT_EQ(boxes->shown.back().type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
}

TEST_F(Surroundings, TimedMessageGivesWayToTheSize) {
  pad().Rich1.SetText(std::string(3000, 'z'));
  pad().ShowTimedStatus("File saved.");
  EXPECT_EQ(PanelText(kPanelMessage), "File saved.");
  pad().SetTitle();  // a refresh without a change of the text keeps the message
  EXPECT_EQ(PanelText(kPanelMessage), "File saved.");
  pad().Timer1Timer();
  EXPECT_EQ(PanelText(kPanelMessage), " 2 Kb");
  pad().ShowTimedStatus("File saved.");
  pad().Rich1.ReplaceSelection("z");  // typing shows the new size at once
  EXPECT_EQ(PanelText(kPanelMessage), " 2 Kb");
}

TEST_F(Surroundings, CommandsFollowTheExtension) {
  auto enabled = [&](const char* name) { return pad().Item(name)->enabled; };
  pad().Item("AffOptRunInf")->checked = false;
  pad().saveDialogFileName = "C:\\x\\setup.INF";
  pad().SetTitle();
  EXPECT_TRUE(enabled("AffTestItem"));
  EXPECT_TRUE(enabled("AffStrings"));
  EXPECT_FALSE(enabled("AffRegFus"));
  pad().saveDialogFileName = "C:\\x\\merge.reg";
  pad().SetTitle();
  EXPECT_FALSE(enabled("AffTestItem"));
  EXPECT_FALSE(enabled("AffStrings"));
  EXPECT_TRUE(enabled("AffRegFus"));
  EXPECT_TRUE(enabled("AffExeItem"));  // the custom launcher option is off
  pad().Item("AffOptRunInf")->checked = true;
  pad().SetTitle();
  EXPECT_FALSE(enabled("AffExeItem"));
}

TEST_F(Surroundings, TestAndRegButtonsFollowTheExtensionOnBothBars) {
  pad().saveDialogFileName = "C:\\x\\notes.txt";
  pad().SetTitle();
  for (const char* name : {"ToolButtonTest", "ToolButtonReg"}) EXPECT_FALSE(pad().ToolBar.ButtonEnabled(name));
  for (const char* name : {"ToolButtonTestSmall", "ToolButtonRegSmall"})
    EXPECT_FALSE(pad().ToolBarSmall.ButtonEnabled(name));
  pad().saveDialogFileName = "C:\\x\\setup.Inf";
  pad().SetTitle();
  for (const char* name : {"ToolButtonTest", "ToolButtonReg"}) EXPECT_TRUE(pad().ToolBar.ButtonEnabled(name));
  for (const char* name : {"ToolButtonTestSmall", "ToolButtonRegSmall"})
    EXPECT_TRUE(pad().ToolBarSmall.ButtonEnabled(name));
}

TEST_F(Surroundings, SortAndJoinNeedASelectionOverTwoLines) {
  pad().Rich1.SetText("b\r\na\r\n");
  pad().Rich1.Select(0, 1);
  Pump();
  EXPECT_FALSE(pad().Item("EditSort1")->enabled);
  pad().Rich1.Select(0, 4);
  Pump();
  EXPECT_TRUE(pad().Item("EditSort1")->enabled);
  EXPECT_TRUE(pad().Item("EditJoin")->enabled);
  EXPECT_EQ(pad().fGetMultiLine(0), 2);
}

}  // namespace
}  // namespace varnock::test
