// Real message boxes of the whole program, pressed from outside.
#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace e2e {
namespace {

const std::string kPrefix = "Varnock v2.9.2 - ";

class DocumentBoxes : public ::testing::Test {
 protected:
  void TearDown() override { Finish(run); }
  Started run;
};

TEST_F(DocumentBoxes, TooBigFileAnsweredNoStartsEmptyAndUntitled) {
  const std::string path = TempFolder() + "e2e-big.txt";
  ASSERT_TRUE(WriteFile(path, std::string(65535, 'x')));
  run = StartVarnock(path);
  HWND box = WaitForMessageBox(run);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(
      MessageBoxText(box),
      "Varnock is limited to 65535 characters.\rThis file is too big,\rdo you want to open it with default editor?");
  EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
  PressButton(box, IDNO);
  HWND main = WaitForMainWindow(run);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowTitle(main), kPrefix);
  DeleteFileA(path.c_str());
}

TEST_F(DocumentBoxes, UnicodeFileConvertedWhenAnsweredNo) {
  const std::string path = TempFolder() + "e2e-wide.inf";
  ASSERT_TRUE(WriteFile(path, std::string("\xFF\xFE[\0V\0]\0", 8)));
  run = StartVarnock(path);
  HWND box = WaitForMessageBox(run);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(MessageBoxText(box).find("UNICODE"), std::string::npos);
  EXPECT_NE(GetDlgItem(box, IDCANCEL), nullptr);
  PressButton(box, IDNO);
  HWND main = WaitForMainWindow(run);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowTitle(main), kPrefix + path);
  DeleteFileA(path.c_str());
}

TEST_F(DocumentBoxes, ClosingAModifiedTextAsksAndNoEndsTheProcess) {
  run = StartVarnock("", false);
  HWND main = WaitForMainWindow(run);
  ASSERT_NE(main, nullptr);
  HWND text = FindWindowExA(main, nullptr, "RICHEDIT", nullptr);
  ASSERT_NE(text, nullptr);
  SendMessageA(text, WM_CHAR, 'a', 0);
  Sleep(100);
  EXPECT_EQ(WindowTitle(main), kPrefix + " (not saved)");
  PostMessageA(main, WM_CLOSE, 0, 0);
  HWND box = WaitForMessageBox(run);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Current file has been modified, do you want to save it ?");
  PressButton(box, IDCANCEL);
  Sleep(200);
  EXPECT_EQ(WaitForExit(run, 300), -1);  // still running
  PostMessageA(main, WM_CLOSE, 0, 0);
  box = WaitForMessageBox(run);
  ASSERT_NE(box, nullptr);
  PressButton(box, IDNO);
  EXPECT_EQ(WaitForExit(run), 0);
}

}  // namespace
}  // namespace e2e
