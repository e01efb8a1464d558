// The two toolbars: their buttons, the customisation entries, the toolbar and small-icons
// entries with their pop-up twins, clicks, hints and the place of the text control.
#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/win/harness.h"

namespace varnock::test {
namespace {

const std::vector<std::string> kLargeOrder = {
    "ToolButtonNew",  "ToolButtonOpen",  "ToolButtonSave",    "ToolButton1b",    "ToolButtonCut",
    "ToolButtonCopy", "ToolButtonPaste", "ToolButtonUndo",    "ToolButton2b",    "ToolButtonWrap",
    "ToolButton3b",   "ToolButtonFind",  "ToolButtonReplace", "ToolButton4b",    "ToolButtonWizard",
    "ToolButtonReg",  "ToolButtonTest",  "ToolButton5b",      "ToolButtonAbout", "ToolButtonHelp"};

// Button, the menu entry it runs and the one whose hint it carries.
struct Mirror {
  const char* button;
  const char* runs;
  const char* hintFrom;
};
const Mirror kMirrors[] = {
    {"ToolButtonNew", "FileNewItem", "FileNewItem"},
    {"ToolButtonOpen", "FileOpenItem", "FileOpenItem"},
    {"ToolButtonSave", "FileSaveItem", "FileSaveItem"},
    {"ToolButtonCut", "EditCutItem", "EditCutItem"},
    {"ToolButtonCopy", "EditCopyItem", "EditCopyItem"},
    {"ToolButtonPaste", "EditPasteItem", "EditPasteItem"},
    {"ToolButtonUndo", "EditUndoItem", "EditUndoItem"},
    {"ToolButtonWrap", "EditWrapItem", "EditWrapItem"},
    {"ToolButtonFind", "FindItem", "FindItem"},
    {"ToolButtonReplace", "ReplaceItem", "ReplaceItem"},
    {"ToolButtonWizard", "AffWizardItem", "AffWizardItem"},
    {"ToolButtonReg", "AffRegItem", "AffRegItem"},
    {"ToolButtonTest", "AffTestItem", "AffTestItem"},
    {"ToolButtonAbout", "HelpAboutItem", "HelpAboutItem"},
    {"ToolButtonHelp", "HelpINFItem", "HelpContentsItem"},
};

std::string SmallName(const std::string& large) {
  if (large.size() == std::string("ToolButton1b").size() && large.back() == 'b')
    return large.substr(0, large.size() - 1) + "s";
  return large + "Small";
}

class Toolbars : public FormTest {
 protected:
  // Clicks a menu entry the way the menu does: a WM_COMMAND with its id.
  void ClickEntry(const std::string& name) {
    MenuItem* item = pad().Item(name);
    if (!item) item = pad().PopupMenuTB.Find(name);
    ASSERT_NE(item, nullptr) << name;
    SendMessageA(pad().hwnd(), WM_COMMAND, item->id, 0);
  }
  bool Checked(const std::string& name) {
    MenuItem* item = pad().Item(name);
    if (!item) item = pad().PopupMenuTB.Find(name);
    return item && item->checked;
  }
  bool Enabled(const std::string& name) {
    MenuItem* item = pad().Item(name);
    if (!item) item = pad().PopupMenuTB.Find(name);
    return item && item->enabled;
  }
  // Both bars show or hide the button and its small twin alike.
  void ExpectShown(const std::string& large, bool shown) {
    EXPECT_EQ(pad().ToolBar.ButtonVisible(large), shown) << large;
    EXPECT_EQ(pad().ToolBarSmall.ButtonVisible(SmallName(large)), shown) << SmallName(large);
  }
  // Moves the mouse over the middle of a button, as the user would.
  POINT MiddleOf(ToolBarControl& bar, const std::string& name) {
    const RECT rect = bar.ButtonRect(name);
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    POINT screen = point;
    ClientToScreen(bar.hwnd(), &screen);
    SetCursorPos(screen.x, screen.y);
    return point;
  }
  void Hover(ToolBarControl& bar, const std::string& name) {
    const POINT point = MiddleOf(bar, name);
    SendMessageA(bar.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
  }
  void Click(ToolBarControl& bar, const std::string& name) {
    const POINT point = MiddleOf(bar, name);
    PostMessageA(bar.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    PostMessageA(bar.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageA(bar.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    Pump(20);
  }
  int TopOfText() {
    RECT rect{};
    GetWindowRect(pad().Rich1.hwnd(), &rect);
    MapWindowPoints(nullptr, pad().hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect.top;
  }
  int BottomOf(const ToolBarControl& bar) {
    RECT rect{};
    GetWindowRect(bar.hwnd(), &rect);
    MapWindowPoints(nullptr, pad().hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect.bottom;
  }
};

TEST_F(Toolbars, BothBarsHoldTheButtonsInOrderWithTheirSizes) {
  std::vector<std::string> smallOrder;
  for (const std::string& name : kLargeOrder) smallOrder.push_back(SmallName(name));
  EXPECT_EQ(pad().ToolBar.Names(), kLargeOrder);
  EXPECT_EQ(pad().ToolBarSmall.Names(), smallOrder);
  const LRESULT large = SendMessageA(pad().ToolBar.hwnd(), TB_GETBUTTONSIZE, 0, 0);
  EXPECT_EQ(LOWORD(large), 39);
  EXPECT_EQ(HIWORD(large), 38);
  const LRESULT small = SendMessageA(pad().ToolBarSmall.hwnd(), TB_GETBUTTONSIZE, 0, 0);
  EXPECT_LT(HIWORD(small), 38);
  for (ToolBarControl* bar : {&pad().ToolBar, &pad().ToolBarSmall}) {
    auto* images = reinterpret_cast<HIMAGELIST>(SendMessageA(bar->hwnd(), TB_GETIMAGELIST, 0, 0));
    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(images, &width, &height));
    EXPECT_EQ(width, bar == &pad().ToolBar ? 32 : 16);
    EXPECT_EQ(ImageList_GetImageCount(images), 16);  // fifteen buttons and the second Wrap image
    EXPECT_NE(SendMessageA(bar->hwnd(), TB_GETDISABLEDIMAGELIST, 0, 0), 0);
  }
}

TEST_F(Toolbars, StartsWithTheLargeBarAndEveryButtonShown) {
  EXPECT_EQ(pad().ToolbarMode(), 1);
  EXPECT_TRUE(Checked("AffToolBarItem"));
  EXPECT_TRUE(Checked("Toolbar1"));
  EXPECT_TRUE(Enabled("AffSmallItem"));
  EXPECT_FALSE(Checked("AffSmallItem"));
  for (const std::string& name : kLargeOrder) ExpectShown(name, true);
}

TEST_F(Toolbars, EntriesHideTheirButtonOnBothBarsAndSeparatorsFollow) {
  ClickEntry("TB9");
  EXPECT_FALSE(Checked("TB9"));
  ExpectShown("ToolButtonFind", false);
  ExpectShown("ToolButton3b", true);  // Replace still stands beside it
  ClickEntry("TB10");
  ExpectShown("ToolButtonReplace", false);
  ExpectShown("ToolButton3b", false);
  ClickEntry("TB9");
  ExpectShown("ToolButtonFind", true);
  ExpectShown("ToolButton3b", true);

  for (const char* entry : {"TB4", "TB5"}) ClickEntry(entry);
  ExpectShown("ToolButton1b", true);
  ClickEntry("TB6");
  for (const char* name : {"ToolButtonCut", "ToolButtonCopy", "ToolButtonPaste", "ToolButton1b"})
    ExpectShown(name, false);
  ExpectShown("ToolButtonUndo", true);
}

TEST_F(Toolbars, EverySeparatorFollowsItsEntries) {
  const std::vector<std::pair<const char*, std::vector<const char*>>> rules = {
      {"ToolButton1b", {"TB4", "TB5", "TB6"}},
      {"ToolButton2b", {"TB8"}},
      {"ToolButton3b", {"TB9", "TB10"}},
      {"ToolButton4b", {"TB11", "TB14", "TB15"}},
      {"ToolButton5b", {"TB12", "TB13"}}};
  for (const auto& [separator, entries] : rules) {
    for (const char* entry : entries) {
      ExpectShown(separator, true);
      ClickEntry(entry);
    }
    ExpectShown(separator, false);
    ClickEntry(entries.back());
    ExpectShown(separator, true);
    for (const char* entry : entries) pad().Item(entry)->checked = true;
    pad().RepaintToolBars();
  }
}

TEST_F(Toolbars, ToolbarOffAndOnRestoresTheChosenSize) {
  ClickEntry("AffSmallItem");
  EXPECT_TRUE(Checked("Smallicons1"));
  EXPECT_EQ(pad().ToolbarMode(), 2);
  EXPECT_FALSE(pad().ToolBar.Visible());

  ClickEntry("AffToolBarItem");
  EXPECT_EQ(pad().ToolbarMode(), 0);
  EXPECT_FALSE(pad().ToolBarSmall.Visible());
  EXPECT_FALSE(Checked("Toolbar1"));
  EXPECT_FALSE(Enabled("AffSmallItem"));
  EXPECT_FALSE(Enabled("Smallicons1"));

  ClickEntry("AffToolBarItem");
  EXPECT_EQ(pad().ToolbarMode(), 2);
  EXPECT_TRUE(Enabled("AffSmallItem"));

  ClickEntry("AffSmallItem");
  ClickEntry("AffToolBarItem");
  ClickEntry("AffToolBarItem");
  EXPECT_EQ(pad().ToolbarMode(), 1);
}

TEST_F(Toolbars, PopupEntriesAndOptionsEntriesMirrorEachOther) {
  ClickEntry("Smallicons1");
  EXPECT_TRUE(Checked("AffSmallItem"));
  EXPECT_TRUE(Checked("Smallicons1"));
  EXPECT_EQ(pad().ToolbarMode(), 2);
  ClickEntry("Toolbar1");
  EXPECT_FALSE(Checked("AffToolBarItem"));
  EXPECT_FALSE(Checked("Toolbar1"));
  EXPECT_EQ(pad().ToolbarMode(), 0);
  ClickEntry("AffToolBarItem");
  EXPECT_TRUE(Checked("Toolbar1"));
  ClickEntry("AffSmallItem");
  EXPECT_FALSE(Checked("Smallicons1"));
  EXPECT_EQ(pad().ToolbarMode(), 1);
}

TEST_F(Toolbars, ModeGivenAtStartSetsEntriesAndBars) {
  struct Case {
    int mode;
    bool on, small;
  };
  for (const Case& c : {Case{0, false, false}, Case{2, true, true}, Case{7, false, false}, Case{1, true, false}}) {
    pad().ApplyToolbarMode(c.mode);
    EXPECT_EQ(Checked("AffToolBarItem"), c.on) << c.mode;
    EXPECT_EQ(Checked("Toolbar1"), c.on) << c.mode;
    EXPECT_EQ(Enabled("AffSmallItem"), c.on) << c.mode;
    EXPECT_EQ(Enabled("Smallicons1"), c.on) << c.mode;
    EXPECT_EQ(Checked("AffSmallItem"), c.small) << c.mode;
    EXPECT_EQ(Checked("Smallicons1"), c.small) << c.mode;
    EXPECT_EQ(pad().ToolBar.Visible(), c.on && !c.small) << c.mode;
    EXPECT_EQ(pad().ToolBarSmall.Visible(), c.small) << c.mode;
  }
}

TEST_F(Toolbars, ButtonsRunTheHandlerOfTheEntryTheyMirror) {
  for (int mode : {1, 2}) {
    pad().ApplyToolbarMode(mode);
    ToolBarControl& bar = mode == 1 ? pad().ToolBar : pad().ToolBarSmall;
    for (const Mirror& mirror : kMirrors) {
      std::vector<std::string> ran;
      for (const Mirror& other : kMirrors) {
        pad().Item(other.runs)->onClick = [&ran](MenuItem& item) { ran.push_back(item.name); };
        pad().Item(other.hintFrom)->onClick = [&ran](MenuItem& item) { ran.push_back(item.name); };
      }
      const std::string name = mode == 1 ? mirror.button : SmallName(mirror.button);
      bar.SetButtonEnabled(name, true);
      Click(bar, name);
      EXPECT_EQ(ran, std::vector<std::string>{mirror.runs}) << name;
    }
  }
}

TEST_F(Toolbars, HoveredButtonsShowTheHintOfTheEntryTheyMirror) {
  pad().Item("HelpContentsItem")->hint = "Contents hint";
  pad().Item("HelpINFItem")->hint = "INF help hint";
  pad().Item("FindItem")->hint = "Short|Long find hint";
  pad().CopyToolButtonHints();
  for (int mode : {1, 2}) {
    pad().ApplyToolbarMode(mode);
    ToolBarControl& bar = mode == 1 ? pad().ToolBar : pad().ToolBarSmall;
    for (const Mirror& mirror : kMirrors) {
      const std::string name = mode == 1 ? mirror.button : SmallName(mirror.button);
      EXPECT_EQ(bar.Hint(name), pad().Item(mirror.hintFrom)->hint) << name;
    }
    Hover(bar, mode == 1 ? "ToolButtonHelp" : "ToolButtonHelpSmall");
    EXPECT_EQ(PanelText(0), "Contents hint");
    pad().SetToolbarButtonEnabled(mode == 1 ? "ToolButtonTest" : "ToolButtonTestSmall", false);
    Hover(bar, mode == 1 ? "ToolButtonTest" : "ToolButtonTestSmall");  // disabled buttons too
    EXPECT_EQ(PanelText(0), pad().Item("AffTestItem")->hint);
    Hover(bar, mode == 1 ? "ToolButtonFind" : "ToolButtonFindSmall");
    EXPECT_EQ(PanelText(0), "Long find hint");
    SendMessageA(bar.hwnd(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(PanelText(0), "");
  }
}

TEST_F(Toolbars, TestAndRegButtonsAreEnabledByNameOnEitherBar) {
  pad().saveDialogFileName = "C:\\x\\setup.inf";  // the title enables them for INF files
  pad().SetTitle();
  pad().SetToolbarButtonEnabled("ToolButtonTest", false);
  pad().SetToolbarButtonEnabled("ToolButtonRegSmall", false);
  EXPECT_FALSE(pad().ToolBar.ButtonEnabled("ToolButtonTest"));
  EXPECT_TRUE(pad().ToolBarSmall.ButtonEnabled("ToolButtonTestSmall"));
  EXPECT_FALSE(pad().ToolBarSmall.ButtonEnabled("ToolButtonRegSmall"));
  EXPECT_TRUE(pad().ToolBar.ButtonEnabled("ToolButtonReg"));

  std::vector<std::string> ran;
  pad().Item("AffTestItem")->onClick = [&ran](MenuItem& item) { ran.push_back(item.name); };
  Click(pad().ToolBar, "ToolButtonTest");
  EXPECT_TRUE(ran.empty());
  pad().SetToolbarButtonEnabled("ToolButtonTest", true);
  Click(pad().ToolBar, "ToolButtonTest");
  EXPECT_EQ(ran.size(), 1u);
}

TEST_F(Toolbars, WrapButtonsShowTheWrapState) {
  const int off = pad().ToolBar.ButtonImage("ToolButtonWrap");
  pad().SetWrapButtonImage(true);
  const int on = pad().ToolBar.ButtonImage("ToolButtonWrap");
  EXPECT_NE(on, off);
  EXPECT_EQ(pad().ToolBarSmall.ButtonImage("ToolButtonWrapSmall"), on);
  pad().SetWrapButtonImage(false);
  EXPECT_EQ(pad().ToolBar.ButtonImage("ToolButtonWrap"), off);
  EXPECT_EQ(pad().ToolBarSmall.ButtonImage("ToolButtonWrapSmall"), off);
}

TEST_F(Toolbars, TextControlStartsBelowTheVisibleToolbar) {
  const int large = BottomOf(pad().ToolBar);
  EXPECT_GE(large, 38);
  EXPECT_GT(TopOfText(), large);
  RECT client{};
  GetClientRect(pad().ToolBar.hwnd(), &client);
  RECT window{};
  GetClientRect(pad().hwnd(), &window);
  EXPECT_EQ(client.right, window.right);  // the bar spans the window

  pad().ApplyToolbarMode(2);
  const int small = BottomOf(pad().ToolBarSmall);
  EXPECT_LT(small, large);
  EXPECT_GT(TopOfText(), small);
  EXPECT_LT(TopOfText(), large);

  pad().ApplyToolbarMode(0);
  EXPECT_LT(TopOfText(), small);
}

TEST_F(Toolbars, RightClickOnEitherBarOpensTheToolbarMenu) {
  for (int mode : {1, 2}) {
    pad().ApplyToolbarMode(mode);
    ToolBarControl& bar = mode == 1 ? pad().ToolBar : pad().ToolBarSmall;
    static HWND menuWindow;
    static RECT menuRect;
    static UINT smallState;
    static MenuModel* model;
    menuWindow = nullptr;
    model = &pad().PopupMenuTB;
    // While the menu is up, note it and what its second entry shows, then close it.
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR, DWORD) {
      HWND shown = FindWindowA("#32768", nullptr);
      if (!shown || !IsWindowVisible(shown)) return;
      menuWindow = shown;
      GetWindowRect(shown, &menuRect);
      smallState = GetMenuState(model->root().handle, 1, MF_BYPOSITION);
      EndMenu();
    });
    const POINT point = MiddleOf(bar, mode == 1 ? "ToolButtonNew" : "ToolButtonNewSmall");
    // The pointer stands on the button, as for a real click: the menu opens where the
    // system last saw the pointer, which an earlier test may have left elsewhere.
    POINT onScreen = point;
    ClientToScreen(bar.hwnd(), &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    Pump(50);
    PostMessageA(bar.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageA(bar.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    POINT cursor{};
    GetCursorPos(&cursor);
    Pump(300);
    KillTimer(nullptr, timer);
    ASSERT_NE(menuWindow, nullptr) << mode;
    EXPECT_NEAR(menuRect.left, cursor.x, 2) << mode;  // the menu opens where the click was
    EXPECT_NEAR(menuRect.top, cursor.y, 2) << mode;
    ASSERT_NE(smallState, static_cast<UINT>(-1)) << mode;
    EXPECT_EQ((smallState & MF_CHECKED) != 0, mode == 2) << mode;
  }
}

TEST_F(Toolbars, ClickBesideTheButtonsReachesTheHook) {
  int clicks = 0;
  pad().ToolBar.onEmptyClick = [&clicks] { ++clicks; };
  RECT last = pad().ToolBar.ButtonRect("ToolButtonHelp");
  const POINT beside{last.right + 40, (last.top + last.bottom) / 2};
  PostMessageA(pad().ToolBar.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(beside.x, beside.y));
  PostMessageA(pad().ToolBar.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(beside.x, beside.y));
  Pump(20);
  EXPECT_EQ(clicks, 1);
  pad().Item("FileNewItem")->onClick = [](MenuItem&) {};
  Click(pad().ToolBar, "ToolButtonNew");
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace varnock::test
