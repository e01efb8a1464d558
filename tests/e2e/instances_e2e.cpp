// Several copies of the program at once: numbering, refusal, renumbering, a killed
// copy, a start race, arrangement, close-all, the exported entries and "/U".
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "tests/e2e/driver.h"

namespace e2e {
namespace {

const std::string kPrefix = "Varnock v2.9.2 - ";

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

RECT RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

class Copies : public ::testing::Test {
 protected:
  void TearDown() override {
    for (Started& s : runs) Finish(s);
  }
  void UseFolder() { folder = ProgramFolder(); }
  std::string Table(const std::string& key) {
    char text[256] = "";
    GetPrivateProfileStringA("Instances", key.c_str(), "<none>", text, sizeof text, (folder + "Varnock.ini").c_str());
    return text;
  }
  // Starts one more copy and waits for its main window (nullptr when it shows none).
  HWND Start(const std::string& argument = "", bool withArgument = false) {
    runs.push_back(StartVarnockIn(folder, argument, withArgument));
    EXPECT_TRUE(runs.back().ok);
    HWND window = WaitForMainWindow(runs.back());
    windows.push_back(window);
    return window;
  }
  void ExpectTitle(size_t copy, const std::string& title) {
    EXPECT_TRUE(WaitUntil([&] { return WindowTitle(windows[copy]) == title; }))
        << "copy " << copy << ": " << WindowTitle(windows[copy]);
  }
  long RunSwitch(const std::string& sw) {
    Started s = StartVarnockIn(folder, sw);
    const long code = WaitForExit(s);
    Finish(s);
    return code;
  }
  std::string folder;
  std::vector<Started> runs;
  std::vector<HWND> windows;
};

TEST_F(Copies, FourNumberInOrderAFifthIsRefusedAndTheTableStaysAsItWas) {
  UseFolder();
  for (int i = 0; i < 4; ++i) ASSERT_NE(Start(), nullptr);
  for (size_t i = 0; i < 4; ++i) ExpectTitle(i, kPrefix + std::to_string(i + 1) + " - ");
  EXPECT_EQ(Table("Compte"), "4");
  const std::string before = ReadFile(folder + "Varnock.ini");
  runs.push_back(StartVarnockIn(folder, "", false));
  HWND box = WaitForMessageBox(runs.back());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Ther're already four Varnock instances running !\rNo more instances allowed !");
  PressButton(box, IDOK);
  EXPECT_EQ(WaitForExit(runs.back()), 0);
  EXPECT_EQ(ReadFile(folder + "Varnock.ini"), before);
}

TEST_F(Copies, ClosingOneRenumbersTheOthersAndAKilledOneIsPurgedByTheNextStart) {
  UseFolder();
  for (int i = 0; i < 3; ++i) ASSERT_NE(Start(), nullptr);
  PostMessageA(windows[1], WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(runs[1]), 0);
  ExpectTitle(2, kPrefix + "2 - ");
  EXPECT_EQ(Table("Compte"), "2");
  // Copy 1 dies without closing: the next copy takes its place, the others move down.
  TerminateProcess(runs[0].process.hProcess, 1);
  WaitForExit(runs[0]);
  ASSERT_NE(Start(), nullptr);
  ExpectTitle(2, kPrefix + "1 - ");
  EXPECT_EQ(Table("Compte"), "2");
  EXPECT_EQ(Table("3"), "<none>");
}

TEST_F(Copies, ThreeStartedAtOneInstantGetDistinctNumbers) {
  UseFolder();
  for (int i = 0; i < 3; ++i) runs.push_back(StartVarnockIn(folder, "", false));
  std::vector<std::string> titles;
  for (Started& s : runs) windows.push_back(WaitForMainWindow(s));
  for (HWND w : windows) ASSERT_NE(w, nullptr);
  EXPECT_TRUE(WaitUntil([&] {
    std::vector<std::string> t;
    for (HWND w : windows) t.push_back(WindowTitle(w));
    std::sort(t.begin(), t.end());
    return t == std::vector<std::string>{kPrefix + "1 - ", kPrefix + "2 - ", kPrefix + "3 - "};
  })) << WindowTitle(windows[0])
      << "|" << WindowTitle(windows[1]) << "|" << WindowTitle(windows[2]);
  EXPECT_EQ(Table("Compte"), "3");
}

TEST_F(Copies, SwitchesAndExportedEntriesTileAndCascadeTheCopiesInTableOrder) {
  UseFolder();
  for (int i = 0; i < 2; ++i) ASSERT_NE(Start(), nullptr);
  ASSERT_EQ(RunSwitch("/W2"), 0);  // rows
  RECT a = RectOf(windows[0]), b = RectOf(windows[1]);
  EXPECT_EQ(a.left, b.left);
  EXPECT_EQ(a.bottom, b.top);
  EXPECT_EQ(a.right - a.left, b.right - b.left);
  // The exported entries, called by a separate process that loads the program file as a
  // library, start the arranging copy and wait for it.
  const std::string rundll = "C:\\windows\\system32\\rundll32.exe";
  auto callExport = [&](const char* name) {
    std::string commandLine = "\"" + rundll + "\" " + folder + "Varnock.exe," + name;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    EXPECT_TRUE(CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                               &process));
    Started s;
    s.process = process;
    s.ok = true;
    const long code = WaitForExit(s, 20000);
    Finish(s);
    return code;
  };
  EXPECT_EQ(callExport("ExternTileVInstance"), 0);  // columns
  a = RectOf(windows[0]);
  b = RectOf(windows[1]);
  EXPECT_EQ(a.top, b.top);
  EXPECT_EQ(a.right, b.left);
  EXPECT_EQ(callExport("ExternCascadeInstance"), 0);
  a = RectOf(windows[0]);
  b = RectOf(windows[1]);
  EXPECT_LT(a.top, b.top);
  EXPECT_EQ(a.right - a.left, b.right - b.left);
  EXPECT_EQ(callExport("ExternTileHInstance"), 0);
  EXPECT_EQ(RectOf(windows[0]).bottom, RectOf(windows[1]).top);
  EXPECT_EQ(callExport("UninstallVarnock"), 0);
  EXPECT_TRUE(IsWindow(windows[0]) && IsWindow(windows[1]));
}

TEST_F(Copies, KeysTileAndCascadeAndTheMenuRestoresThePositions) {
  UseFolder();
  ASSERT_TRUE(WriteFile(folder + "Varnock.ini", "[Varnock]\r\nLeft=100\r\nTop=60\r\n"));
  for (int i = 0; i < 2; ++i) ASSERT_NE(Start(), nullptr);
  // The second copy stands 20 and 44 pixels from where the settings put the first one
  // (which the second's first paint moves by a pixel and back).
  EXPECT_TRUE(WaitUntil([&] { return RectOf(windows[0]).left == 100 && RectOf(windows[0]).top == 60; }));
  const RECT first = RectOf(windows[0]), second = RectOf(windows[1]);
  EXPECT_EQ(second.left, 120);
  EXPECT_EQ(second.top, 104);
  auto press = [&](std::initializer_list<WORD> keys) {
    SetForegroundWindow(windows[0]);
    Sleep(200);
    PressKeys(keys);
  };
  press({VK_F7});
  EXPECT_TRUE(WaitUntil([&] { return RectOf(windows[0]).right == RectOf(windows[1]).left; }));
  EXPECT_EQ(Table("DontPos"), "1");
  EXPECT_EQ(Table("1Left"), std::to_string(first.left));
  press({VK_F4});
  EXPECT_TRUE(WaitUntil([&] { return RectOf(windows[0]).bottom == RectOf(windows[1]).top; }));
  press({VK_F6});
  EXPECT_TRUE(WaitUntil([&] {
    const RECT a = RectOf(windows[0]), b = RectOf(windows[1]);
    return b.left > a.left && b.top > a.top && b.right - b.left == a.right - a.left;
  }));
  // Windows menu, Restore Position.
  press({VK_MENU, 'W'});
  PressKeys({'P'});
  EXPECT_TRUE(WaitUntil([&] {
    const RECT a = RectOf(windows[0]), b = RectOf(windows[1]);
    return EqualRect(&a, &first) && EqualRect(&b, &second);
  }));
  EXPECT_EQ(Table("DontPos"), "0");
  EXPECT_EQ(Table("1Left"), "<none>");
}

TEST_F(Copies, UninstallSwitchRemovesTheProgramsKeys) {
  UseFolder();
  for (const char* key : {"Software\\Brackwater\\Varnock", "Software\\CLASSES\\Varnock\\DefaultIcon",
                          "Software\\CLASSES\\inffile\\shell\\Varnock\\command"}) {
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr), ERROR_SUCCESS);
    RegSetValueExA(h, "Integration", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
    RegCloseKey(h);
  }
  ASSERT_EQ(RunSwitch("/U"), 0);
  for (const char* key :
       {"Software\\Brackwater", "Software\\CLASSES\\Varnock", "Software\\CLASSES\\inffile\\shell\\Varnock"}) {
    HKEY h = nullptr;
    EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &h), ERROR_SUCCESS) << key;
    if (h) RegCloseKey(h);
  }
}

TEST_F(Copies, CloseAllEndsTheCopiesButOneWhoseUserCancelsAndTheKeyGoes) {
  UseFolder();
  for (int i = 0; i < 3; ++i) ASSERT_NE(Start(), nullptr);
  // Copy 2 holds typed text.
  HWND text = FindWindowExA(windows[1], nullptr, "RICHEDIT", nullptr);
  ASSERT_NE(text, nullptr);
  SendMessageA(text, WM_CHAR, 'x', 0);
  SetForegroundWindow(windows[0]);
  Sleep(300);
  PressKeys({VK_CONTROL, VK_SHIFT, 'Q'});
  EXPECT_EQ(WaitForExit(runs[0]), 0);
  EXPECT_EQ(WaitForExit(runs[2]), 0);
  HWND box = WaitForMessageBox(runs[1]);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Current file has been modified, do you want to save it ?");
  PressButton(box, IDCANCEL);
  EXPECT_TRUE(WaitUntil([&] { return Table("Destroy") == "<none>"; }));
  Sleep(300);
  EXPECT_TRUE(IsWindow(windows[1]));
  EXPECT_EQ(Table("Compte"), "1");
}

}  // namespace
}  // namespace e2e
