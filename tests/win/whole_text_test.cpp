// Whole texts loaded into a new control window: the window keeps its set-up, and the
// line commands and replace-all that rewrite most of a long document go that way with
// the same result, colours and undo as a replacement in place.
#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>

#include "core/edit/line_commands.h"
#include "tests/win/colour_test_support.h"
#include "tests/win/edit_test_support.h"
#include "win/edit/locale_text.h"
#include "win/platform/rich_format.h"
#include "win/platform/sound.h"

namespace varnock::test {
namespace {

class WholeText : public ColourTest {
 protected:
  void SetUp() override {
    ColourTest::SetUp();
    SetBeepHook([](UINT) {});
  }
  void TearDown() override {
    SetBeepHook(nullptr);
    ColourTest::TearDown();
  }
};

// `lines` INF lines in falling key order, with a section header and a comment among them.
std::string LongInf(int lines) {
  std::string text;
  char line[64];
  for (int i = lines; i > 0; --i) {
    if (i % 500 == 0) std::snprintf(line, sizeof line, "[Section%05d]\r\n", i);
    else if (i % 7 == 0) std::snprintf(line, sizeof line, "; note %05d\r\n", i);
    else std::snprintf(line, sizeof line, "key%05d=value %d\r\n", i, i);
    text += line;
  }
  return text;
}

RECT PlaceInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string DefaultFace(HWND rich) {
  CHARFORMATA format{};
  format.cbSize = sizeof format;
  SendMessageA(rich, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
  return format.szFaceName;
}

// Emptying a long text is what costs under Wine: only a text of more than 200 rows is
// dropped with its window; a short one is deleted in place.
TEST_F(WholeText, OnlyALongTextIsDroppedWithItsWindow) {
  RichEdit& rich = pad().Rich1;
  for (const int lines : {2, 200, 201, 1000}) {
    std::string text;
    for (int i = 0; i < lines; ++i) text += "k=v\r\n";
    rich.SetText(text.substr(0, text.size() - 2));  // exactly `lines` rows
    const HWND before = rich.hwnd();
    rich.Clear();
    EXPECT_EQ(rich.hwnd() != before, lines > 200) << lines;
    EXPECT_EQ(rich.TextLength(), 0) << lines;
  }
}

TEST_F(WholeText, ANewControlWindowKeepsTheSetUp) {
  RichEdit& rich = pad().Rich1;
  Click("EditWrapItem");
  Load("C:\\work\\a.inf", "k=v\r\n");
  rich.SetReadOnly(true);
  rich.SetModified(true);
  SetFocus(rich.hwnd());
  const HWND old = rich.hwnd();
  const RECT place = PlaceInParent(old);
  const std::string face = DefaultFace(old);
  const LPARAM events = SendMessageA(old, EM_GETEVENTMASK, 0, 0);
  const int id = GetDlgCtrlID(old);

  ASSERT_TRUE(rich.Renew());
  const HWND fresh = rich.hwnd();
  EXPECT_NE(fresh, old);
  EXPECT_FALSE(IsWindow(old));
  EXPECT_TRUE(IsWindowVisible(fresh));
  EXPECT_EQ(GetFocus(), fresh);
  EXPECT_EQ(GetDlgCtrlID(fresh), id);
  const RECT now = PlaceInParent(fresh);
  EXPECT_EQ(now.left, place.left);
  EXPECT_EQ(now.top, place.top);
  EXPECT_EQ(now.right, place.right);
  EXPECT_EQ(now.bottom, place.bottom);
  EXPECT_EQ(DefaultFace(fresh), face);
  EXPECT_EQ(SendMessageA(fresh, EM_GETEVENTMASK, 0, 0), events);
  EXPECT_TRUE(rich.ReadOnly());
  EXPECT_TRUE(rich.Modified());
  EXPECT_EQ(rich.TextLength(), 0);
  // Word wrap on: no horizontal scroll bar.
  EXPECT_FALSE(GetWindowLongA(fresh, GWL_STYLE) & WS_HSCROLL);

  // The key handling follows the control: Tab still types blanks.
  rich.SetReadOnly(false);
  rich.SetText("x");
  rich.Select(0, 0);
  SendMessageA(rich.hwnd(), WM_KEYDOWN, VK_TAB, 0x000F0001);
  SendMessageA(rich.hwnd(), WM_CHAR, '\t', 0x000F0001);
  EXPECT_EQ(rich.Text().find('\t'), std::string::npos);
  EXPECT_NE(rich.Text().find(' '), std::string::npos);
  // And the selection changes still reach the window (caret panel).
  rich.Select(1, 0);
  EXPECT_NE(PanelText(kPanelCaret), "");
}

TEST_F(WholeText, ALongSortLoadsTheSortedTextInColour) {
  const std::string text = LongInf(3000);
  Load("C:\\work\\long.inf", text);
  pad().SetColour();
  pad().Rich1.Select(0, static_cast<long>(text.size()));
  const HWND before = pad().Rich1.hwnd();
  Click("EditSort1");

  // What a replacement in place would leave.
  const TextReplacement change = PlanSortAscending(text, {0, text.size()}, LocaleCompareNoCase).replacement;
  const std::string sorted = text.substr(0, change.start) + change.text + text.substr(change.start + change.length);
  ASSERT_NE(sorted, text);
  const std::string result = pad().Rich1.Text();
  ASSERT_EQ(result, sorted);
  EXPECT_NE(pad().Rich1.hwnd(), before);  // loaded, not replaced in place
  EXPECT_TRUE(pad().Rich1.Modified());
  EXPECT_FALSE(pad().recolourPending);

  // Coloured as the whole pass colours it.
  const long sample = static_cast<long>(result.find("[Section01000]"));
  ASSERT_GE(sample, 0);
  const std::string letters = Letters(sample - 40, 120);
  EXPECT_NE(letters.find('S'), std::string::npos);
  EXPECT_NE(letters.find('C'), std::string::npos);
  pad().SetColour();
  EXPECT_EQ(Letters(sample - 40, 120), letters);
  EXPECT_TRUE(pad().Rich1.Modified());
}

TEST_F(WholeText, ALongReplaceAllCanBeUndone) {
  const std::string text = LongInf(2000);
  Load("C:\\work\\long.inf", text);
  pad().Rich1.Select(3, 0);
  const HWND dialog = OpenReplaceDialog(pad(), "e", "#");
  const HWND before = pad().Rich1.hwnd();
  SendMessageA(GetDlgItem(dialog, psh2), BM_CLICK, 0, 0);

  std::string expected = text;
  std::replace(expected.begin() + 3, expected.end(), 'e', '#');
  ASSERT_EQ(pad().Rich1.Text(), expected);
  EXPECT_NE(pad().Rich1.hwnd(), before);
  const long last = static_cast<long>(expected.rfind('#'));
  EXPECT_EQ(pad().Rich1.SelStart(), last);
  EXPECT_EQ(pad().Rich1.SelLength(), 1);
  EXPECT_TRUE(pad().Rich1.Modified());
  EXPECT_TRUE(pad().Item("EditUndoItem")->enabled);

  // Typing, then undoing it, then undoing the replacement.
  pad().Rich1.Select(0, 0);
  pad().Rich1.ReplaceSelection("z");
  pad().EditUndo();
  ASSERT_EQ(pad().Rich1.Text(), expected);
  pad().EditUndo();
  EXPECT_EQ(pad().Rich1.Text(), text);
  EXPECT_EQ(pad().Rich1.SelStart(), 3);
  EXPECT_EQ(pad().Rich1.SelLength(), 0);
  // Once only.
  pad().EditUndo();
  EXPECT_EQ(pad().Rich1.Text(), text);

  // A changed text is never overwritten by an older undo.
  SendMessageA(GetDlgItem(dialog, psh2), BM_CLICK, 0, 0);
  pad().Rich1.Select(0, 0);
  pad().Rich1.ReplaceSelection("z");
  pad().Rich1.EmptyUndo();
  pad().EditUndo();
  EXPECT_EQ(pad().Rich1.Text(), "z" + expected);
  SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

TEST_F(WholeText, ReplaceAllKeepsTheColoursOfTheLinesBetweenMatches) {
  const std::string text = "[Version]\r\nkey=old\r\n; comment\r\n[Section]\r\nbad=C:\\x\r\nname=old\r\n";
  Load("C:\\work\\small.inf", text);
  pad().SetColour();
  const long between = static_cast<long>(text.find("; comment"));
  const long length = static_cast<long>(text.find("name=")) - between;
  const std::string before = Letters(between, length);
  ASSERT_NE(before.find('C'), std::string::npos);
  ASSERT_NE(before.find('S'), std::string::npos);
  ASSERT_NE(before.find('X'), std::string::npos);

  pad().Rich1.Select(0, 0);
  const HWND dialog = OpenReplaceDialog(pad(), "old", "new");
  SendMessageA(GetDlgItem(dialog, psh2), BM_CLICK, 0, 0);
  ASSERT_EQ(pad().Rich1.Text().find("old"), std::string::npos);
  EXPECT_EQ(Letters(between, length), before);
  pad().EditUndo();
  EXPECT_EQ(pad().Rich1.Text(), text);
  EXPECT_EQ(Letters(between, length), before);
  SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

}  // namespace
}  // namespace varnock::test
