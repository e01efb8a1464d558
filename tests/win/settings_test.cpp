// The settings file: every key loaded and saved, and the rules that decide whether a
// closing copy writes it.
#include "tests/win/harness.h"

#include "win/platform/profile.h"
#include "win/settings/settings_file.h"

namespace varnock::test {
namespace {

using Settings = FormTest;

std::string Value(const std::string& key, const std::string& section = "Varnock") {
  return ProfileRead(SettingsFile(), section, key, "<none>");
}

RECT WindowBounds(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

std::string Checks(TFormPad& pad, int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += pad.Item("TB" + std::to_string(i))->checked ? '1' : '0';
  return text;
}

TEST_F(Settings, FirstStartWithoutAFileTakesTheDefaults) {
  const RECT r = WindowBounds(pad().hwnd());
  EXPECT_EQ(r.left, 60);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(r.right - r.left, 530);
  EXPECT_EQ(r.bottom - r.top, 360);
  EXPECT_EQ(pad().languageName, "English");
  EXPECT_EQ(pad().documentFolder, "C:\\");
  EXPECT_EQ(pad().regFolder, "");
  EXPECT_TRUE(pad().Item("AffColorALL")->checked);
  EXPECT_EQ(pad().fontMode, 1);
  EXPECT_EQ(pad().ToolbarMode(), 1);
  EXPECT_EQ(Checks(pad(), 15), "111111111111111");
  EXPECT_TRUE(pad().Item("DLLdefault")->checked);
  EXPECT_TRUE(pad().Item("AffOptRunInf")->checked);
  EXPECT_EQ(pad().commentColour, 0xFF0000u);
}

TEST_F(Settings, EveryKeyIsLoadedIntoItsPlace) {
  WriteTextFile(SettingsFile(),
                "[Varnock]\r\nLocalisation=Deutsch\r\nTop=70\r\nLeft=90\r\nHeight=300\r\nWidth=400\r\n"
                "SavedPath=D:\\Docs\\\r\nSavedRegPath=E:\\Reg\r\nFont=4\r\nFont_Name=Courier\r\nFont_Size=12\r\n"
                "Font_Charset=0\r\nFont_Color=255\r\nFont_Style=GS\r\nColorCMT=1\r\nColorERR=2\r\nColorSEC=3\r\n"
                "ColorENT=4\r\nTestDLL=1\r\nRunInfGenerique=0\r\nColor=IRI\r\nTextF=\" find me \"\r\n"
                "TextR=with\r\nMenuBar=2\r\nToolButtons=0101\r\n");
  Restart();
  TFormPad& p = pad();
  EXPECT_EQ(p.languageName, "Deutsch");
  const RECT r = WindowBounds(p.hwnd());
  EXPECT_EQ(r.left, 90);
  EXPECT_EQ(r.top, 70);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(r.bottom - r.top, 300);
  EXPECT_EQ(p.documentFolder, "D:\\Docs\\");
  EXPECT_EQ(p.regFolder, "E:\\Reg");
  EXPECT_EQ(p.fontMode, 4);
  EXPECT_EQ(p.fontDiagFont.face, "Courier");
  EXPECT_EQ(p.fontDiagFont.pointSize, 12);
  EXPECT_EQ(p.fontDiagFont.charset, 0);
  EXPECT_EQ(p.fontDiagFont.colour, 255u);
  EXPECT_TRUE(p.fontDiagFont.bold && p.fontDiagFont.underline);
  EXPECT_FALSE(p.fontDiagFont.italic || p.fontDiagFont.strikeOut);
  EXPECT_EQ(p.commentColour, 1u);
  EXPECT_EQ(p.errorColour, 2u);
  EXPECT_EQ(p.sectionColour, 3u);
  EXPECT_EQ(p.entryColour, 4u);
  // SetupX is not there (no 16-bit setup library), so its entry stays disabled and the default holds.
  EXPECT_TRUE(p.Item("DLLdefault")->checked);
  EXPECT_FALSE(p.Item("AffOptRunInf")->checked);
  EXPECT_TRUE(p.Item("AffColorIRI")->checked);
  EXPECT_FALSE(p.Item("AffColorALL")->checked);
  EXPECT_EQ(p.FindDialog.SearchText(), " find me ");
  EXPECT_EQ(p.ReplaceDialog.SearchText(), " find me ");
  EXPECT_EQ(p.ReplaceDialog.ReplaceWith(), "with");
  EXPECT_EQ(p.ToolbarMode(), 2);
  EXPECT_EQ(Checks(p, 15), "010111111111111");  // the layout's checks beyond the value
}

TEST_F(Settings, BadValuesFallBackToTheirDefaults) {
  WriteTextFile(SettingsFile(),
                "[Varnock]\r\nTop=12px\r\nLeft=99999999999\r\nFont=9\r\nFont_Size=200\r\n"
                "Font_Charset=300\r\nFont_Name=" +
                    std::string(40, 'x') +
                    "\r\nColorCMT=blue\r\n"
                    "ColorERR=16777216\r\nColor=iri\r\nTextF=" +
                    std::string(1024, 'f') +
                    "\r\n"
                    "TestDLL=7\r\nLocalisation=\r\n");
  Restart();
  const RECT r = WindowBounds(pad().hwnd());
  EXPECT_EQ(r.left, 60);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(pad().fontMode, 1);
  EXPECT_EQ(pad().fontDiagFont.pointSize, 10);
  EXPECT_EQ(pad().fontDiagFont.charset, 1);
  EXPECT_EQ(pad().fontDiagFont.face, "MS Sans Serif");
  EXPECT_EQ(pad().commentColour, 0xFF0000u);
  EXPECT_EQ(pad().errorColour, 0x0000FFu);
  EXPECT_TRUE(pad().Item("AffColorINF")->checked);  // not recognised: the layout's state
  EXPECT_EQ(pad().FindDialog.SearchText(), "");     // never half a text
  EXPECT_TRUE(pad().Item("DLLdefault")->checked);
  EXPECT_EQ(pad().languageName, "English");
}

TEST_F(Settings, SavedValuesComeBackAfterARestartAndOtherContentSurvives) {
  WriteTextFile(SettingsFile(), "[OldFiles]\r\n1=C:\\a.inf\r\n[Varnock]\r\nMine=kept\r\n[Instances]\r\nCompte=1\r\n");
  Restart();
  TFormPad& p = pad();
  MoveWindow(p.hwnd(), 111, 77, 444, 333, TRUE);
  p.languageName =
      "Fran\xE7"
      "ais";
  p.documentFolder = " C:\\with blanks ";
  p.regFolder = "\"quoted\"";
  p.fontMode = 3;
  p.fontDiagFont.face = "Courier";
  p.fontDiagFont.italic = true;
  p.fontDiagFont.strikeOut = true;
  p.commentColour = 0x123456;
  p.Item("AffColorNO")->CheckRadio();
  p.Item("AffOptRunInf")->checked = false;
  p.Item("TB13")->checked = false;
  p.FindDialog.SetSearchText(" a b ");
  p.ReplaceDialog.SetReplaceWith("'x'");
  p.fSaveSettings(0);
  EXPECT_EQ(Value("Mine"), "kept");
  EXPECT_EQ(Value("1", "OldFiles"), "C:\\a.inf");
  EXPECT_TRUE(ProfileKeys(SettingsFile(), "Instances").empty());
  EXPECT_EQ(Value("Font_Style"), "IB");
  EXPECT_EQ(Value("ToolButtons"), "1111111111110");
  EXPECT_EQ(Value("TestDLL"), "5");

  Restart();
  EXPECT_EQ(pad().languageName,
            "Fran\xE7"
            "ais");
  const RECT r = WindowBounds(pad().hwnd());
  EXPECT_EQ(r.left, 111);
  EXPECT_EQ(r.top, 77);
  EXPECT_EQ(r.right - r.left, 444);
  EXPECT_EQ(r.bottom - r.top, 333);
  EXPECT_EQ(pad().documentFolder, " C:\\with blanks ");
  EXPECT_EQ(pad().regFolder, "\"quoted\"");
  EXPECT_EQ(pad().fontMode, 3);
  EXPECT_EQ(pad().fontDiagFont.face, "Courier");
  EXPECT_TRUE(pad().fontDiagFont.italic && pad().fontDiagFont.strikeOut);
  EXPECT_EQ(pad().commentColour, 0x123456u);
  EXPECT_TRUE(pad().Item("AffColorNO")->checked);
  EXPECT_FALSE(pad().Item("AffOptRunInf")->checked);
  EXPECT_FALSE(pad().Item("TB13")->checked);
  EXPECT_EQ(pad().FindDialog.SearchText(), " a b ");
  EXPECT_EQ(pad().ReplaceDialog.ReplaceWith(), "'x'");
  EXPECT_EQ(pad().ToolbarMode(), 0);
}

// A window of this process standing for another running copy.
struct OtherWindow {
  OtherWindow() {
    hwnd = CreateWindowExA(0, "STATIC", "other", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  }
  ~OtherWindow() {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }
  std::string Handle() const { return std::to_string(static_cast<int>(reinterpret_cast<std::intptr_t>(hwnd))); }
  HWND hwnd;
};

TEST_F(Settings, OnlyTheLastRunningCopyWrites) {
  const std::string own = std::to_string(static_cast<int>(reinterpret_cast<std::intptr_t>(pad().hwnd())));
  // Another copy is a main window of this program (any other window may be a reused handle).
  TFormPad live;
  ASSERT_TRUE(live.Create(SW_HIDE));
  const std::string liveHandle = std::to_string(static_cast<int>(reinterpret_cast<std::intptr_t>(live.hwnd())));
  OtherWindow dead;
  const std::string deadHandle = dead.Handle();
  DestroyWindow(dead.hwnd);
  const struct {
    const char* what;
    std::string instances;
    bool saves;
  } cases[] = {
      {"another live copy", "Compte=2\r\n1=" + own + "\r\n2=" + liveHandle, false},
      {"a crashed copy", "Compte=2\r\n1=" + deadHandle + "\r\n2=" + own, true},
      {"a close-all with a crashed copy", "Compte=2\r\n1=" + deadHandle + "\r\n2=" + own + "\r\nDestroy=Now", false},
      {"this copy alone", "Compte=1\r\n1=" + own, true},
      {"no table", "", true},
  };
  for (const auto& c : cases) {
    WriteTextFile(SettingsFile(), "[Varnock]\r\nTop=5\r\n[Instances]\r\n" + c.instances + "\r\n");
    pad().fSaveSettings(1);
    EXPECT_EQ(Value("Top") != "5", c.saves) << c.what;
    EXPECT_EQ(Value("MenuBar") == "1", c.saves) << c.what;
    EXPECT_EQ(ProfileKeys(SettingsFile(), "Instances").empty(), c.saves || c.instances.empty()) << c.what;
  }
}

TEST_F(Settings, PositionIsStoredOnlyInTheNormalStateAndWhenNotArranged) {
  const std::string original = "[Varnock]\r\nTop=5\r\nLeft=6\r\nWidth=700\r\nHeight=500\r\n";
  WriteTextFile(SettingsFile(), original + "[Instances]\r\nDontPos=1\r\n");
  pad().fSaveSettings(1);
  EXPECT_EQ(Value("Top"), "5");
  EXPECT_EQ(Value("MenuBar"), "1");  // the rest is written
  for (int state : {SW_MAXIMIZE, SW_MINIMIZE}) {
    WriteTextFile(SettingsFile(), original);
    ShowWindow(pad().hwnd(), state);
    Pump(50);
    pad().fSaveSettings(1);
    EXPECT_EQ(Value("Top"), "5") << state;
    EXPECT_EQ(Value("Width"), "700") << state;
    ShowWindow(pad().hwnd(), SW_RESTORE);
    Pump(50);
  }
  WriteTextFile(SettingsFile(), original + "[Instances]\r\nDontPos=0\r\n");
  pad().fSaveSettings(1);
  EXPECT_EQ(Value("Top"), "60");
}

TEST_F(Settings, UnwritableFilesAreGivenUpWithoutABox) {
  const std::string original = "[Varnock]\r\nTop=5\r\n";
  WriteTextFile(SettingsFile(), original);
  SetFileAttributesA(SettingsFile().c_str(), FILE_ATTRIBUTE_READONLY);
  pad().fSaveSettings(1);
  SetFileAttributesA(SettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadTextFile(SettingsFile()), original);
  HANDLE locked = CreateFileA(SettingsFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  pad().fSaveSettings(1);  // gives up after its bounded wait
  CloseHandle(locked);
  EXPECT_EQ(ReadTextFile(SettingsFile()), original);
  DeleteFileA(SettingsFile().c_str());
  pad().fSaveSettings(1);  // a missing file is created
  EXPECT_EQ(Value("Top"), "60");
  EXPECT_TRUE(boxes->shown.empty());
}

TEST_F(Settings, AfterTheUninstallClosingWritesNothing) {
  pad().Item("AffUninst")->checked = true;
  const std::string registered = ReadTextFile(SettingsFile());  // the instance table only
  EXPECT_TRUE(pad().FormClose());
  EXPECT_EQ(Value("Top"), "<none>");
  EXPECT_EQ(registered.find("[Varnock]"), std::string::npos);
  pad().Item("AffUninst")->checked = false;
  EXPECT_TRUE(pad().FormClose());
  EXPECT_EQ(Value("Top"), "60");
}

}  // namespace
}  // namespace varnock::test
