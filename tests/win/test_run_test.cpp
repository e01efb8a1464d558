// Testing INF files through the setup libraries and merging REG files: the boxes, and
// real runs under Wine that change the registry.
#include <functional>

#include "tests/win/harness.h"
#include "win/platform/file_dialogs.h"

namespace varnock::test {
namespace {

const char kTestKey[] = "Software\\VarnockTestRun";

std::string ReadValue(const std::string& subkey, const char* name) {
  char buffer[256] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueA(HKEY_CURRENT_USER, subkey.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
    return "";
  return buffer;
}

// Polls for an asynchronous install (bounded).
std::string WaitForValue(const std::string& subkey, const char* name) {
  for (int i = 0; i < 400; ++i) {
    const std::string value = ReadValue(subkey, name);
    if (!value.empty()) return value;
    Pump(25);
  }
  return "";
}

class TestRun : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
  }
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
    SetFileDialogHook(nullptr);
    FormTest::TearDown();
  }
  void Load(const std::string& name, const std::string& text, bool modified) {
    pad().saveDialogFileName = name;
    pad().Rich1.SetText(text);
    pad().Rich1.SetModified(modified);
    pad().SetTitle();
  }
  void Click(const char* entry) {
    MenuItem* item = pad().Item(entry);
    ASSERT_TRUE(item && item->onClick) << entry;
    item->onClick(*item);
  }
  std::string InstallingInf(const std::string& code) {
    return "[Version]\r\nsignature=\"$CHICAGO$\"\r\n\r\n[DefaultInstall]\r\nAddReg = r\r\n\r\n[r]\r\nHKCU,\"" +
           std::string(kTestKey) + "\\Code" + code + "\",\"Value\",,\"ok\"\r\n";
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const PromptRequest& r : boxes->shown) texts.push_back(r.text);
    return texts;
  }
};

TEST_F(TestRun, SetupLibrariesFoundAtStartUp) {
  // Wine's libraries carry no version resource: the hint is the prefix alone, no box.
  EXPECT_TRUE(pad().Item("DLLsetupapi")->enabled);
  EXPECT_EQ(pad().Item("DLLsetupapi")->hint, "SetupApi.dll ");
  EXPECT_TRUE(pad().Item("DLLadvpack")->enabled);
  EXPECT_EQ(pad().Item("DLLadvpack")->hint, "AdvPack.dll ");
  EXPECT_FALSE(pad().Item("DLLsetupx")->enabled);
  EXPECT_EQ(pad().Item("DLLsetupx")->hint, "SetupX.dll not found !");
  EXPECT_TRUE(boxes->shown.empty());
}

TEST_F(TestRun, ChoosingALibraryChecksOnlyIt) {
  Click("DLLadvpack");
  EXPECT_TRUE(pad().Item("DLLadvpack")->checked);
  EXPECT_FALSE(pad().Item("DLLdefault")->checked || pad().Item("DLLsetupapi")->checked ||
               pad().Item("DLLsetupx")->checked);
  Click("DLLdefault");
  EXPECT_TRUE(pad().Item("DLLdefault")->checked);
  EXPECT_FALSE(pad().Item("DLLadvpack")->checked);
}

TEST_F(TestRun, RefusalsAreBoxesWithTheirTexts) {
  struct Case {
    std::function<void(TFormPad&)> run;
    const char* text;
    UINT type;
  };
  const std::string missing = TestFolder() + "missing.inf";
  const Case cases[] = {
      {[](TFormPad& p) { p.fTestInf("C:\\x\\notes.txt", "2"); }, "This is not an INF file !", MB_OK | MB_ICONERROR},
      {[&](TFormPad& p) { p.fTestInf(missing, "2"); }, "Unable to open INF file !", MB_OK | MB_ICONERROR},
      {[](TFormPad& p) { p.fMergeReg("C:\\x\\a.inf"); }, "This is not an REG file !", MB_OK | MB_ICONERROR},
      {[&](TFormPad& p) { p.fMergeReg(TestFolder() + "missing.reg"); }, "Unable to open INF file !",
       MB_OK | MB_ICONERROR},
  };
  for (const Case& c : cases) {
    boxes->shown.clear();
    c.run(pad());
    ASSERT_EQ(boxes->shown.size(), 1u) << c.text;
    EXPECT_EQ(boxes->shown[0].text, c.text);
    EXPECT_EQ(boxes->shown[0].type, c.type);
  }
  boxes->shown.clear();
  pad().fTestInf("", "2");
  pad().fMergeReg("");
  EXPECT_TRUE(boxes->shown.empty());
}

// Points the system's Windows folder elsewhere for the life of the object.
class WindowsFolderMoved {
 public:
  explicit WindowsFolderMoved(const char* folder) {
    DWORD size = sizeof saved_;
    RegGetValueA(HKEY_LOCAL_MACHINE, kKey, "SystemRoot", RRF_RT_REG_SZ, nullptr, saved_, &size);
    Set(folder);
  }
  ~WindowsFolderMoved() { Set(saved_); }

 private:
  static constexpr const char* kKey = "Software\\Microsoft\\Windows NT\\CurrentVersion";
  void Set(const char* folder) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, kKey, "SystemRoot", REG_SZ, folder, static_cast<DWORD>(strlen(folder) + 1));
  }
  char saved_[MAX_PATH] = "C:\\windows";
};

TEST_F(TestRun, AProgramThatCannotStartIsReportedWithTheSystemsText) {
  const std::string inf = TestFolder() + "x.inf", reg = TestFolder() + "x.reg";
  WriteTextFile(inf, InstallingInf("2"));
  WriteTextFile(reg, "REGEDIT4\r\n");
  {
    WindowsFolderMoved moved("C:\\no-windows-here");
    pad().fTestInf(inf, "2");
    pad().fMergeReg(reg);
  }
  ASSERT_EQ(boxes->shown.size(), 2u);
  EXPECT_EQ(boxes->shown[0].text.rfind("Testing INF file, spawnl error:\r", 0), 0u);
  EXPECT_GT(boxes->shown[0].text.size(), std::string("Testing INF file, spawnl error:\r").size());
  EXPECT_EQ(boxes->shown[1].text.rfind("Merging REG file, spawnl error:\r", 0), 0u);
  for (const PromptRequest& box : boxes->shown) EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(ReadValue(std::string(kTestKey) + "\\Code2", "Value"), "");
}

TEST_F(TestRun, AnUnsavedDocumentIsSavedFirstOrNothingRuns) {
  int dialogs = 0;
  SetFileDialogHook([&](FileDialogRequest&) {
    ++dialogs;
    return false;  // the user cancels the save dialog
  });
  Load("", InstallingInf("2"), true);
  boxes->answers = {IDNO};
  Click("AffTestItem");
  boxes->answers = {IDYES};
  Click("AffTestItem");
  ASSERT_EQ(boxes->shown.size(), 2u);
  EXPECT_EQ(boxes->shown[0].text, "You must save file before testing it,\rSave file now ?");
  EXPECT_EQ(boxes->shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(ReadValue(std::string(kTestKey) + "\\Code2", "Value"), "");
}

TEST_F(TestRun, AModifiedDocumentRunsOnlyOnceSaved) {
  const std::string path = TestFolder() + "setup.inf";
  WriteTextFile(path, "[Version]\r\n");  // stale on disk
  Load(path, InstallingInf("2"), true);
  Click("DLLsetupapi");
  boxes->answers = {IDYES};
  Click("AffTestItem");
  EXPECT_EQ(ReadTextFile(path), InstallingInf("2"));
  EXPECT_EQ(ReadValue(std::string(kTestKey) + "\\Code2", "Value"), "ok");
}

TEST_F(TestRun, ARefusedSaveNeverRunsTheStaleFile) {
  const std::string path = TestFolder() + "stale.inf";
  WriteTextFile(path, InstallingInf("2"));  // on disk: would install
  Load(path, "[Version]\r\n", true);
  pad().wasUnicode = true;
  Click("DLLsetupapi");
  boxes->answers = {IDYES, IDNO};  // save now, but keep the UNICODE version
  Click("AffTestItem");
  ASSERT_EQ(boxes->shown.size(), 2u);
  EXPECT_EQ(ReadTextFile(path), InstallingInf("2"));
  EXPECT_EQ(ReadValue(std::string(kTestKey) + "\\Code2", "Value"), "");
}

TEST_F(TestRun, EachLibraryAppliesDefaultInstall) {
  for (const char* code : {"2", "3", "5"}) {
    const std::string path = TestFolder() + "code" + code + ".inf";
    WriteTextFile(path, InstallingInf(code));
    pad().fTestInf(path, code);
    EXPECT_EQ(WaitForValue(std::string(kTestKey) + "\\Code" + code, "Value"), "ok") << "code " << code;
  }
  EXPECT_TRUE(boxes->shown.empty());
}

TEST_F(TestRun, MergeImportsTheRegFile) {
  const std::string path = TestFolder() + "merge me.reg";
  WriteTextFile(path,
                "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kTestKey) + "\\Merge]\r\n\"V\"=\"1\"\r\n\r\n");
  Load(path, "", false);
  Click("AffRegFus");
  EXPECT_EQ(ReadValue(std::string(kTestKey) + "\\Merge", "V"), "1");
  EXPECT_TRUE(boxes->shown.empty());
}

TEST_F(TestRun, AModifiedRegDocumentIsSavedThenMerged) {
  const std::string path = TestFolder() + "edited.reg";
  const std::string text =
      "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kTestKey) + "\\Edited]\r\n\"V\"=\"2\"\r\n\r\n";
  WriteTextFile(path, "REGEDIT4\r\n");
  Load(path, text, true);
  boxes->answers = {IDYES};
  Click("AffRegFus");
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text, "You must save file before testing it,\rSave file now ?");
  EXPECT_EQ(ReadValue(std::string(kTestKey) + "\\Edited", "V"), "2");
}

}  // namespace
}  // namespace varnock::test
