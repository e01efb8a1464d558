// Generating RunInf.exe: the boxes, the patched fields read back through the system's
// version API, and the safe write.
#include <vector>

#include "core/launcher/launcher_fields.h"
#include "core/launcher/runinf_patch.h"
#include "tests/win/harness.h"
#include "win/inftools/launcher_image.h"
#include "win/platform/file_dialogs.h"

namespace varnock::test {
namespace {

std::string FileDescription(const std::string& path) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return "<no version resource>";
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return "<unreadable>";
  wchar_t* text = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\StringFileInfo\\040904E4\\FileDescription", reinterpret_cast<void**>(&text),
                      &length))
    return "<no description>";
  std::string ascii;
  for (UINT i = 0; i < length && text[i]; ++i) ascii += static_cast<char>(text[i]);
  return ascii;
}

class Launcher : public FormTest {
 protected:
  void TearDown() override {
    SetFileDialogHook(nullptr);
    FormTest::TearDown();
  }
  void Load(const std::string& name) {
    pad().saveDialogFileName = name;
    pad().Rich1.SetText("[Version]\r\n");
    pad().Rich1.SetModified(false);
    pad().SetTitle();
  }
  void Generate() {
    MenuItem* item = pad().Item("AffExeItem");
    ASSERT_TRUE(item && item->onClick);
    item->onClick(*item);
  }
  void Generic() {
    MenuItem* option = pad().Item("AffOptRunInf");
    if (option->checked) option->onClick(*option);
  }
  std::string Target() const { return TestFolder() + "RunInf.exe"; }
  const PromptRequest& LastBox() const { return boxes->shown.back(); }
};

TEST_F(Launcher, TheEmbeddedImageHoldsEachFieldOnce) {
  const std::string image = LauncherImage();
  ASSERT_FALSE(image.empty());
  EXPECT_EQ(image.substr(0, 2), "MZ");
  LauncherFields fields;
  std::string error;
  EXPECT_TRUE(FindLauncherFields(image, &fields, &error)) << error;
}

TEST_F(Launcher, CustomLauncherNamesTheInfFile) {
  Load(TestFolder() + "SETUP.INF");
  Generate();
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(LastBox().text,
            TestFolder() + "RunInf.exe has been successfully created.\r\rIt will only install SETUP.INF");
  EXPECT_EQ(LastBox().type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
  EXPECT_EQ(FileDescription(Target()), "Will install :  SETUP.INF         ");
  const std::string written = ReadTextFile(Target());
  EXPECT_NE(written.find(std::string("SETUP.INF") + std::string(RUNINF_PATTERN_SIZE - 9, '\0')), std::string::npos);
}

TEST_F(Launcher, GenericAndFrenchVariants) {
  struct Case {
    const char* language;
    const char* description;
  };
  const Case cases[] = {{"English", "Will install any INF file.        "},
                        {"Francais", "Installation de tout fichier INF. "}};
  Generic();
  pad().documentFolder = TestFolder();
  Load("");  // untitled: the document folder, no question
  for (const Case& c : cases) {
    DeleteFileA(Target().c_str());
    boxes->shown.clear();
    pad().languageName = c.language;
    Generate();
    ASSERT_EQ(boxes->shown.size(), 1u);
    EXPECT_EQ(LastBox().text,
              TestFolder() + "RunInf.exe has been successfully created.\r\rIt will install any found INF file ...");
    EXPECT_EQ(FileDescription(Target()), c.description);
  }
}

TEST_F(Launcher, RefusalsWriteNothing) {
  struct Case {
    const char* file;
    const char* text;
  };
  const Case cases[] = {
      {"LONGSETUP.INF", "The name of this INF file is too long !\r(Max 8 chars)"},
      {"notes.txt", "This is not an INF file !"},
  };
  for (const Case& c : cases) {
    boxes->shown.clear();
    Load(TestFolder() + c.file);
    Generate();
    ASSERT_EQ(boxes->shown.size(), 1u) << c.file;
    EXPECT_EQ(LastBox().text, c.text);
    EXPECT_EQ(LastBox().type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(GetFileAttributesA(Target().c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

TEST_F(Launcher, UntitledDocumentAsksForANameInBothModes) {
  int dialogs = 0;
  SetFileDialogHook([&](FileDialogRequest&) {
    ++dialogs;
    return false;
  });
  pad().documentFolder = "";
  Load("");
  boxes->answers = {IDNO, IDYES, IDYES};
  Generate();
  Generate();  // Yes, then the save dialog is cancelled
  Generic();
  Generate();  // no folder known either
  ASSERT_EQ(boxes->shown.size(), 3u);
  for (const PromptRequest& box : boxes->shown) {
    EXPECT_EQ(box.text,
              "Varnock must know INF file's name to create\rRunInf.exe.\rDo you want to save the INF file now ?");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
  }
  EXPECT_EQ(dialogs, 2);
}

TEST_F(Launcher, AnExistingLauncherIsReplacedOnlyOnYes) {
  Load(TestFolder() + "SETUP.INF");
  WriteTextFile(Target(), "old launcher");
  boxes->answers = {IDNO};
  Generate();
  EXPECT_EQ(LastBox().text, TestFolder() + "RunInf.exe already exists,\rdo you wish to replace it ?");
  EXPECT_EQ(ReadTextFile(Target()), "old launcher");
  // Held by another program (the read-only attribute does not bind root under Wine).
  HANDLE held = CreateFileA(Target().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  boxes->shown.clear();
  Generate();
  CloseHandle(held);
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(LastBox().text,
            TestFolder() + "RunInf.exe already exists,\rand is ReadOnly.\rUnable to create RunInf.exe !");
  EXPECT_EQ(ReadTextFile(Target()), "old launcher");
  boxes->answers = {IDYES};
  Generate();
  EXPECT_EQ(FileDescription(Target()), "Will install :  SETUP.INF         ");
}

TEST_F(Launcher, AFailedWriteSaysSoAndKeepsNoSuccessBox) {
  Generic();
  pad().documentFolder = TestFolder() + "no such folder\\";
  Load("");
  Generate();
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(LastBox().type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(LastBox().text.rfind(TestFolder() + "no such folder\\RunInf.exe\r", 0), 0u) << LastBox().text;
}

TEST_F(Launcher, OptionFlipsAndGovernsTheCommand) {
  Load(TestFolder() + "notes.txt");
  EXPECT_FALSE(pad().Item("AffExeItem")->enabled);
  Generic();
  EXPECT_FALSE(pad().Item("AffOptRunInf")->checked);
  EXPECT_TRUE(pad().Item("AffExeItem")->enabled);
}

}  // namespace
}  // namespace varnock::test
