// The INF author's round trip through the whole program: a wizard skeleton, a real
// install through the setup library, and the generated launcher run from its folder.
#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace e2e {
namespace {

const char kAcmeKey[] = "Software\\ACME";

std::string MachineValue(const char* name) {
  char buffer[512] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, kAcmeKey, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
    return "";
  return buffer;
}

std::string WaitForMachineValue(const char* name) {
  for (int i = 0; i < 200; ++i) {
    const std::string value = MachineValue(name);
    if (!value.empty()) return value;
    Sleep(50);
  }
  return "";
}

// Starts `program` in `folder` (its current directory).
Started StartIn(const std::string& program, const std::string& folder) {
  Started s;
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  s.ok = CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &s.process) != 0;
  return s;
}

class InfRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAcmeKey);
    root = TempFolder() + "e2e-roundtrip\\";
    work = root + "work\\";
    empty = root + "empty\\";
    for (const std::string& folder : {root, root + "app\\", work, empty}) CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& file : {work + "RunInf.exe", empty + "RunInf.exe", root + "app\\Varnock.ini"})
      DeleteFileA(file.c_str());
    ASSERT_TRUE(CopyFileA((ExeFolder() + "Varnock.exe").c_str(), (root + "app\\Varnock.exe").c_str(), FALSE));
    ASSERT_TRUE(WriteFile(work + "ACME.INF", ""));
  }
  void TearDown() override {
    Finish(launcher);
    Finish(editor);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAcmeKey);
  }
  // Answers the next message box of `s` with `button`, returning its text.
  std::string Answer(const Started& s, int button) {
    HWND box = WaitForMessageBox(s);
    if (!box) return "<no box>";
    const std::string text = MessageBoxText(box) + "|" + WindowTitle(box);
    PressButton(box, button);
    Sleep(200);
    return text;
  }
  std::string root, work, empty;
  Started editor, launcher;
};

TEST_F(InfRoundTrip, WizardTestAndLauncher) {
  std::string commandLine = "\"" + root + "app\\Varnock.exe\" " + work + "ACME.INF";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  editor.ok = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, work.c_str(), &startup,
                             &editor.process) != 0;
  HWND main = WaitForMainWindow(editor);
  ASSERT_NE(main, nullptr);
  SetForegroundWindow(main);
  Sleep(200);

  PressKeys({VK_MENU, 'O'});  // T&ools
  PressKeys({'Z'});           // INF file Wi&zard
  HWND wizard = WaitForTopLevel(editor, "TInfWizard");
  ASSERT_NE(wizard, nullptr);
  char shortName[32] = "";
  GetDlgItemTextA(wizard, 1002, shortName, sizeof shortName);
  EXPECT_STREQ(shortName, "ACME");
  SendDlgItemMessageA(wizard, 1001, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("ACME Tools for every desk"));
  SendDlgItemMessageA(wizard, 1130, BM_CLICK, 0, 0);  // CheckBox30: registry
  PostMessageA(wizard, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  Sleep(500);
  EXPECT_FALSE(IsWindowVisible(wizard));

  SetForegroundWindow(main);
  PressKeys({VK_MENU, 'P'});  // O&ptions
  PressKeys({'S'});           // Te&sting with ...: OS Default, SetupX.dll, Setupapi.dll
  PressKeys({VK_DOWN});
  PressKeys({VK_DOWN});
  PressKeys({VK_RETURN});

  PressKeys({VK_MENU, 'O'});
  PressKeys({'T'});  // &Test the INF file
  EXPECT_EQ(Answer(editor, IDYES), "You must save file before testing it,\rSave file now ?|Varnock");
  EXPECT_EQ(WaitForMachineValue("Version"), "1.0");
  EXPECT_NE(MachineValue("Path").find("ACME.exe"), std::string::npos) << MachineValue("Path");
  EXPECT_NE(ReadFile(work + "ACME.INF").find("[ACME.Reg]"), std::string::npos);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, kAcmeKey);

  SetForegroundWindow(main);
  PressKeys({VK_MENU, 'O'});
  PressKeys({'G'});  // &Generate launcher (custom)
  EXPECT_EQ(Answer(editor, IDOK).rfind(work + "RunInf.exe has been successfully created.", 0), 0u);

  launcher = StartIn(work + "RunInf.exe", work);
  EXPECT_EQ(Answer(launcher, IDNO), "Do you want to install: ACME ?|RunInf");
  EXPECT_EQ(WaitForExit(launcher), 0);
  Finish(launcher);
  EXPECT_EQ(MachineValue("Version"), "");

  launcher = StartIn(work + "RunInf.exe", work);
  EXPECT_EQ(Answer(launcher, IDYES), "Do you want to install: ACME ?|RunInf");
  EXPECT_EQ(WaitForMachineValue("Version"), "1.0");
  Finish(launcher);

  ASSERT_TRUE(CopyFileA((work + "RunInf.exe").c_str(), (empty + "RunInf.exe").c_str(), FALSE));
  launcher = StartIn(empty + "RunInf.exe", empty);
  EXPECT_EQ(Answer(launcher, IDOK), "Inf file not found.  |Error Message");
}

// The pristine (generic) launcher in a deep folder with a long INF name: its command
// (about 280 characters) goes whole to the setup library. Wine's setup library ignores
// INF paths beyond about 240 characters, so the path stays below that.
TEST_F(InfRoundTrip, LauncherTakesALongFolderAndName) {
  const char kLongKey[] = "Software\\VarnockLongLauncher";
  RegDeleteTreeA(HKEY_CURRENT_USER, kLongKey);
  std::string folder = root + "deep";
  CreateDirectoryA(folder.c_str(), nullptr);
  while (folder.size() < 150) {
    folder += "\\a-rather-long-folder-name";
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  folder += "\\";
  const std::string stem = "a-long-inf-file-name-for-the-launcher-0123456";
  ASSERT_TRUE(WriteFile(folder + stem + ".inf", std::string("[Version]\r\nsignature=\"$CHICAGO$\"\r\n\r\n"
                                                            "[DefaultInstall]\r\nAddReg = r\r\n\r\n[r]\r\n"
                                                            "HKCU,\"") +
                                                    kLongKey + "\",\"Value\",,\"ok\"\r\n"));
  ASSERT_TRUE(CopyFileA((ExeFolder() + "launcher\\RunInf.exe").c_str(), (folder + "RunInf.exe").c_str(), FALSE));
  launcher = StartIn(folder + "RunInf.exe", folder);
  EXPECT_EQ(Answer(launcher, IDYES), "Do you want to install: " + stem + " ?|RunInf");
  std::string value;
  for (int i = 0; i < 200 && value.empty(); ++i, Sleep(50)) {
    char buffer[64] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueA(HKEY_CURRENT_USER, kLongKey, "Value", RRF_RT_REG_SZ, nullptr, buffer, &size) == ERROR_SUCCESS)
      value = buffer;
  }
  EXPECT_EQ(value, "ok");
  RegDeleteTreeA(HKEY_CURRENT_USER, kLongKey);
}

}  // namespace
}  // namespace e2e
