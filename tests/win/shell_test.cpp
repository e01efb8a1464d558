// The main window's frame: menus, status bar, title, size, version text.
#include "tests/win/harness.h"

#include <commctrl.h>

#include <functional>

#include "core/app/hint.h"
#include "win/app/application.h"

namespace varnock::test {
namespace {

std::string MenuText(HMENU menu, int position) {
  char text[256] = "";
  GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
  return text;
}

HMENU SubMenuByCaption(HMENU bar, const std::string& caption) {
  for (int i = 0; i < GetMenuItemCount(bar); ++i)
    if (MenuText(bar, i) == caption) return GetSubMenu(bar, i);
  return nullptr;
}

using Shell = FormTest;

TEST_F(Shell, RealMenuBarShowsEveryVisibleModelEntryWithItsShortcut) {
  HMENU bar = GetMenu(pad().hwnd());
  ASSERT_NE(bar, nullptr);
  int checked = 0;
  // Walks the model and the real menus side by side: hidden entries are left out.
  std::function<void(MenuItem&, HMENU)> compare = [&](MenuItem& model, HMENU real) {
    int position = 0;
    for (auto& child : model.items) {
      if (!child->visible) continue;
      ASSERT_LT(position, GetMenuItemCount(real)) << child->name;
      if (!child->IsSeparator()) {
        std::string expected = child->caption;
        if (!child->shortcut.empty()) expected += "\t" + child->shortcut;
        EXPECT_EQ(MenuText(real, position), expected) << child->name;
        ++checked;
      }
      if (child->IsSubMenu()) compare(*child, GetSubMenu(real, position));
      ++position;
    }
    EXPECT_EQ(position, GetMenuItemCount(real)) << model.name;
  };
  compare(pad().MainMenu.root(), bar);
  EXPECT_GT(checked, 100);
  // One copy running: the Windows menu is left out and Help is the last menu.
  EXPECT_FALSE(pad().Item("WinMenu")->visible);
  EXPECT_EQ(MenuText(bar, GetMenuItemCount(bar) - 1), "&?");
  EXPECT_EQ(SubMenuByCaption(bar, "&Windows "), nullptr);
}

TEST_F(Shell, NamedEntriesCarryTheirShortcutsAndHints) {
  struct Expect {
    const char* name;
    const char* shortcut;
  } expected[] = {{"FileNewItem", "Ctrl+N"},
                  {"FileOpenItem", "Ctrl+O"},
                  {"FileSaveItem", "Ctrl+S"},
                  {"FilePrintItem", "Ctrl+P"},
                  {"FileExitItem", "Ctrl+Q"},
                  {"EditUndoItem", "Ctrl+Z"},
                  {"EditSort1", "Ctrl+Alt+A"},
                  {"EditSort2", "Ctrl+Alt+Z"},
                  {"EditJoin", "Ctrl+Alt+J"},
                  {"EditSplit", "Ctrl+Alt+S"},
                  {"EditIndent1", "Ctrl+Alt+I"},
                  {"EditIndent2", "Ctrl+Alt+U"},
                  {"EditF5", "F5"},
                  {"FindItem", "Ctrl+F"},
                  {"FindNextItem", "F3"},
                  {"ReplaceItem", "Ctrl+R"},
                  {"WinVert", "F7"},
                  {"WinHori", "F4"},
                  {"WinCasc", "F6"},
                  {"WinClos", "Ctrl+Shift+Q"},
                  {"HelpContentsItem", "F1"}};
  for (const Expect& e : expected) {
    MenuItem* item = pad().Item(e.name);
    ASSERT_NE(item, nullptr) << e.name;
    EXPECT_EQ(item->shortcut, e.shortcut) << e.name;
  }
  EXPECT_EQ(pad().Item("EditSort1")->caption, "Sort A..Z");
  EXPECT_EQ(pad().Item("EditSort1")->hint, "Sort selected lines in alphabetic order");
  EXPECT_EQ(pad().Item("ToolInsert_1")->caption, "Underline ( \xAF\xAF\xAF )");
  EXPECT_EQ(pad().Item("FindItem")->caption, "&Find entry...");
  EXPECT_EQ(pad().Item("SubDef")->hint, "Default Varnock OEM font");
  EXPECT_EQ(pad().Item("English")->caption, "Default (English)");
  EXPECT_FALSE(pad().Item("AffLNG")->visible);
  EXPECT_FALSE(pad().Item("N13")->visible);
  for (const char* name : {"Old1", "Old2", "Old3", "Old4", "OldN"}) EXPECT_FALSE(pad().Item(name)->visible) << name;
}

TEST_F(Shell, AcceleratorsReachTheirMenuEntries) {
  HACCEL table = pad().Accelerators();
  ASSERT_NE(table, nullptr);
  std::vector<ACCEL> accels(static_cast<size_t>(CopyAcceleratorTableA(table, nullptr, 0)));
  CopyAcceleratorTableA(table, accels.data(), static_cast<int>(accels.size()));
  auto find = [&](WORD key, BYTE flags) -> std::string {
    for (const ACCEL& a : accels)
      if (a.key == key && a.fVirt == (flags | FVIRTKEY))
        if (MenuItem* item = pad().MainMenu.FindById(a.cmd)) return item->name;
    return "";
  };
  EXPECT_EQ(find('N', FCONTROL), "FileNewItem");
  EXPECT_EQ(find('A', FCONTROL | FALT), "EditSort1");
  EXPECT_EQ(find(VK_F3, 0), "FindNextItem");
  EXPECT_EQ(find('Q', FCONTROL | FSHIFT), "WinClos");
  EXPECT_EQ(find('Q', FCONTROL), "FileExitItem");
}

TEST_F(Shell, MenuHintsReachStatusPanelZero) {
  MenuItem* item = pad().Item("EditJoin");
  HMENU bar = GetMenu(pad().hwnd());
  SendMessageA(pad().hwnd(), WM_MENUSELECT, MAKEWPARAM(item->id, MF_STRING), reinterpret_cast<LPARAM>(bar));
  EXPECT_EQ(PanelText(kPanelHint), "Join selected lines");
  pad().DisplayHint("Short|Long part");
  EXPECT_EQ(PanelText(kPanelHint), "Long part");
  SendMessageA(pad().hwnd(), WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(PanelText(kPanelHint), "");
}

TEST_F(Shell, StatusBarHasSixPanelsWithTheirTextsWidthsAndBevels) {
  HWND bar = pad().StatusLine.hwnd();
  int edges[8] = {};
  ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 6);
  EXPECT_EQ(edges[0], 300);
  EXPECT_EQ(edges[1] - edges[0], 35);
  EXPECT_EQ(edges[2] - edges[1], 45);
  EXPECT_EQ(edges[3] - edges[2], 35);
  EXPECT_GE(edges[4] - edges[3], 50);
  EXPECT_EQ(edges[5], -1);
  EXPECT_EQ(PanelText(kPanelInsert), "\tINS");  // centred
  EXPECT_EQ(PanelText(kPanelWrap), "\t - - -");
  EXPECT_EQ(PanelText(kPanelFont), "\tDef");  // the default font mode, applied while the window is built
  char text[64];
  const LRESULT wrap = SendMessageA(bar, SB_GETTEXTA, kPanelWrap, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(HIWORD(wrap) & SBT_POPOUT, SBT_POPOUT);
  const LRESULT insert = SendMessageA(bar, SB_GETTEXTA, kPanelInsert, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(HIWORD(insert) & (SBT_POPOUT | SBT_NOBORDERS), 0);
  const LRESULT caret = SendMessageA(bar, SB_GETTEXTA, kPanelCaret, reinterpret_cast<LPARAM>(text));
  EXPECT_EQ(HIWORD(caret) & SBT_NOBORDERS, SBT_NOBORDERS);
}

TEST_F(Shell, MessagePanelTakesTheRestButAtLeastFifty) {
  SetWindowPos(pad().hwnd(), nullptr, 0, 0, 1000, 500, SWP_NOZORDER | SWP_NOMOVE);
  Pump(20);
  RECT client;
  GetClientRect(pad().StatusLine.hwnd(), &client);
  EXPECT_EQ(pad().StatusLine.Panel(kPanelMessage).width, client.right - 535);
  SetWindowPos(pad().hwnd(), nullptr, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOMOVE);
  Pump(20);
  EXPECT_EQ(pad().StatusLine.Panel(kPanelMessage).width, 50);
}

TEST_F(Shell, WindowCannotBeMadeSmallerThanItsMinimum) {
  SetWindowPos(pad().hwnd(), nullptr, 0, 0, 100, 80, SWP_NOZORDER | SWP_NOMOVE);
  Pump(20);
  RECT r;
  GetWindowRect(pad().hwnd(), &r);
  EXPECT_GE(r.right - r.left, 340);
  EXPECT_GE(r.bottom - r.top, 240);
}

TEST_F(Shell, UntitledUnmodifiedTitleIsThePrefixAlone) { EXPECT_EQ(Title(), "Varnock v2.9.2 - "); }

TEST_F(Shell, WindowsVersionIsTheCaptionOfTheDisabledFirstFolderEntry) {
  MenuItem* entry = pad().Item("sfWinVer");
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->caption, TFormPad::fWindowsVersion());
  EXPECT_FALSE(entry->enabled);
  EXPECT_EQ(entry->caption.rfind("Windows ", 0), 0u);
  for (const char* name : {"LDID_CU", "LDID_AllU", "LDID53", "LDID16422", "LDID16427"})
    EXPECT_TRUE(pad().Item(name)->visible) << name;
}

TEST_F(Shell, FourFormsExistAndOnlyTheMainWindowShows) {
  EXPECT_TRUE(IsWindowVisible(pad().hwnd()));
  EXPECT_TRUE(IsWindow(forms->about.hwnd()));
  EXPECT_TRUE(IsWindow(forms->wizard.hwnd()));
  EXPECT_TRUE(IsWindow(forms->colour.hwnd()));
  EXPECT_FALSE(IsWindowVisible(forms->about.hwnd()));
  EXPECT_EQ(App().mainForm, &pad());
}

}  // namespace
}  // namespace varnock::test
