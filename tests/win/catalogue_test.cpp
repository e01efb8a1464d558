// The message catalogue with and without a language file beside the program.
#include "tests/win/harness.h"
#include "win/i18n/message.h"

namespace varnock::test {
namespace {

using Catalogue = FormTest;

TEST_F(Catalogue, WithoutLanguageFileTheEnglishDefaultsAnswer) {
  EXPECT_EQ(fMessage("FILE_4"), "Ther're already four Varnock instances running !\rNo more instances allowed !");
  EXPECT_EQ(fMessage("NO_SUCH_KEY"), " Error in localisation function! ");
  EXPECT_EQ(fMessage("SH_TITRE_VARNOCK"), "Varnock v2.9.2");
  EXPECT_EQ(fMessage("VARNOCK_VERSION"), "2.9.2");
}

TEST_F(Catalogue, CurrentLanguageSectionIsReadAtEveryLookUp) {
  WriteTextFile(LanguageFile(),
                "[Fran\xE7"
                "ais]\r\nFILE_NEW=Nouveau fichier.\r\nIS_LINE=\r\nfile_open=Ouvrir\\run fichier\r\n"
                "SEARCH_NOT_FOUND=Error_in_locfile\r\nSH_TITRE_VARNOCK=Autre titre\r\nNEW_KEY=Nouvelle\r\n"
                "[Deutsch]\r\nFILE_NEW=Neue Datei.\r\n");
  EXPECT_EQ(fMessage("FILE_NEW"), "New file.");  // the language is still English
  pad().languageName =
      "Fran\xE7"
      "ais";
  EXPECT_EQ(fMessage("FILE_NEW"), "Nouveau fichier.");
  EXPECT_EQ(fMessage("IS_LINE"), "");                      // present but empty
  EXPECT_EQ(fMessage("FILE_OPEN"), "Ouvrir\run fichier");  // names ignore case
  EXPECT_EQ(fMessage("SEARCH_NOT_FOUND"), "Search string\rnot found !");
  EXPECT_EQ(fMessage("SH_TITRE_VARNOCK"), "Varnock v2.9.2");
  EXPECT_EQ(fMessage("NEW_KEY"), "Nouvelle");  // a key only the file knows
  WriteTextFile(LanguageFile(),
                "[Fran\xE7"
                "ais]\r\nFILE_NEW=Fichier neuf.\r\n");
  EXPECT_EQ(fMessage("FILE_NEW"), "Fichier neuf.");  // nothing is cached
}

// Look-ups are remembered only while the file keeps its time and size.
TEST_F(Catalogue, EditedOrRemovedLanguageFileIsSeenByTheNextLookUp) {
  pad().languageName =
      "Fran\xE7"
      "ais";
  WriteTextFile(LanguageFile(),
                "[Fran\xE7"
                "ais]\r\nFILE_NEW=AAAA\r\n");
  EXPECT_EQ(fMessage("FILE_NEW"), "AAAA");
  EXPECT_EQ(fMessage("FILE_NEW"), "AAAA");
  // The same size, saved later (a second on, so even a coarse file clock tells).
  WriteTextFile(LanguageFile(),
                "[Fran\xE7"
                "ais]\r\nFILE_NEW=BBBB\r\n");
  HANDLE file = CreateFileA(LanguageFile().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  FILETIME written;
  GetSystemTimeAsFileTime(&written);
  ULARGE_INTEGER later{{written.dwLowDateTime, written.dwHighDateTime}};
  later.QuadPart += 10000000;
  written = {later.LowPart, later.HighPart};
  SetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  EXPECT_EQ(fMessage("FILE_NEW"), "BBBB");
  DeleteFileA(LanguageFile().c_str());
  EXPECT_EQ(fMessage("FILE_NEW"), "New file.");
}

TEST_F(Catalogue, EmptyOrUnreadableLanguageFilesFallBackSilently) {
  pad().languageName =
      "Fran\xE7"
      "ais";
  WriteTextFile(LanguageFile(), "");
  EXPECT_EQ(fMessage("IS_COL"), "Col ");
  WriteTextFile(LanguageFile(), std::string("\0\x01\xFF[[=\r\n=\r\n", 10));
  EXPECT_EQ(fMessage("IS_COL"), "Col ");
  EXPECT_TRUE(boxes->shown.empty());
}

TEST_F(Catalogue, LanguageMenuListsOtherSectionsOnly) {
  WriteTextFile(LanguageFile(), "[English]\r\nFILE_NEW=x\r\n");
  Restart();
  EXPECT_FALSE(pad().Item("AffLNG")->visible);
  WriteTextFile(LanguageFile(),
                "[English]\r\nA=1\r\n[Fran\xE7"
                "ais]\r\nA=2\r\n[Deutsch]\r\nA=3\r\n");
  Restart();
  MenuItem* menu = pad().Item("AffLNG");
  EXPECT_TRUE(menu->visible);
  EXPECT_TRUE(pad().Item("N13")->visible);
  EXPECT_TRUE(pad().Item("English")->enabled);
  ASSERT_EQ(menu->items.size(), 3u);
  EXPECT_EQ(menu->items[1]->caption,
            "Fran\xE7"
            "ais");
  EXPECT_EQ(menu->items[2]->caption, "Deutsch");
  EXPECT_EQ(menu->items[2]->radioGroup, 5);
  menu->items[2]->onClick(*menu->items[2]);
  EXPECT_EQ(pad().languageName, "Deutsch");
  EXPECT_TRUE(menu->items[2]->checked);
  EXPECT_FALSE(pad().Item("English")->checked);
  EXPECT_EQ(fMessage("A"), "3");
}

TEST_F(Catalogue, VersionOfAFileWithoutResourceIsEmptyWithoutABox) {
  char system[MAX_PATH];
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(fGetFileVersion(std::string(system) + "\\setupapi.dll", true), "");
  EXPECT_EQ(fGetFileVersion(TestFolder() + "missing.exe", true), "");
  EXPECT_TRUE(boxes->shown.empty());
}

}  // namespace
}  // namespace varnock::test
