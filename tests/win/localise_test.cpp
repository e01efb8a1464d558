// Localisation of the forms from the language file, and the shipped French file.
#include "tests/win/harness.h"

#include <cctype>
#include <map>
#include <set>

#include "core/i18n/interface_keys.h"
#include "core/i18n/message_table.h"
#include "win/about/about_box.h"
#include "win/colour/form_color.h"
#include "win/i18n/message.h"
#include "win/inftools/inf_wizard.h"
#include "win/platform/profile.h"

namespace varnock::test {
namespace {

using Localise = FormTest;

const std::string kFrench =
    "Fran\xE7"
    "ais";

// A distinct value per key; filters stay description|pattern pairs.
std::string DistinctValue(const InterfaceKey& key) {
  if (key.target != LocTarget::Filter) return "v" + key.key;
  if (key.control == "SaveDialog") return "a|*.a|b|*.b|c|*.c|d|*.d|e|*.e|f|*.f";
  return key.key + "|*.x";
}

std::string WindowText(HWND hwnd) {
  char text[1024] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

MenuItem* Entry(TFormPad& pad, const std::string& name) {
  if (MenuItem* item = pad.MainMenu.Find(name)) return item;
  if (MenuItem* item = pad.PopupMenu.Find(name)) return item;
  return pad.PopupMenuTB.Find(name);
}

// What a key's target shows now; nullopt when that control is not built.
std::optional<std::string> Shown(TFormPad& pad, const InterfaceKey& key) {
  const bool hint = key.target == LocTarget::Hint;
  switch (key.form) {
    case LocForm::Pad:
      if (key.target == LocTarget::ShellVerb) return pad.shellVerbCaption;
      if (key.target == LocTarget::DialogTitle) return pad.openDialogTitle;
      if (key.target == LocTarget::Filter)
        return key.control == "SaveDialog"   ? pad.saveDialogFilter
               : key.control == "OpenDialog" ? pad.openDialogFilter
                                             : pad.openDiagRegFilter;
      if (MenuItem* item = Entry(pad, key.control)) return hint ? item->hint : item->caption;
      return std::nullopt;
    case LocForm::Colour:
      if (key.control.empty()) return WindowText(pad.formColor->hwnd());
      return hint ? pad.formColor->ControlHint(key.control) : pad.formColor->ControlText(key.control);
    case LocForm::About:
    case LocForm::Wizard: {
      WindowBase* form =
          key.form == LocForm::About ? static_cast<WindowBase*>(pad.aboutBox) : static_cast<WindowBase*>(pad.infWizard);
      NamedControls& named = key.form == LocForm::About ? pad.aboutBox->controls : pad.infWizard->controls;
      if (key.control.empty())
        return form->hwnd() ? std::optional<std::string>(WindowText(form->hwnd())) : std::nullopt;
      if (!named.Control(key.control)) return std::nullopt;
      return hint ? named.Hint(key.control) : named.Text(key.control);
    }
  }
  return std::nullopt;
}

std::string Expected(const InterfaceKey& key) {
  if (key.target == LocTarget::CaptionWithBlank) return DistinctValue(key) + " ";
  if (key.target == LocTarget::CaptionBeforeTitle) return DistinctValue(key) + "Varnock v2.9.2";
  return DistinctValue(key);
}

// Keys whose target the folder refresh rewrites afterwards.
bool RewrittenByFolders(const InterfaceKey& key) { return key.key == "LDID30H"; }

TEST_F(Localise, EveryKeyLandsOnItsTargetThenTheCopiesFollow) {
  std::string section = "[Test]\r\n";
  for (const InterfaceKey& key : InterfaceKeys()) section += key.key + "=" + DistinctValue(key) + "\r\n";
  WriteTextFile(LanguageFile(), section);
  pad().languageName = "Test";
  pad().fLocaliseForm();
  int checked = 0;
  for (const InterfaceKey& key : InterfaceKeys()) {
    const std::optional<std::string> shown = Shown(pad(), key);
    if (!shown || RewrittenByFolders(key)) continue;  // the wizard and about box land with their forms
    EXPECT_EQ(*shown, Expected(key)) << key.key;
    ++checked;
  }
  EXPECT_GE(checked, 150);
  // The copies.
  EXPECT_EQ(pad().Item("TB1")->caption, "vFileNewItemH");
  EXPECT_EQ(pad().Item("TB15")->caption, "vAffTestItemH");
  EXPECT_EQ(pad().ToolBar.Hint("ToolButtonNew"), "vFileNewItemH");
  EXPECT_EQ(pad().ToolBarSmall.Hint("ToolButtonNewSmall"), "vFileNewItemH");
  EXPECT_EQ(pad().PopupMenu.Find("PopUndo")->caption, "vEditUndoItem");
  EXPECT_EQ(pad().PopupMenu.Find("PopF5")->hint, "vEditF5H");
  EXPECT_EQ(pad().PopupMenuTB.Find("Smallicons1")->caption, "vAffSmallItem");
  EXPECT_EQ(pad().Item("WinCasc")->hint, "vWinVertH");
  EXPECT_EQ(pad().Item("FileNewVarnock")->caption, "vWinNewW");
  EXPECT_EQ(pad().formColor->ControlHint("BitBtnHelp"), "vHelpContentsItemH");
  // The folder refresh runs after the texts.
  EXPECT_NE(pad().Item("LDID30")->hint, "vLDID30H");
  EXPECT_FALSE(pad().Item("LDID30")->hint.empty());
}

TEST_F(Localise, HashKeepsEmptyReplacesAndNoEscapeApplies) {
  WriteTextFile(LanguageFile(),
                "[Test]\r\nFileExitItem=#\r\nFileOpenItem=\r\nFileSaveItem=a\\rb\r\n"
                "SaveDiag_Filter=Only|*.inf\r\nOpenReg_Filter=broken|\r\nSHELL_CTX=#\r\n");
  pad().languageName = "Test";
  const std::string saveFilter = pad().saveDialogFilter;
  pad().shellVerbCaption = "before";
  pad().fLocaliseForm();
  EXPECT_EQ(pad().Item("FileExitItem")->caption, "E&xit");
  EXPECT_EQ(pad().Item("FileOpenItem")->caption, "");
  EXPECT_EQ(pad().Item("FileSaveItem")->caption, "a\\rb");
  EXPECT_EQ(pad().saveDialogFilter, saveFilter);         // six types or none
  EXPECT_EQ(pad().openDiagRegFilter, "REG file|*.REG");  // not pairs
  EXPECT_EQ(pad().shellVerbCaption, "Edit (Varno&ck)");  // reset, then kept
}

TEST_F(Localise, ASecondLanguageKeepsTheFirstsTextsForItsAbsentKeys) {
  WriteTextFile(LanguageFile(),
                "[Un]\r\nWinClos=Fermer\r\nFileNewItem=Neuf\r\n[Deux]\r\nFileNewItem=Nieuw\r\n"
                "[un]\r\nWinClos=again\r\n");
  Restart();
  MenuItem* menu = pad().Item("AffLNG");
  ASSERT_EQ(menu->items.size(), 3u);  // English, Un, Deux: a section listed twice shows once
  menu->items[1]->onClick(*menu->items[1]);
  EXPECT_EQ(pad().Item("WinClos")->caption, "Fermer");
  menu->items[2]->onClick(*menu->items[2]);
  EXPECT_EQ(pad().languageName, "Deux");
  EXPECT_TRUE(menu->items[2]->checked);
  EXPECT_FALSE(menu->items[1]->checked);
  EXPECT_EQ(pad().Item("FileNewItem")->caption, "Nieuw");
  EXPECT_EQ(pad().Item("WinClos")->caption, "Fermer");
}

TEST_F(Localise, AClickBesideTheLargeToolbarsButtonsReadsTheFileAgain) {
  pad().languageName = "Test";
  WriteTextFile(LanguageFile(), "[Test]\r\nFindItem=Chercher\r\n");
  ASSERT_TRUE(pad().ToolBar.onEmptyClick);
  pad().ToolBar.onEmptyClick();
  EXPECT_EQ(pad().Item("FindItem")->caption, "Chercher");
}

// Accelerator letters among the visible entries of one menu level.
void ExpectUniqueAccelerators(const MenuItem& menu, const std::string& where) {
  std::map<char, std::string> seen;
  for (const auto& child : menu.items) {
    if (!child->visible || child->IsSeparator()) continue;
    const std::string& c = child->caption;
    for (std::size_t i = 0; i + 1 < c.size(); ++i) {
      if (c[i] != '&') continue;
      if (c[i + 1] == '&') {
        ++i;
        continue;
      }
      const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(c[i + 1])));
      EXPECT_EQ(seen.count(letter), 0u) << where << ": " << c << " and " << seen[letter];
      seen[letter] = c;
      break;
    }
    if (!child->items.empty()) ExpectUniqueAccelerators(*child, child->name);
  }
}

std::string ShippedLanguageFile() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return ReadTextFile(folder.substr(0, folder.find_last_of('\\') + 1) + "VarnockLng.ini");
}

TEST_F(Localise, TheShippedFrenchFileIsComplete) {
  const std::string shipped = ShippedLanguageFile();
  ASSERT_FALSE(shipped.empty());
  WriteTextFile(LanguageFile(), shipped);
  const std::vector<std::string> sections = ProfileSections(LanguageFile());
  ASSERT_EQ(sections, std::vector<std::string>{"Francais"});  // the ASCII name launchers key off
  std::set<std::string> keys;
  for (const std::string& key : ProfileKeys(LanguageFile(), "Francais")) keys.insert(key);
  for (const MessageDefault& m : MessageTable()) EXPECT_EQ(keys.count(m.key), 1u) << "no French for " << m.key;
  for (const InterfaceKey& k : InterfaceKeys()) EXPECT_EQ(keys.count(k.key), 1u) << "no French for " << k.key;
  EXPECT_EQ(shipped.find("\xC3"), std::string::npos);  // Windows-1252, not UTF-8

  pad().languageName = "Francais";
  EXPECT_EQ(fMessage("IS_LINE"), "Ligne ");  // blanks at the ends kept
  EXPECT_EQ(fMessage("ABOUT0"), " ");
  EXPECT_EQ(fMessage("WIZ_DESCRIP3"), "\"Vous allez installer ");
  EXPECT_EQ(fMessage("FILE_4").find('\r') != std::string::npos, true);
  for (const MessageDefault& m : MessageTable()) {
    const std::string english = m.text;
    // Line breaks and literal ampersands as the English has them.
    EXPECT_EQ(english.find('\r') != std::string::npos, fMessage(m.key).find('\r') != std::string::npos) << m.key;
    EXPECT_EQ(english.find("&&") != std::string::npos, fMessage(m.key).find("&&") != std::string::npos) << m.key;
  }
  const std::string saveFilter = pad().saveDialogFilter;
  pad().fLocaliseForm();
  EXPECT_NE(pad().saveDialogFilter, saveFilter);
  EXPECT_EQ(FilterPairs(pad().saveDialogFilter), 6);
  EXPECT_EQ(pad().Item("WinMenu")->caption, "Fe&n\xEAtres ");
  ExpectUniqueAccelerators(pad().MainMenu.root(), "menu bar");
  ExpectUniqueAccelerators(pad().PopupMenu.root(), "text pop-up");
  ExpectUniqueAccelerators(pad().PopupMenuTB.root(), "toolbar pop-up");
}

}  // namespace
}  // namespace varnock::test
