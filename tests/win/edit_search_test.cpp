// Find and replace through the system's dialogs and the search menu.
#include "tests/win/edit_test_support.h"

#include <commdlg.h>
#include <dlgs.h>
#include <richedit.h>

#include <algorithm>

#include "core/edit/search_commands.h"
#include "win/i18n/message.h"

namespace varnock::test {
namespace {

// Status panel 0's text as the window set it (the bar shows the message's CR as a blank).
class EditSearch : public EditTest {
 protected:
  std::string HintPanel() { return pad().StatusLine.Panel(kPanelHint).text; }
};

// The dialog as the user fills it in.
void Type(HWND dialog, int id, const std::string& text) { SetDlgItemTextA(dialog, id, text.c_str()); }
void Check(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }
void Press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

std::string Typed(HWND dialog, int id) {
  char text[256] = "";
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

// The window's top-left corner is where the dialog was to go.
::testing::AssertionResult At(HWND window, DialogPosition place) {
  RECT r{};
  GetWindowRect(window, &r);
  if (r.left == place.x && r.top == place.y) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "at " << r.left << "," << r.top << " instead of " << place.x << ","
                                       << place.y;
}

// Where the dialogs are to go, from the window's and the control's rectangles.
DialogPosition Expected(TFormPad& pad, DialogPosition (*place)(int, int, int)) {
  RECT window{};
  RECT control{};
  GetWindowRect(pad.hwnd(), &window);
  GetWindowRect(pad.Rich1.hwnd(), &control);
  return place(control.right - control.left, window.left, window.top);
}

TEST_F(EditSearch, FindStartsAfterTheSelectionAndNeverWrapsAround) {
  Load("ab [Version] ab version", 0, 2);
  pad().FindDialog.SetSearchText("version");
  Click("FindNextItem");
  EXPECT_EQ(Selected(), Sel(4, 7));  // case ignored: "[Version]" holds it
  Click("FindNextItem");
  EXPECT_EQ(Selected(), Sel(16, 7));  // not the same word again in place
  EXPECT_TRUE(beeps.empty());

  const std::string before = Text();
  Click("FindNextItem");  // past the last match: no wrap-around
  EXPECT_EQ(Selected(), Sel(16, 7));
  EXPECT_EQ(Text(), before);
  EXPECT_EQ(beeps, std::vector<UINT>{MB_ICONEXCLAMATION});
  EXPECT_EQ(HintPanel(), fMessage("SEARCH_NOT_FOUND"));
  EXPECT_FALSE(pad().FindDialog.IsOpen());
}

TEST_F(EditSearch, FindDialogButtonSearchesWithItsOptions) {
  Load("INFO x.INF, y", 0);
  Click("FindItem");
  const HWND dialog = pad().FindDialog.hwnd();
  ASSERT_NE(dialog, nullptr);
  Type(dialog, edt1, "INF");
  Check(dialog, chx1, true);  // whole word
  Press(dialog, IDOK);
  EXPECT_EQ(Selected(), Sel(7, 3));
  EXPECT_EQ(GetFocus(), pad().Rich1.hwnd());

  Load("INF x", 0);  // a whole word at the very start of the text
  Press(dialog, IDOK);
  EXPECT_EQ(Selected(), Sel(0, 3));

  Check(dialog, chx1, false);
  Check(dialog, chx2, true);  // match case
  Type(dialog, edt1, "inf");
  Press(dialog, IDOK);
  EXPECT_EQ(Selected(), Sel(0, 3));  // unchanged: not found
  EXPECT_EQ(beeps.size(), 1u);
  EXPECT_EQ(HintPanel(), fMessage("SEARCH_NOT_FOUND"));

  Type(dialog, edt1, "x");
  Press(dialog, IDOK);  // found again: the message goes
  EXPECT_EQ(Selected(), Sel(4, 1));
  EXPECT_EQ(HintPanel(), "");
}

TEST_F(EditSearch, DialogsOpenWhereTheWindowSaysAndHandTheirTextOver) {
  pad().FindDialog.SetSearchText("alpha");
  Click("FindItem");
  ASSERT_TRUE(pad().FindDialog.IsOpen());
  const DialogPosition find = Expected(pad(), FindDialogPlace);
  EXPECT_TRUE(At(pad().FindDialog.hwnd(), find));
  EXPECT_EQ(pad().ReplaceDialog.SearchText(), "alpha");

  // The replace dialog opens with its own text, which the open find dialog then shows.
  pad().ReplaceDialog.SetSearchText("beta");
  Click("ReplaceItem");
  ASSERT_TRUE(pad().ReplaceDialog.IsOpen());
  const DialogPosition replace = Expected(pad(), ReplaceDialogPlace);
  EXPECT_TRUE(At(pad().ReplaceDialog.hwnd(), replace));
  EXPECT_EQ(Typed(pad().ReplaceDialog.hwnd(), edt1), "beta");
  EXPECT_EQ(Typed(pad().FindDialog.hwnd(), edt1), "beta");

  // Showing an open dialog again is no opening: nothing is copied.
  Type(pad().FindDialog.hwnd(), edt1, "gamma");
  Click("FindItem");
  EXPECT_EQ(Typed(pad().ReplaceDialog.hwnd(), edt1), "beta");
}

TEST_F(EditSearch, FindNextWithNoSearchTextOpensTheFindDialog) {
  Load("text", 1);
  Click("FindNextItem");
  ASSERT_TRUE(pad().FindDialog.IsOpen());
  const DialogPosition at = Expected(pad(), FindNextDialogPlace);
  EXPECT_TRUE(At(pad().FindDialog.hwnd(), at));
  EXPECT_TRUE(beeps.empty());
  EXPECT_EQ(Selected(), Sel(1, 0));

  // What is typed in the open dialog is what F3 looks for.
  Type(pad().FindDialog.hwnd(), edt1, "t");
  Click("FindNextItem");
  EXPECT_EQ(Selected(), Sel(3, 1));
}

TEST_F(EditSearch, ClosingTheFindDialogClearsTheMessageAndKeepsItsText) {
  Load("abc", 3);
  Click("FindItem");
  const HWND dialog = pad().FindDialog.hwnd();
  Type(dialog, edt1, "zzz");
  Check(dialog, chx2, true);
  Press(dialog, IDOK);
  ASSERT_EQ(HintPanel(), fMessage("SEARCH_NOT_FOUND"));
  Type(dialog, edt1, "typed, not searched");
  Press(dialog, IDCANCEL);
  Pump();
  EXPECT_FALSE(pad().FindDialog.IsOpen());
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(HintPanel(), "");
  EXPECT_EQ(pad().FindDialog.SearchText(), "typed, not searched");
  EXPECT_TRUE(pad().FindDialog.MatchCase());

  Click("FindItem");  // opens again as it was left
  EXPECT_EQ(Typed(pad().FindDialog.hwnd(), edt1), "typed, not searched");
  EXPECT_EQ(IsDlgButtonChecked(pad().FindDialog.hwnd(), chx2), static_cast<UINT>(BST_CHECKED));
}

TEST_F(EditSearch, ReplaceFirstSelectsTheMatchThenReplacesIt) {
  Load("xa ya", 0);
  const HWND dialog = OpenReplaceDialog(pad(), "A", "bc");
  Press(dialog, psh1);  // the selection is not the search text: only find
  EXPECT_EQ(Text(), "xa ya");
  EXPECT_EQ(Selected(), Sel(1, 1));

  Press(dialog, psh1);  // "a" differs from "A": compared exactly, so again only find
  EXPECT_EQ(Text(), "xa ya");
  EXPECT_EQ(Selected(), Sel(4, 1));

  Type(dialog, edt1, "a");
  Press(dialog, psh1);
  EXPECT_EQ(Text(), "xa ybc");
  EXPECT_EQ(Selected(), Sel(4, 2));
  EXPECT_TRUE(beeps.empty());
  EXPECT_EQ(HintPanel(), "");

  Press(dialog, IDOK);  // find next from the replace dialog: nothing left
  EXPECT_EQ(Selected(), Sel(4, 2));
  EXPECT_EQ(beeps.size(), 1u);
}

TEST_F(EditSearch, ReplaceAllOfAByAaEndsAfterTheLastOne) {
  Load("a b a\r\nca", 2);
  const HWND dialog = OpenReplaceDialog(pad(), "a", "aa");
  Press(dialog, psh2);
  EXPECT_EQ(Text(), "a b aa\r\ncaa");  // from the caret on only
  EXPECT_EQ(Selected(), Sel(9, 2));
  EXPECT_EQ(beeps.size(), 1u);  // it always ends not finding any more
  EXPECT_EQ(HintPanel(), fMessage("SEARCH_NOT_FOUND"));

  pad().Rich1.EmptyUndo();
  Load("one two", 0);
  Type(dialog, edt1, "none");
  Press(dialog, psh2);
  EXPECT_EQ(Text(), "one two");
  EXPECT_EQ(Selected(), Sel(0, 0));
}

TEST_F(EditSearch, ReplaceAcceptsTheSelectedWholeWord) {
  Load("cat scat cat", 0, 3);
  const HWND dialog = OpenReplaceDialog(pad(), "cat", "dog");
  Check(dialog, chx1, true);
  Press(dialog, psh1);
  EXPECT_EQ(Text(), "dog scat cat");
  Press(dialog, psh1);  // "dog" is selected now: finds the next whole "cat"
  EXPECT_EQ(Selected(), Sel(9, 3));
  Press(dialog, psh1);
  EXPECT_EQ(Text(), "dog scat dog");
}

// Records the live-colouring flag at every selection change the main window hears of.
struct TagRecorder {
  static inline RichEdit* rich = nullptr;
  static inline WNDPROC original = nullptr;
  static inline std::vector<int> tags;
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY) {
      const auto* header = reinterpret_cast<const NMHDR*>(lp);
      if (header->hwndFrom == rich->hwnd() && header->code == EN_SELCHANGE) tags.push_back(rich->tag);
    }
    return CallWindowProcA(original, hwnd, msg, wp, lp);
  }
  explicit TagRecorder(TFormPad& pad) : window(pad.hwnd()) {
    rich = &pad.Rich1;
    tags.clear();
    original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TagRecorder::Procedure)));
  }
  ~TagRecorder() { SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original)); }
  HWND window;
};

TEST_F(EditSearch, SearchesRunWithLiveColouringOff) {
  Load("a b a b", 0);
  const HWND dialog = OpenReplaceDialog(pad(), "b", "c");
  const TagRecorder recorder(pad());
  Press(dialog, IDOK);
  Press(dialog, psh1);
  Press(dialog, psh2);
  ASSERT_EQ(Text(), "a c a c");
  ASSERT_FALSE(TagRecorder::tags.empty());
  EXPECT_EQ(std::count(TagRecorder::tags.begin(), TagRecorder::tags.end(), 1), 0);
  EXPECT_EQ(pad().Rich1.tag, 1);
}

TEST_F(EditSearch, ForeignNotificationsAreIgnored) {
  Load("aaa", 0);
  pad().FindDialog.SetSearchText("a");
  char what[8] = "a";
  FINDREPLACEA foreign{};
  foreign.lStructSize = sizeof foreign;
  foreign.Flags = FR_FINDNEXT;
  foreign.lpstrFindWhat = what;
  foreign.wFindWhatLen = sizeof what;
  SendMessageA(pad().hwnd(), TFormPad::FindReplaceMessage(), 0, reinterpret_cast<LPARAM>(&foreign));
  EXPECT_EQ(Selected(), Sel(0, 0));
  EXPECT_TRUE(beeps.empty());
}

TEST_F(EditSearch, DialogKeysGoToAnOpenDialog) {
  Click("FindItem");
  MSG tab{pad().FindDialog.hwnd(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_TRUE(pad().PreTranslateMessage(tab));
  MSG other{pad().Rich1.hwnd(), WM_KEYDOWN, 'A', 0, 0, {}};
  EXPECT_FALSE(pad().PreTranslateMessage(other));
}

}  // namespace
}  // namespace varnock::test
