// Settings and language across restarts, several copies closing, unwritable files.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/e2e/driver.h"

namespace e2e {
namespace {

std::string SettingsPath() { return ProgramFolder() + "Varnock.ini"; }

std::string Setting(const std::string& key, const std::string& section = "Varnock") {
  char value[512] = "";
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "<none>", value, sizeof value, SettingsPath().c_str());
  return value;
}

class SettingsE2e : public ::testing::Test {
 protected:
  void TearDown() override {
    for (Started& s : runs) Finish(s);
  }
  // Starts a copy and returns its main window.
  HWND Start() {
    runs.push_back(StartVarnock("", false));
    EXPECT_TRUE(runs.back().ok);
    HWND main = WaitForMainWindow(runs.back());
    EXPECT_NE(main, nullptr);
    return main;
  }
  // Asks a copy to close and waits for its end; the exit code, or -1 past the limit.
  long CloseAndWait(size_t index, HWND main, DWORD limitMs = 5000) {
    PostMessageA(main, WM_CLOSE, 0, 0);
    return WaitForExit(runs[index], limitMs);
  }
  std::vector<Started> runs;
};

RECT Bounds(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

TEST_F(SettingsE2e, SettingsSurviveARestart) {
  HWND main = Start();
  MoveWindow(main, 100, 80, 600, 400, TRUE);
  ASSERT_EQ(CloseAndWait(0, main), 0);
  EXPECT_EQ(Setting("Left"), "100");
  EXPECT_EQ(Setting("Top"), "80");
  EXPECT_EQ(Setting("Localisation"), "English");
  main = Start();
  const RECT r = Bounds(main);
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right - r.left, 600);
  EXPECT_EQ(r.bottom - r.top, 400);
}

TEST_F(SettingsE2e, ACopyThatIsNotTheLastWritesNothing) {
  HWND first = Start();
  HWND second = Start();
  const std::string file = SettingsPath();
  WritePrivateProfileStringA("Instances", "Compte", "2", file.c_str());
  WritePrivateProfileStringA("Instances", "1", std::to_string(reinterpret_cast<std::intptr_t>(first)).c_str(),
                             file.c_str());
  WritePrivateProfileStringA("Instances", "2", std::to_string(reinterpret_cast<std::intptr_t>(second)).c_str(),
                             file.c_str());
  ASSERT_EQ(CloseAndWait(1, second), 0);
  EXPECT_EQ(Setting("Top"), "<none>");
  EXPECT_EQ(Setting("Compte", "Instances"), "1");  // the second copy left the table
  // The first copy is now the last running one (the second's window is gone).
  ASSERT_EQ(CloseAndWait(0, first), 0);
  EXPECT_NE(Setting("Top"), "<none>");
  EXPECT_EQ(Setting("Compte", "Instances"), "<none>");
}

TEST_F(SettingsE2e, AMaximisedCloseKeepsTheOldBounds) {
  ASSERT_TRUE(WriteFile(SettingsPath(), "[Varnock]\r\nTop=70\r\nLeft=90\r\nWidth=500\r\nHeight=350\r\n"));
  HWND main = Start();
  ShowWindow(main, SW_MAXIMIZE);
  Sleep(200);
  ASSERT_EQ(CloseAndWait(0, main), 0);
  EXPECT_EQ(Setting("Top"), "70");
  EXPECT_EQ(Setting("Left"), "90");
  EXPECT_EQ(Setting("Width"), "500");
  EXPECT_EQ(Setting("Height"), "350");
  EXPECT_EQ(Setting("MenuBar"), "1");  // the rest was saved
}

TEST_F(SettingsE2e, FourCopiesClosedAtOnceEndQuicklyLeavingOneCopysValues) {
  std::vector<HWND> windows;
  for (int i = 0; i < 4; ++i) {
    windows.push_back(Start());
    MoveWindow(windows.back(), 100 + 10 * i, 200 + 10 * i, 500, 350, TRUE);
  }
  for (HWND w : windows) PostMessageA(w, WM_CLOSE, 0, 0);
  for (size_t i = 0; i < runs.size(); ++i) EXPECT_EQ(WaitForExit(runs[i], 5000), 0) << "copy " << i;
  const std::string left = Setting("Left");
  const std::string top = Setting("Top");
  bool oneCopys = false;
  for (int i = 0; i < 4; ++i)
    oneCopys = oneCopys || (left == std::to_string(100 + 10 * i) && top == std::to_string(200 + 10 * i));
  EXPECT_TRUE(oneCopys) << left << "," << top;
}

TEST_F(SettingsE2e, ReadOnlyOrLockedFilesDoNotHoldTheCloseUp) {
  const std::string original = "[Varnock]\r\nTop=5\r\n";
  ASSERT_TRUE(WriteFile(SettingsPath(), original));
  SetFileAttributesA(SettingsPath().c_str(), FILE_ATTRIBUTE_READONLY);
  HWND main = Start();
  EXPECT_EQ(CloseAndWait(0, main, 3000), 0);
  SetFileAttributesA(SettingsPath().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFile(SettingsPath()), original);

  main = Start();
  // The copy registered in the instance table as it started; the close writes nothing more.
  const std::string registered = ReadFile(SettingsPath());
  HANDLE locked = CreateFileA(SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_EQ(CloseAndWait(1, main, 3000), 0);
  CloseHandle(locked);
  EXPECT_EQ(ReadFile(SettingsPath()), registered);
}

// The captions of every top-level window of a process, hidden ones included.
std::vector<std::string> WindowCaptions(const Started& s) {
  struct Search {
    DWORD pid;
    std::vector<std::string> captions;
  } search{s.process.dwProcessId, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* found = reinterpret_cast<Search*>(lp);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid == found->pid) found->captions.push_back(WindowTitle(hwnd));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.captions;
}

bool HasCaption(const Started& s, const std::string& caption) {
  const std::vector<std::string> captions = WindowCaptions(s);
  return std::find(captions.begin(), captions.end(), caption) != captions.end();
}

// Types a letter into the text so that the title and the close question show.
void TypeALetter(HWND main) {
  SetForegroundWindow(main);
  Sleep(200);
  PressKeys({'A'});
}

TEST_F(SettingsE2e, FrenchChosenWithRealKeysHoldsAfterARestart) {
  ASSERT_TRUE(CopyLanguageFile());
  HWND main = Start();
  SetForegroundWindow(main);
  Sleep(300);
  // Options menu, down to Language, into it, down to the French entry.
  PressKeys({VK_MENU, 'P'});
  for (int i = 0; i < 5; ++i) PressKeys({VK_DOWN});
  PressKeys({VK_RIGHT});
  PressKeys({VK_DOWN});
  PressKeys({VK_RETURN});
  EXPECT_TRUE(HasCaption(runs[0], "Varnock - Choix des couleurs"));
  TypeALetter(main);
  EXPECT_NE(WindowTitle(main).find(" (non enregistr\xE9)"), std::string::npos) << WindowTitle(main);
  PostMessageA(main, WM_CLOSE, 0, 0);
  HWND box = WaitForMessageBox(runs[0]);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Le fichier a \xE9t\xE9 modifi\xE9, voulez-vous l'enregistrer ?");
  PressButton(box, IDNO);
  ASSERT_EQ(WaitForExit(runs[0]), 0);
  EXPECT_EQ(Setting("Localisation"), "Francais");

  main = Start();
  TypeALetter(main);
  EXPECT_NE(WindowTitle(main).find(" (non enregistr\xE9)"), std::string::npos) << WindowTitle(main);
  PostMessageA(main, WM_CLOSE, 0, 0);
  box = WaitForMessageBox(runs[1]);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Le fichier a \xE9t\xE9 modifi\xE9, voulez-vous l'enregistrer ?");
  PressButton(box, IDNO);
  EXPECT_EQ(WaitForExit(runs[1]), 0);
}

}  // namespace
}  // namespace e2e
