// The editing commands driven with real keys from outside the program: the result is
// read back from the file the program saves.
#include <gtest/gtest.h>

#include <richedit.h>

#include "tests/e2e/driver.h"

#include <commctrl.h>

namespace e2e {
namespace {

class Editing : public ::testing::Test {
 protected:
  void SetUp() override {
    path = TempFolder() + "e2e-edit.txt";
    ASSERT_TRUE(WriteFile(path, "b\r\nc\r\na\r\n"));
    run = StartVarnock(path);
    main = WaitForMainWindow(run);
    ASSERT_NE(main, nullptr);
    text = FindWindowExA(main, nullptr, "RICHEDIT", nullptr);
    ASSERT_NE(text, nullptr);
    SetForegroundWindow(main);
    Sleep(300);
  }
  void TearDown() override {
    Finish(run);
    DeleteFileA(path.c_str());
  }
  // The text as Ctrl+S writes it.
  std::string Saved() {
    PressKeys({VK_CONTROL, 'S'});
    return ReadFile(path);
  }
  void SelectAll() { SendMessageA(text, EM_SETSEL, 0, -1); }

  std::string path;
  Started run;
  HWND main = nullptr;
  HWND text = nullptr;
};

TEST_F(Editing, ShortcutsSortIndentAndUndo) {
  SelectAll();
  PressKeys({VK_CONTROL, VK_MENU, 'A'});
  EXPECT_EQ(Saved(), "a\r\nb\r\nc\r\n");
  SelectAll();
  PressKeys({VK_CONTROL, VK_MENU, 'Z'});
  EXPECT_EQ(Saved(), "c\r\nb\r\na\r\n");
  SelectAll();
  PressKeys({VK_CONTROL, VK_MENU, 'I'});
  const std::string indented = Saved();
  EXPECT_EQ(indented.substr(0, 2), "  ");
  SelectAll();
  PressKeys({VK_CONTROL, VK_MENU, 'U'});
  EXPECT_EQ(Saved(), "c\r\nb\r\na\r\n");

  SendMessageA(text, EM_SETSEL, 0, 0);
  PressKeys({'X'});
  PressKeys({VK_CONTROL, 'Z'});
  EXPECT_EQ(Saved(), "c\r\nb\r\na\r\n");
}

// Ctrl+S shows "File saved." as the File menu's Save does, although the S comes up
// after the save and its key-up recolours the line of an INF file and refreshes the title.
TEST(SaveKey, CtrlSShowsFileSavedInTheStatusBar) {
  const std::string path = TempFolder() + "e2e-save.inf";
  ASSERT_TRUE(WriteFile(path, "[Version]\r\n"));
  Started run = StartVarnock(path);
  HWND main = WaitForMainWindow(run);
  ASSERT_NE(main, nullptr);
  HWND text = FindWindowExA(main, nullptr, "RICHEDIT", nullptr);
  HWND status = FindWindowExA(main, nullptr, STATUSCLASSNAMEA, nullptr);
  ASSERT_NE(text, nullptr);
  ASSERT_NE(status, nullptr);
  SetForegroundWindow(main);
  Sleep(300);
  SendMessageA(text, EM_SETSEL, 0, 0);
  PressKeys({'X'});
  PressKeys({VK_CONTROL, 'S'});
  EXPECT_EQ(ReadFile(path), "x[Version]\r\n");
  // The panel's text lives in the other process; its length tells the two texts apart
  // (the size text " 0 Kb" has 5 characters).
  const LRESULT panel = SendMessageA(status, SB_GETTEXTLENGTHA, 4, 0);
  EXPECT_EQ(LOWORD(panel), std::string("File saved.").size());
  Finish(run);
  DeleteFileA(path.c_str());
}

TEST_F(Editing, FindNextWithoutSearchTextOpensTheFindDialog) {
  PressKeys({VK_F3});
  HWND dialog = WaitForMessageBox(run, 5000);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowTitle(dialog), "Find");
  // Typed into the dialog and searched with Enter: the match is selected in the text.
  PressKeys({'A'});
  PressKeys({VK_RETURN});
  // From another process the selection comes packed in the answer.
  const LRESULT selection = SendMessageA(text, EM_GETSEL, 0, 0);
  EXPECT_EQ(LOWORD(selection), 6);
  EXPECT_EQ(HIWORD(selection), 7);
  // The text has the focus now; the dialog's own Cancel closes it.
  PressButton(dialog, IDCANCEL);
  Sleep(300);
  EXPECT_FALSE(IsWindow(dialog));
}

}  // namespace
}  // namespace e2e
