// The INF wizard driven by its control names while it runs modally over a real main window.
#include <functional>

#include "tests/win/harness.h"
#include "win/inftools/browse_folder.h"
#include "win/inftools/inf_wizard.h"
#include "win/inftools/system_folders.h"

namespace varnock::test {
namespace {

std::function<void()> g_whileOpen;

void CALLBACK RunWhileOpen(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  auto steps = std::move(g_whileOpen);
  g_whileOpen = nullptr;
  if (steps) steps();
}

class WizardTest : public FormTest {
 protected:
  void TearDown() override {
    SetFolderBrowser(nullptr);
    FormTest::TearDown();
  }
  TInfWizard& wizard() { return forms->wizard; }
  HWND Control(const char* name) {
    HWND control = wizard().controls.Control(name);
    EXPECT_NE(control, nullptr) << name;
    return control;
  }
  // Opens the wizard through its menu entry and runs `steps` while it is up; a wizard
  // the steps leave open is cancelled.
  void RunWizard(std::function<void()> steps) {
    g_whileOpen = [this, steps] {
      steps();
      if (wizard().Running()) Press("BitBtnCNL");
    };
    SetTimer(nullptr, 0, 1, RunWhileOpen);
    MenuItem* item = pad().Item("AffWizardItem");
    ASSERT_TRUE(item && item->onClick);
    item->onClick(*item);
  }
  void Load(const std::string& name, const std::string& text, bool modified = false) {
    pad().saveDialogFileName = name;
    pad().Rich1.SetText(text);
    pad().Rich1.SetModified(modified);
    pad().SetTitle();
  }
  void Type(const char* field, const std::string& keys) {
    for (char key : keys) SendMessageA(Control(field), WM_CHAR, static_cast<unsigned char>(key), 0);
  }
  void Paste(const char* field, const std::string& text) {
    SendMessageA(Control(field), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void Press(const char* name) { SendMessageA(Control(name), BM_CLICK, 0, 0); }
  bool Checked(const char* name) { return SendMessageA(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  bool Enabled(const char* name) { return IsWindowEnabled(Control(name)) != FALSE; }
  void WaitForPanel() {
    for (int i = 0; i < 600 && wizard().PanelMoving(); ++i) Pump(5);
  }
  void FillNames() {
    Type("EditNomLong", "Acme Application");
    Type("EditNomCourt", "ACME");
  }
};

TEST_F(WizardTest, TitleFollowsTheShortNameAndCancelPutsEverythingBack) {
  Load("C:\\work\\notes.txt", "keep me\r\n");
  const std::string before = Title();
  std::string live;
  bool okWithLongNameOnly = true;
  RunWizard([&] {
    Type("EditNomLong", "Acme");
    okWithLongNameOnly = Enabled("BitBtnOK");
    Type("EditNomCourt", "ACME");
    live = Title();
    Press("BitBtnCNL");
  });
  EXPECT_FALSE(okWithLongNameOnly);
  EXPECT_NE(live.find("C:\\work\\ACME.inf"), std::string::npos) << live;
  EXPECT_EQ(pad().saveDialogFileName, "C:\\work\\notes.txt");
  EXPECT_FALSE(pad().Rich1.Modified());
  EXPECT_EQ(Title(), before);
  EXPECT_EQ(pad().Rich1.Text(), "keep me\r\n");
  EXPECT_TRUE(IsWindowEnabled(pad().hwnd()));
}

TEST_F(WizardTest, TheCloseBoxIsCancel) {
  Load("", "");
  RunWizard([&] {
    FillNames();
    SendMessageA(wizard().hwnd(), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(pad().saveDialogFileName, "");
  EXPECT_EQ(pad().Rich1.Text(), "");
}

TEST_F(WizardTest, OkWritesTheSkeletonAboveTheTextAndNamesTheDocument) {
  pad().documentFolder = "C:\\docs\\";
  Load("", "old line\r\n");
  RunWizard([&] {
    FillNames();
    Press("CheckBox30");
    Press("BitBtnOK");
  });
  const std::string text = pad().Rich1.Text();
  EXPECT_EQ(text.rfind("; *****************************************\r\n; ****   Acme Application   ****\r\n", 0), 0u);
  EXPECT_NE(text.find("[DefaultInstall]\r\nAddReg = ACME.reg\r\n"), std::string::npos);
  EXPECT_NE(text.find("HKLM,\"Software\\ACME\",\"Version\",,\"1.0\""), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 10), "old line\r\n");
  EXPECT_EQ(pad().saveDialogFileName, "C:\\docs\\ACME.inf");
  EXPECT_EQ(pad().openDialogFileName, "C:\\docs\\ACME.inf");
  EXPECT_EQ(pad().saveDialogDefaultExt, "inf");
  EXPECT_TRUE(pad().Rich1.Modified());
  EXPECT_EQ(pad().Rich1.SelStart(), pad().Rich1.TextLength());
  EXPECT_NE(Title().find("ACME.inf"), std::string::npos);
}

TEST_F(WizardTest, OpeningProposesTheNameOfASavedShortInfFile) {
  struct Case {
    const char* file;
    const char* shortName;
    bool modified;
  };
  const Case cases[] = {
      {"C:\\w\\SETUP.INF", "SETUP", false},
      {"C:\\w\\LONGNAME1.INF", "", true},
      {"C:\\w\\SETUP.txt", "", true},
  };
  for (const Case& c : cases) {
    Load(c.file, "");
    std::string shown;
    bool modified = false;
    RunWizard([&] {
      shown = wizard().controls.Text("EditNomCourt");
      modified = pad().Rich1.Modified();
    });
    EXPECT_EQ(shown, c.shortName) << c.file;
    EXPECT_EQ(modified, c.modified) << c.file;
    EXPECT_EQ(pad().saveDialogFileName, c.file);
    EXPECT_FALSE(pad().Rich1.Modified()) << c.file;
  }
}

TEST_F(WizardTest, ShortNameLosesWhatNoFileNameHolds) {
  Load("", "");
  std::string pasted, typed, quoted, limited;
  RunWizard([&] {
    Paste("EditNomCourt", "my app");
    pasted = wizard().controls.Text("EditNomCourt");
    SetWindowTextA(Control("EditNomCourt"), "");
    Type("EditNomCourt", "my app");
    typed = wizard().controls.Text("EditNomCourt");
    SetWindowTextA(Control("EditNomCourt"), "");
    Paste("EditNomCourt", "ab%c\"d");
    quoted = wizard().controls.Text("EditNomCourt");
    SetWindowTextA(Control("EditNomCourt"), "");
    Type("EditNomCourt", "ABCDEFGHIJ");
    limited = wizard().controls.Text("EditNomCourt");
  });
  EXPECT_EQ(pasted, "my");
  EXPECT_EQ(typed, "myapp");
  EXPECT_EQ(quoted, "ab");
  EXPECT_EQ(limited, "ABCDEFGH");
}

TEST_F(WizardTest, SpecialDestinationPanelSlidesAndKeepsTheChosenCode) {
  Load("", "");
  int in = 0, out = 0, chosen = -1, afterUncheck = -1;
  bool radio0 = false, disabled = false;
  RunWizard([&] {
    FillNames();
    Press("CheckBox05");
    Press("CheckBox20");
    Press("CheckBox25");
    WaitForPanel();
    in = wizard().PanelTop();
    radio0 = Checked("RadioButton0");
    Press("RadioButton21");
    chosen = wizard().DestinationCode("CheckBox25");
    Press("SpeedButton1");
    WaitForPanel();
    out = wizard().PanelTop();
    Press("CheckBox05");  // AdvPack off: the special destination goes too
    disabled = !Enabled("CheckBox25") && !Checked("CheckBox25");
    afterUncheck = wizard().DestinationCode("CheckBox25");
  });
  EXPECT_EQ(in, wizard().Scaled(117));
  EXPECT_TRUE(radio0);
  EXPECT_EQ(chosen, 21);
  EXPECT_EQ(out, wizard().Scaled(357));
  EXPECT_TRUE(disabled);
  EXPECT_EQ(afterUncheck, 0);
}

TEST_F(WizardTest, TypingDoesNotEnableWhatTheOptionsForbid) {
  Load("", "");
  bool custom25 = true, custom45 = true, dialog = false;
  RunWizard([&] {
    FillNames();
    Press("CheckBox05");
    Type("EditNomLong", "!");
    custom25 = Enabled("CheckBox25");
    custom45 = Enabled("CheckBox45");
    dialog = Enabled("CheckBox10");
  });
  EXPECT_FALSE(custom25);
  EXPECT_FALSE(custom45);
  EXPECT_TRUE(dialog);
}

TEST_F(WizardTest, DestinationButtonTakesOnlyAChosenFolder) {
  Load("", "");
  std::string title, kept, chosen;
  int calls = 0;
  SetFolderBrowser([&](HWND, const std::string& t, std::string* path) {
    title = t;
    if (++calls == 1) return false;
    *path = "D:\\Apps\\Acme";
    return true;
  });
  RunWizard([&] {
    FillNames();
    Press("CheckBox20");
    const std::string before = wizard().controls.Text("EditPath");
    Press("ButtonPath");
    kept = wizard().controls.Text("EditPath") == before ? "kept" : "changed";
    Press("ButtonPath");
    chosen = wizard().controls.Text("EditPath");
  });
  EXPECT_EQ(title, "Choose a folder for installing your application");
  EXPECT_EQ(kept, "kept");
  EXPECT_EQ(chosen, "D:\\Apps\\Acme");
}

TEST_F(WizardTest, ANewNameOfAnotherExistingFileAsksBeforeTakingIt) {
  pad().documentFolder = TestFolder();
  WriteTextFile(TestFolder() + "ACME.inf", "someone else's\r\n");
  Load("", "");
  boxes->answers = {IDNO, IDYES};
  bool stayed = false;
  RunWizard([&] {
    FillNames();
    Press("BitBtnOK");
    stayed = wizard().Running();
    Press("BitBtnOK");
  });
  EXPECT_TRUE(stayed);
  ASSERT_EQ(boxes->shown.size(), 2u);
  EXPECT_EQ(boxes->shown[0].text, "File already exists, do you wish to replace it ?");
  EXPECT_EQ(boxes->shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
  EXPECT_EQ(pad().saveDialogFileName, TestFolder() + "ACME.inf");
}

TEST_F(WizardTest, RadioButtonsShowTheirFoldersAndTheWin9xVariant) {
  for (const char* name :
       {"Label1", "Label2", "Label10", "Label11", "LabelCU", "LabelNotCompatible", "Panel_adv_dest"}) {
    EXPECT_NE(wizard().controls.Control(name), nullptr) << name;
  }
  const std::string desktop = fGetShellFolder("Desktop", false);
  EXPECT_EQ(wizard().controls.Hint("RadioButton21"), desktop);
  EXPECT_EQ(Enabled("RadioButton21"), !desktop.empty());
  EXPECT_EQ(wizard().controls.Hint("EditNomCourt"), "Some features needs the INF file name");
  EXPECT_TRUE(wizard().RedWarnings());
  wizard().ApplyFolderChoices(1);
  EXPECT_FALSE(Enabled("RadioButton3") || Enabled("RadioButton12") || Enabled("RadioButton14"));
  EXPECT_FALSE(wizard().RedWarnings());
  EXPECT_FALSE(GetWindowLongA(Control("LabelNotCompatible"), GWL_STYLE) & WS_VISIBLE);
  wizard().ApplyFolderChoices(2);
  EXPECT_TRUE(GetWindowLongA(Control("LabelNotCompatible"), GWL_STYLE) & WS_VISIBLE);
}

}  // namespace
}  // namespace varnock::test

namespace varnock::test {
namespace {

std::string MachineValue(const std::string& subkey, const char* name) {
  char buffer[512] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueA(HKEY_LOCAL_MACHINE, subkey.c_str(), name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
    return "";
  return buffer;
}

class WizardInstall : public WizardTest {
 protected:
  void TearDown() override {
    for (const char* key : {"Software\\VKT2", "Software\\VKT3", "Software\\VKT5", "Software\\VKTC"})
      RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
    WizardTest::TearDown();
  }
  // Runs the wizard on the saved, empty `shortName`.inf, then tests it with `library`.
  void WriteAndTest(const std::string& shortName, const char* library, std::function<void()> options) {
    const std::string path = TestFolder() + shortName + ".inf";
    WriteTextFile(path, "");
    Load(path, "");
    RunWizard([&] {
      Type("EditNomLong", "Wizard \"made\" 100%");
      options();
      Press("BitBtnOK");
    });
    MenuItem* entry = pad().Item(library);
    entry->onClick(*entry);
    boxes->answers = {IDYES};  // save first
    MenuItem* test = pad().Item("AffTestItem");
    test->onClick(*test);
  }
  std::string Poll(const std::string& subkey, const char* name) {
    for (int i = 0; i < 400; ++i) {
      const std::string value = MachineValue(subkey, name);
      if (!value.empty()) return value;
      Pump(25);
    }
    return "";
  }
};

TEST_F(WizardInstall, TheSkeletonInstallsThroughEachLibrary) {
  const std::pair<const char*, const char*> libraries[] = {
      {"2", "DLLsetupapi"}, {"3", "DLLadvpack"}, {"5", "DLLdefault"}};
  for (const auto& [code, entry] : libraries) {
    const std::string shortName = std::string("VKT") + code;
    WriteAndTest(shortName, entry, [&] { Press("CheckBox30"); });
    EXPECT_EQ(Poll("Software\\" + shortName, "Version"), "1.0") << entry;
    EXPECT_NE(MachineValue("Software\\" + shortName, "Path").find(shortName + ".exe"), std::string::npos) << entry;
  }
}

// A folder no directory id covers is written -1,PATH, and the files land there.
TEST_F(WizardInstall, FilesAreCopiedToAFolderWithoutDirectoryId) {
  const std::string dest = TestFolder() + "dest";
  for (const char* ext : {".exe", ".hlp"}) WriteTextFile(TestFolder() + "VKTC" + ext, "payload");
  WriteAndTest("VKTC", "DLLsetupapi", [&] {
    Press("CheckBox20");
    SetWindowTextA(Control("EditPath"), dest.c_str());
  });
  EXPECT_NE(pad().Rich1.Text().find("VKTC.Copy   = -1," + dest + "\r\n"), std::string::npos);
  EXPECT_EQ(ReadTextFile(dest + "\\VKTC.exe"), "payload");
  EXPECT_EQ(ReadTextFile(dest + "\\VKTC.hlp"), "payload");
}

}  // namespace
}  // namespace varnock::test
