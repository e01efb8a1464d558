// The LDID, Shell Folders and [Strings] insertion menus: what they show, what a click
// inserts, and the folders they take from the registry.
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/win/harness.h"
#include "win/app/menu_layout.h"
#include "win/inftools/system_folders.h"

namespace varnock::test {
namespace {

const char kShellFolders[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A string value read with the raw API, or empty.
std::string RawString(HKEY root, const char* subkey, const char* name) {
  char data[4096] = "";
  DWORD size = sizeof data;
  if (RegGetValueA(root, subkey, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, data, &size) !=
      ERROR_SUCCESS)
    return "";
  return data;
}

void SetRawString(HKEY root, const char* subkey, const char* name, const std::string& value) {
  RegSetKeyValueA(root, subkey, name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void DeleteRawValue(HKEY root, const char* subkey, const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, subkey, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name);
  RegCloseKey(key);
}

// The identifier a caption starts with, "%...%", read independently of the program.
std::string LeadingIdentifier(const std::string& caption) {
  if (caption.empty() || caption[0] != '%') return "";
  const std::size_t close = caption.find('%', 1);
  return close == std::string::npos ? "" : caption.substr(0, close + 1);
}

class InfMenus : public FormTest {
 protected:
  // Clicks a menu entry through the window's command path.
  void Click(const std::string& name) {
    MenuItem* item = pad().Item(name);
    ASSERT_NE(item, nullptr) << name;
    SendMessageA(pad().hwnd(), WM_COMMAND, MAKEWPARAM(item->id, 0), 0);
  }
  // Puts text in the control and selects `length` characters from `start`.
  void TextWithSelection(const std::string& text, long start, long length) {
    pad().Rich1.SetText(text);
    pad().Rich1.SetModified(false);
    pad().Rich1.Select(start, length);
  }
  // Opens the [Strings] sub-menu as the user would and returns its real entries.
  std::vector<std::string> OpenStringsMenu() {
    MenuItem* strings = pad().Item("AffStrings");
    SendMessageA(pad().hwnd(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(strings->handle), 0);
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(strings->handle); ++i) {
      char text[512] = "";
      GetMenuStringA(strings->handle, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      texts.push_back(text);
    }
    return texts;
  }
  void OpenDocument(const std::string& name, const std::string& text) {
    const std::string path = TestFolder() + name;
    WriteTextFile(path, text);
    pad().fOpenFile(path);
    pad().fDelStrings();
  }
};

TEST_F(InfMenus, EveryLdidEntryInsertsTheIdentifierItShowsInPlaceOfTheSelection) {
  for (const std::string& name : LdidInsertEntryNames()) {
    const std::string caption = pad().Item(name)->caption;
    const std::string identifier = LeadingIdentifier(caption);
    ASSERT_FALSE(identifier.empty()) << name << " " << caption;
    TextWithSelection("abc XYZ def", 4, 3);
    Click(name);
    EXPECT_EQ(pad().Rich1.Text(), "abc " + identifier + " def") << name;
    EXPECT_EQ(pad().Rich1.SelStart(), static_cast<long>(4 + identifier.size())) << name;
    EXPECT_TRUE(pad().Rich1.Modified()) << name;
    EXPECT_TRUE(pad().Rich1.CanUndo()) << name;
  }
  for (const std::string& name : LdidEntriesWithoutAction()) {
    TextWithSelection("abc", 1, 1);
    Click(name);
    EXPECT_EQ(pad().Rich1.Text(), "abc") << name;
  }
}

TEST_F(InfMenus, LdidHintsAreTheFoldersOfThisSystem) {
  const std::string windows =
      RawString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot");
  ASSERT_FALSE(windows.empty());
  EXPECT_EQ(fGetWinDir(), windows);
  EXPECT_EQ(pad().Item("LDID10")->hint, windows);
  EXPECT_EQ(pad().Item("LDID11")->hint, windows + "\\System32");
  EXPECT_EQ(pad().Item("LDID17")->hint, windows + "\\Inf");
  EXPECT_EQ(pad().Item("LDID20")->hint, windows + "\\Fonts");
  EXPECT_EQ(pad().Item("LDID24")->hint, windows.substr(0, 3));
  EXPECT_EQ(pad().Item("LDID25")->hint, windows);
  EXPECT_EQ(pad().Item("LDID30")->hint,
            RawString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir"));
  EXPECT_EQ(pad().Item("LDID01")->hint, "INF file current dir");  // not a folder of this system
  // The conversions use the same folders.
  EXPECT_EQ(fPathToLDID(windows + "\\SYSTEM32\\drivers"), "%11%\\drivers");
  EXPECT_EQ(fPathToDirID(windows + "\\Media"), "10,Media");
  EXPECT_EQ(fPathToLDID(fGetProgramFilesDir() + "\\Acme"), "%24%\\PROGRA~1\\Acme");
}

TEST_F(InfMenus, ShellFolderEntriesShowAndInsertTheirPathAndHideWhenItIsMissing) {
  const std::string desktop = RawString(HKEY_CURRENT_USER, kShellFolders, "Desktop");
  ASSERT_FALSE(desktop.empty());
  EXPECT_EQ(pad().Item("sfBureauU")->hint, desktop);
  EXPECT_TRUE(pad().Item("sfBureauU")->visible);
  EXPECT_EQ(pad().Item("sfDocs")->hint, RawString(HKEY_LOCAL_MACHINE, kShellFolders, "Common Documents"));
  EXPECT_EQ(pad().Item("sfDocsU")->hint, RawString(HKEY_CURRENT_USER, kShellFolders, "Personal"));
  // TEMP as stored, its %SystemRoot% not expanded.
  EXPECT_EQ(pad().Item("sfTEMP")->hint,
            RawString(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment", "TEMP"));
  const std::string source =
      RawString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Setup", "SourcePath");
  EXPECT_EQ(pad().Item("sfSourcePath")->visible, !source.empty());
  EXPECT_EQ(pad().Item("sfPF")->hint, fGetProgramFilesDir());

  TextWithSelection("[x]", 1, 1);
  Click("sfBureauU");
  EXPECT_EQ(pad().Rich1.Text(), "[" + desktop + "]");

  // A folder the registry no longer holds hides its entry at the next refresh.
  const std::string personal = RawString(HKEY_CURRENT_USER, kShellFolders, "Personal");
  DeleteRawValue(HKEY_CURRENT_USER, kShellFolders, "Personal");
  pad().fRefreshFolderMenus();
  EXPECT_FALSE(pad().Item("sfDocsU")->visible);
  EXPECT_EQ(pad().Item("sfDocsU")->hint, "");
  SetRawString(HKEY_CURRENT_USER, kShellFolders, "Personal", personal);
  pad().fRefreshFolderMenus();
  EXPECT_TRUE(pad().Item("sfDocsU")->visible);
  EXPECT_EQ(pad().Item("sfDocsU")->hint, personal);
}

TEST_F(InfMenus, MissingAllUsersStartMenuIsFoundAboveTheStartupFolder) {
  const std::string startMenu = RawString(HKEY_LOCAL_MACHINE, kShellFolders, "Common Start Menu");
  const std::string programs = RawString(HKEY_LOCAL_MACHINE, kShellFolders, "Common Programs");
  const std::string startup = RawString(HKEY_LOCAL_MACHINE, kShellFolders, "Common Startup");
  SetRawString(HKEY_LOCAL_MACHINE, kShellFolders, "Common Startup", "C:\\All\\Start Menu\\Programs\\Startup");
  DeleteRawValue(HKEY_LOCAL_MACHINE, kShellFolders, "Common Start Menu");
  DeleteRawValue(HKEY_LOCAL_MACHINE, kShellFolders, "Common Programs");
  const std::string foundStartMenu = fGetShellFolder("Start Menu", true);
  const std::string foundPrograms = fGetShellFolder("Programs", true);
  SetRawString(HKEY_LOCAL_MACHINE, kShellFolders, "Common Start Menu", startMenu);
  SetRawString(HKEY_LOCAL_MACHINE, kShellFolders, "Common Programs", programs);
  SetRawString(HKEY_LOCAL_MACHINE, kShellFolders, "Common Startup", startup);
  EXPECT_EQ(foundStartMenu, "C:\\All\\Start Menu");
  EXPECT_EQ(foundPrograms, "C:\\All\\Start Menu\\Programs");
  EXPECT_EQ(fGetShellFolder("Start Menu", true), startMenu);
}

TEST_F(InfMenus, StringsMenuOffersTheDocumentsKeysInReverseOrder) {
  OpenDocument("setup.Inf",
               "[Version]\r\nSignature=\"$CHICAGO$\"\r\n[Strings]\r\nAppName = \"My Tool\"\r\n"
               "Vendor=\"Acme\";maker\r\nVer = \"1.0\" ; comment\r\nPath = C:\\Tools\r\n[Strings.0409]\r\n"
               "Other=\"no\"\r\n");
  EXPECT_EQ(OpenStringsMenu(), (std::vector<std::string>{"\"Acme\"", "\"My Tool\""}));
  MenuItem* strings = pad().Item("AffStrings");
  EXPECT_EQ(strings->items[1]->hint, "%AppName%");
  const UINT firstId = strings->items[0]->id;

  pad().Rich1.Select(0, 1);  // the "[" of [Version]
  Click(strings->items[1]->name);
  EXPECT_EQ(pad().Rich1.Text().substr(0, 19), "%AppName%Version]\r\n");

  // Rebuilt at each opening from the text as it is now.
  pad().Rich1.Select(pad().Rich1.TextLength(), 0);
  pad().Rich1.ReplaceSelection("[strings]\r\nLast = \"z\"\r\n");
  EXPECT_EQ(OpenStringsMenu(), (std::vector<std::string>{"\"z\"", "\"Acme\"", "\"My Tool\""}));
  EXPECT_EQ(strings->items[0]->id, firstId);  // entries are reused, not re-created
  pad().Rich1.SetText("[Strings]\r\nnothing quoted = 1\r\n");
  EXPECT_EQ(OpenStringsMenu(), std::vector<std::string>{"- empty -"});
  Click("AffStringsEmpty");
  EXPECT_EQ(pad().Rich1.Text(), "[Strings]\r\nnothing quoted = 1\r\n");
}

TEST_F(InfMenus, StringsMenuStaysEmptyForOtherDocuments) {
  const std::string text = "[Strings]\r\nAppName=\"My Tool\"\r\n";
  OpenDocument("setup.ini", text);
  EXPECT_FALSE(pad().Item("AffStrings")->onClick);
  EXPECT_EQ(OpenStringsMenu(), std::vector<std::string>{"- empty -"});
  OpenDocument("setup.inf", text);
  EXPECT_EQ(OpenStringsMenu(), std::vector<std::string>{"\"My Tool\""});
  // Back to a document that is not an INF file: the old entries are gone.
  OpenDocument("notes.txt", text);
  EXPECT_EQ(OpenStringsMenu(), std::vector<std::string>{"- empty -"});
  EXPECT_EQ(pad().Item("AffStrings")->items.size(), 1u);
}

// On the 95/98/Me family the Windows folder is read from another key and the system
// folder is "System". Wine reports that family per program, so this runs in a child
// copy of the test program that Wine is told is Windows 98.
constexpr const char* kChildFlag = "VARNOCK_CHILD_INF98";

bool SetWin98(bool on) {
  const char* key = "Software\\Wine\\AppDefaults\\win_tests.exe";
  if (on) {
    SetRawString(HKEY_CURRENT_USER, key, "Version", "win98");
    return RawString(HKEY_CURRENT_USER, key, "Version") == "win98";
  }
  DeleteRawValue(HKEY_CURRENT_USER, key, "Version");
  return true;
}

TEST_F(InfMenus, Windows98ChildUsesTheNineXFolders) {
  if (!getenv(kChildFlag)) GTEST_SKIP() << "runs inside the Windows 98 child only";
  EXPECT_EQ(fPlatformId(), 1);
  // The version text names the family, and the entries it lacks are hidden.
  EXPECT_EQ(pad().Item("sfWinVer")->caption.rfind("Windows 98 4.10", 0), 0u) << pad().Item("sfWinVer")->caption;
  for (const char* name : {"LDID_CU", "LDID_AllU", "LDID53", "LDID16422", "LDID16427"})
    EXPECT_FALSE(pad().Item(name)->visible) << name;
  const std::string windows =
      RawString(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "SystemRoot");
  EXPECT_EQ(fGetWinDir(), windows.empty() ? "C:\\WINDOWS" : windows);
  EXPECT_EQ(pad().Item("LDID11")->hint, fGetWinDir() + "\\System");
  EXPECT_EQ(fPathToLDID(fGetWinDir() + "\\SYSTEM\\x"), "%11%\\x");
  EXPECT_EQ(fPathToLDID(fGetWinDir() + "\\SYSTEM32\\x"), "%25%\\SYSTEM32\\x");
}

TEST(InfMenusParent, Windows98UsesTheNineXFolders) {
  if (getenv(kChildFlag)) GTEST_SKIP();
  ASSERT_TRUE(SetWin98(true));
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string command = std::string("\"") + self + "\" --gtest_filter=InfMenus.Windows98ChildUsesTheNineXFolders";
  SetEnvironmentVariableA(kChildFlag, "1");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  DWORD code = 99;
  if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, 60000);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
  SetEnvironmentVariableA(kChildFlag, nullptr);
  SetWin98(false);
  EXPECT_EQ(code, 0u);
}

}  // namespace
}  // namespace varnock::test
