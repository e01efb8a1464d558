// The instance table from inside a copy: registration, the Windows menu and its
// commands, with a second main window in the same process standing for another copy.
#include <memory>

#include "core/instances/instance_table.h"
#include "tests/win/harness.h"
#include "win/instances/instance_profile.h"
#include "win/instances/own_program.h"
#include "win/platform/file_dialogs.h"
#include "win/platform/profile.h"
#include "win/settings/settings_file.h"

namespace varnock::test {
namespace {

std::string Table(const std::string& key) { return ProfileRead(SettingsFile(), "Instances", key, "<none>"); }

class Instances : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    SetOwnCopyStarter([this](const std::string& parameters) {
      started.push_back(parameters);
      return true;
    });
  }
  void TearDown() override {
    SetOwnCopyStarter(nullptr);
    for (auto& window : others) DestroyWindow(window->hwnd());
    others.clear();
    FormTest::TearDown();
  }
  // A second main window: it registers as copy 2 and renumbers the first.
  TFormPad& StartOther() {
    others.push_back(std::make_unique<TFormPad>());
    EXPECT_TRUE(others.back()->Create(SW_SHOWNORMAL));
    Pump(50);
    return *others.back();
  }
  std::vector<std::unique_ptr<TFormPad>> others;
  std::vector<std::string> started;
};

TEST_F(Instances, TheFirstCopyRegistersAloneWithoutANumberOrWindowsMenu) {
  EXPECT_EQ(Table("Compte"), "1");
  EXPECT_EQ(Table("1"), std::to_string(ToWindowId(pad().hwnd())));
  EXPECT_FALSE(pad().refused);
  EXPECT_FALSE(pad().Item("WinMenu")->visible);
  EXPECT_EQ(Title(), "Varnock v2.9.2 - ");
}

TEST_F(Instances, ASecondCopyIsOffsetNumberedAndBothShowTheWindowsMenu) {
  RECT first{};
  GetWindowRect(pad().hwnd(), &first);
  TFormPad& second = StartOther();
  EXPECT_EQ(Table("Compte"), "2");
  EXPECT_EQ(Table("2"), std::to_string(ToWindowId(second.hwnd())));
  RECT rect{};
  GetWindowRect(second.hwnd(), &rect);
  // The first copy's title was renumbered by the second's first paint.
  Pump(50);
  EXPECT_EQ(Title(), "Varnock v2.9.2 - 1 - ");
  EXPECT_TRUE(pad().Item("WinMenu")->visible);
  second.SetTitle();
  char text[256] = "";
  GetWindowTextA(second.hwnd(), text, sizeof text);
  EXPECT_STREQ(text, "Varnock v2.9.2 - 2 - ");
}

TEST_F(Instances, AFifthCopyIsRefusedAndLeavesTheTableAlone) {
  ProfileWrite(SettingsFile(), "Instances", "Compte", "4");
  for (int n = 2; n <= 4; ++n)
    ProfileWrite(SettingsFile(), "Instances", std::to_string(n), std::to_string(ToWindowId(pad().hwnd())));
  // Entries 2..4 repeat copy 1: cleaned away, so build real distinct ones instead.
  TFormPad& second = StartOther();
  EXPECT_FALSE(second.refused);
  std::vector<std::unique_ptr<TFormPad>> more;
  for (int i = 0; i < 2; ++i) {
    more.push_back(std::make_unique<TFormPad>());
    more.back()->Create(SW_SHOWNORMAL);
  }
  EXPECT_EQ(Table("Compte"), "4");
  const std::string before = ReadTextFile(SettingsFile());
  auto fifth = std::make_unique<TFormPad>();
  fifth->Create(SW_HIDE);
  EXPECT_TRUE(fifth->refused);
  EXPECT_EQ(ReadTextFile(SettingsFile()), before);
  DestroyWindow(fifth->hwnd());
  for (auto& pad : more) DestroyWindow(pad->hwnd());
}

TEST_F(Instances, TheWindowsMenuListsEachCopyAndChecksItsOwn) {
  TFormPad& second = StartOther();
  ProfileWrite(SettingsFile(), "Instances", "1Left", "10");
  pad().WinMenuClick();
  MenuItem* menu = pad().Item("WinMenu");
  ASSERT_EQ(menu->items.size(), 10u);
  EXPECT_EQ(menu->items[8]->caption, "- 1 - ");
  EXPECT_TRUE(menu->items[8]->checked);
  EXPECT_EQ(menu->items[9]->tag, ToWindowId(second.hwnd()));
  EXPECT_FALSE(menu->items[9]->checked);
  EXPECT_EQ(menu->items[9]->hint, "Jump to this Varnock's instance");
  EXPECT_TRUE(pad().Item("WinBack")->enabled);
  EXPECT_TRUE(pad().Item("WinNewW")->enabled);
  // Opened again after the other copy is gone: one entry, no restore.
  DestroyWindow(second.hwnd());
  ProfileDeleteKey(SettingsFile(), "Instances", "1Left");
  pad().WinMenuClick();
  EXPECT_EQ(menu->items.size(), 9u);
  EXPECT_FALSE(pad().Item("WinBack")->enabled);
}

TEST_F(Instances, NewCopyAndArrangeStartTheProgramAndSavePositionsOnce) {
  pad().WinNewWClick();
  StartOther();
  RECT before{};
  GetWindowRect(pad().hwnd(), &before);
  pad().WinVertClick();
  EXPECT_EQ(started, (std::vector<std::string>{"", "/W1"}));
  EXPECT_EQ(Table("DontPos"), "1");
  EXPECT_EQ(Table("1Left"), std::to_string(before.left));
  EXPECT_EQ(Table("2Bottom") != "<none>", true);
  // Moved, arranged again: the first positions stay; restore brings them back.
  MoveWindow(pad().hwnd(), before.left + 50, before.top + 30, 400, 300, TRUE);
  pad().WinCascClick();
  EXPECT_EQ(Table("1Left"), std::to_string(before.left));
  pad().WinBackClick();
  RECT after{};
  GetWindowRect(pad().hwnd(), &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.bottom, before.bottom);
  EXPECT_EQ(Table("DontPos"), "0");
  EXPECT_EQ(Table("1Left"), "<none>");
  EXPECT_EQ(Table("2Left"), "<none>");
}

TEST_F(Instances, AMinimisedWindowSavesItsNormalRectangle) {
  StartOther();
  RECT normal{};
  GetWindowRect(pad().hwnd(), &normal);
  ShowWindow(pad().hwnd(), SW_MINIMIZE);
  pad().WinHoriClick();
  EXPECT_EQ(Table("1Top"), std::to_string(normal.top));
  ShowWindow(pad().hwnd(), SW_RESTORE);
}

TEST_F(Instances, ClosingRenumbersTheOthersAndCloseAllLeavesTheTable) {
  TFormPad& second = StartOther();
  ASSERT_TRUE(pad().FormClose());
  EXPECT_EQ(Table("Compte"), "1");
  EXPECT_EQ(Table("1"), std::to_string(ToWindowId(second.hwnd())));
  EXPECT_EQ(Table("2"), "<none>");
  char text[256] = "";
  GetWindowTextA(second.hwnd(), text, sizeof text);
  EXPECT_STREQ(text, "Varnock v2.9.2 - 1 - ");
  // In a close-all a copy that is not the last leaves its entry.
  TFormPad& third = StartOther();
  ProfileWrite(SettingsFile(), "Instances", "Destroy", "Now");
  ASSERT_TRUE(second.FormClose());
  EXPECT_EQ(Table("1"), std::to_string(ToWindowId(second.hwnd())));
  EXPECT_EQ(Table("2"), std::to_string(ToWindowId(third.hwnd())));
}

// The title's number is read again when the settings file changes, and also when
// another copy renamed the window: on a file system with a coarse clock two writes of
// the same size can leave the file's time and size as they were.
TEST_F(Instances, ARenumberingTheFileTimeCannotShowIsSeenThroughTheTitle) {
  TFormPad& second = StartOther();
  second.SetTitle();
  const std::string file = SettingsFile();
  WIN32_FILE_ATTRIBUTE_DATA before{};
  ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &before));
  // The two copies swap places: the file keeps its size.
  const std::string one = Table("1");
  const std::string two = Table("2");
  ProfileWrite(file, "Instances", "1", two);
  ProfileWrite(file, "Instances", "2", one);
  HANDLE handle =
      CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, 0, nullptr);
  const bool timePutBack =
      handle != INVALID_HANDLE_VALUE && SetFileTime(handle, nullptr, nullptr, &before.ftLastWriteTime);
  if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  ASSERT_TRUE(timePutBack);
  WIN32_FILE_ATTRIBUTE_DATA after{};
  ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &after));
  ASSERT_EQ(after.nFileSizeLow, before.nFileSizeLow);
  // The copy that renumbered would have renamed the window to its new number.
  SetWindowTextA(second.hwnd(), "Varnock v2.9.2 - 1 - ");
  second.SetTitle();
  char text[256] = "";
  GetWindowTextA(second.hwnd(), text, sizeof text);
  EXPECT_STREQ(text, "Varnock v2.9.2 - 1 - ");
  EXPECT_EQ(second.instanceNumber, 1);
}

TEST_F(Instances, AYesWhoseSaveIsCancelledKeepsTheWindowAndStopsTheCloseAll) {
  pad().Rich1.ReplaceSelection("typed");
  ProfileWrite(SettingsFile(), "Instances", "Destroy", "Now");
  boxes->answers = {IDYES};
  SetFileDialogHook([](FileDialogRequest&) { return false; });  // the save dialog cancelled
  EXPECT_FALSE(pad().FormClose());
  SetFileDialogHook(nullptr);
  EXPECT_TRUE(pad().Rich1.Modified());
  EXPECT_EQ(Table("Destroy"), "<none>");
  EXPECT_EQ(Table("1"), std::to_string(ToWindowId(pad().hwnd())));
}

TEST_F(Instances, AReadOnlySettingsFileLetsCopiesRunUnnumbered) {
  const std::string file = SettingsFile();
  WriteTextFile(file, "[Instances]\r\nCompte=4\r\n1=1\r\n2=2\r\n3=3\r\n4=4\r\n");
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
  Restart();
  EXPECT_FALSE(pad().refused);
  pad().SetTitle();
  EXPECT_EQ(Title(), "Varnock v2.9.2 - ");
  EXPECT_FALSE(pad().Item("WinMenu")->visible);
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace varnock::test
