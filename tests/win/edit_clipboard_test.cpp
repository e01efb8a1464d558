// Undo, the clipboard commands and word wrap from the edit menu and the text's pop-up menu.
#include "tests/win/edit_test_support.h"

#include <commctrl.h>

namespace varnock::test {
namespace {

using EditClipboard = EditTest;
using EditWrap = EditTest;

std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return "<clipboard busy>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

TEST_F(EditClipboard, CutCopyPasteAndDeleteRoundTrip) {
  Load("hello world", 6, 5);
  Click("EditCopyItem");
  EXPECT_EQ(ClipboardText(), "world");
  EXPECT_EQ(Text(), "hello world");

  Click("EditCutItem");
  EXPECT_EQ(Text(), "hello ");
  EXPECT_EQ(ClipboardText(), "world");

  pad().Rich1.Select(0, 0);
  pad().recolourPending = false;
  Click("EditPasteItem");
  EXPECT_EQ(Text(), "worldhello ");
  EXPECT_EQ(Selected(), Sel(5, 0));
  EXPECT_TRUE(pad().recolourPending);  // pasted lines are recoloured at the next selection change

  pad().Rich1.Select(5, 6);
  Click("EditDeleteItem");
  EXPECT_EQ(Text(), "world");
  EXPECT_EQ(ClipboardText(), "world");  // delete leaves the clipboard alone
  Click("EditUndoItem");
  EXPECT_EQ(Text(), "worldhello ");
}

TEST_F(EditClipboard, PopUpEntriesRunTheSameCommands) {
  Load("one two", 0, 3);
  Click("PopCut");
  EXPECT_EQ(Text(), " two");
  pad().Rich1.Select(4, 0);
  Click("PopPaste");
  EXPECT_EQ(Text(), " twoone");
  pad().Rich1.Select(0, 4);
  Click("PopCopy");
  EXPECT_EQ(ClipboardText(), " two");
  Click("PopDel");
  EXPECT_EQ(Text(), "one");
  Click("PopUndo");
  EXPECT_EQ(Text(), " twoone");
}

TEST_F(EditClipboard, UndoWithNothingToUndoChangesNothing) {
  Load("kept");
  pad().Rich1.EmptyUndo();
  ASSERT_FALSE(pad().Rich1.CanUndo());
  Click("EditUndoItem");
  EXPECT_EQ(Text(), "kept");
}

// Status panel 2 as the status bar shows it: its text and whether it stands out.
struct Panel {
  std::string text;
  bool raised;
};
Panel WrapPanel(TFormPad& pad) {
  char text[64] = "";
  const LRESULT info = SendMessageA(pad.StatusLine.hwnd(), SB_GETTEXTA, kPanelWrap, reinterpret_cast<LPARAM>(text));
  std::string shown = text;
  if (!shown.empty() && shown[0] == '\t') shown.erase(0, 1);  // the centring mark
  return {shown, (HIWORD(info) & SBT_POPOUT) != 0};
}

bool MenuBarChecked(TFormPad& pad, const char* name) {
  return (GetMenuState(GetMenu(pad.hwnd()), pad.Item(name)->id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool HasHorizontalBar(TFormPad& pad) { return (GetWindowLongA(pad.Rich1.hwnd(), GWL_STYLE) & WS_HSCROLL) != 0; }

TEST_F(EditWrap, TogglingWrapsTheTextAndShowsItEverywhere) {
  Load(std::string(300, 'w') + " " + std::string(300, 'w'));
  ASSERT_EQ(SendMessageA(pad().Rich1.hwnd(), EM_GETLINECOUNT, 0, 0), 1);
  ASSERT_TRUE(HasHorizontalBar(pad()));

  Click("EditWrapItem");
  EXPECT_GT(SendMessageA(pad().Rich1.hwnd(), EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_TRUE(pad().Item("EditWrapItem")->checked);
  EXPECT_TRUE(pad().PopupMenu.Find("PopWrap")->checked);
  EXPECT_TRUE(MenuBarChecked(pad(), "EditWrapItem"));
  EXPECT_FALSE(HasHorizontalBar(pad()));
  EXPECT_EQ(WrapPanel(pad()).text, "WRAP");
  EXPECT_FALSE(WrapPanel(pad()).raised);
  const int wrapOnImage = pad().ToolBar.ButtonImage("ToolButtonWrap");
  EXPECT_TRUE(pad().ToolBar.ButtonPressed("ToolButtonWrap"));
  EXPECT_TRUE(pad().ToolBarSmall.ButtonPressed("ToolButtonWrapSmall"));
  EXPECT_EQ(pad().ToolBarSmall.ButtonImage("ToolButtonWrapSmall"), wrapOnImage);

  Click("PopWrap");
  EXPECT_EQ(SendMessageA(pad().Rich1.hwnd(), EM_GETLINECOUNT, 0, 0), 1);
  EXPECT_FALSE(pad().Item("EditWrapItem")->checked);
  EXPECT_FALSE(pad().PopupMenu.Find("PopWrap")->checked);
  EXPECT_FALSE(MenuBarChecked(pad(), "EditWrapItem"));
  EXPECT_TRUE(HasHorizontalBar(pad()));
  EXPECT_EQ(WrapPanel(pad()).text, "- - -");
  EXPECT_TRUE(WrapPanel(pad()).raised);
  EXPECT_NE(pad().ToolBar.ButtonImage("ToolButtonWrap"), wrapOnImage);
  EXPECT_FALSE(pad().ToolBar.ButtonPressed("ToolButtonWrap"));
  EXPECT_FALSE(pad().ToolBarSmall.ButtonPressed("ToolButtonWrapSmall"));
}

}  // namespace
}  // namespace varnock::test
