// The table of interface keys: two hundred keys in reading order, each with its target.
#include <gtest/gtest.h>

#include <set>

#include "core/i18n/interface_keys.h"
#include "core/i18n/message_table.h"

namespace varnock {
namespace {

const InterfaceKey& KeyNamed(const std::string& name) {
  for (const InterfaceKey& k : InterfaceKeys())
    if (k.key == name) return k;
  static const InterfaceKey none{"", LocForm::Pad, "", LocTarget::Caption};
  return none;
}

TEST(InterfaceKeys, TwoHundredDistinctKeysThatNoMessageKeyShares) {
  const auto& keys = InterfaceKeys();
  EXPECT_EQ(keys.size(), 200u);
  std::set<std::string> names;
  for (const InterfaceKey& k : keys) EXPECT_TRUE(names.insert(k.key).second) << k.key;
  for (const MessageDefault& m : MessageTable()) EXPECT_EQ(names.count(m.key), 0u) << m.key;
  EXPECT_EQ(keys.front().key, "SHELL_CTX");
  EXPECT_EQ(keys[5].key, "MainMenu0");
  EXPECT_EQ(keys.back().key, "Color5H");
}

TEST(InterfaceKeys, ExceptionsToTheNamingRuleReachTheirControls) {
  const struct {
    const char* key;
    LocForm form;
    const char* control;
    LocTarget target;
  } cases[] = {
      {"SHELL_CTX", LocForm::Pad, "", LocTarget::ShellVerb},
      {"SaveDiag_Filter", LocForm::Pad, "SaveDialog", LocTarget::Filter},
      {"OpenDialog", LocForm::Pad, "OpenDialog", LocTarget::DialogTitle},
      {"MainMenu3", LocForm::Pad, "AffMenu", LocTarget::Caption},
      {"MainMenu5", LocForm::Pad, "WinMenu", LocTarget::CaptionWithBlank},
      {"FileNewItemH", LocForm::Pad, "FileNewItem", LocTarget::Hint},
      {"EditZAH", LocForm::Pad, "EditSort2", LocTarget::Hint},
      {"AffStringsH", LocForm::Pad, "AffStrings", LocTarget::Hint},
      {"AffWinVerH", LocForm::Pad, "sfWinVer", LocTarget::Hint},
      {"Tool_2", LocForm::Pad, "ToolInsert_2", LocTarget::Caption},
      {"AffDLLdefaultH", LocForm::Pad, "DLLdefault", LocTarget::Hint},
      {"WinClos", LocForm::Pad, "WinClos", LocTarget::Caption},
      {"WinJumpH", LocForm::Pad, "N17", LocTarget::Hint},
      {"HelpsfSourcePath", LocForm::Pad, "sfSourcePath", LocTarget::Caption},
      {"AboutHint", LocForm::About, "ProgramIcon", LocTarget::Hint},
      {"AboutBox", LocForm::About, "", LocTarget::CaptionBeforeTitle},
      {"InfWiz", LocForm::Wizard, "", LocTarget::Caption},
      {"InfWizLab2H", LocForm::Wizard, "EditNomCourt", LocTarget::Hint},
      {"InfWizOKH", LocForm::Wizard, "BitBtnOK", LocTarget::Hint},
      {"InfWiz40", LocForm::Wizard, "CheckBox40", LocTarget::Caption},
      {"infTB4", LocForm::Wizard, "RadioButton4", LocTarget::Caption},
      {"infTB11", LocForm::Wizard, "RadioButton21", LocTarget::Caption},
      {"infTB16", LocForm::Wizard, "RadioButton26", LocTarget::Caption},
      {"infCUH", LocForm::Wizard, "LabelCU", LocTarget::Hint},
      {"Color", LocForm::Colour, "", LocTarget::Caption},
      {"ColorExH", LocForm::Colour, "RichEx", LocTarget::Hint},
      {"Color4H", LocForm::Colour, "BitBtn4", LocTarget::Hint},
  };
  for (const auto& c : cases) {
    const InterfaceKey& k = KeyNamed(c.key);
    EXPECT_EQ(k.key, c.key);
    EXPECT_EQ(k.form, c.form) << c.key;
    EXPECT_EQ(k.control, c.control) << c.key;
    EXPECT_EQ(k.target, c.target) << c.key;
  }
}

TEST(InterfaceKeys, CopiesFollowTheControlsTheyMirror) {
  const auto& copies = LocalisationCopies();
  ASSERT_EQ(copies.size(), 15u + 18u + 4u + 2u + 4u);
  EXPECT_EQ(copies[0].toControl, "TB1");
  EXPECT_EQ(copies[0].fromControl, "FileNewItem");
  EXPECT_EQ(copies[0].fromWhat, LocTarget::Hint);
  EXPECT_EQ(copies[14].fromControl, "AffTestItem");
  // The colour dialog copies its Cancel caption from the wizard, after the wizard's keys.
  EXPECT_EQ(copies.back().toForm, LocForm::Colour);
  EXPECT_EQ(copies.back().fromForm, LocForm::Wizard);
  EXPECT_EQ(copies.back().fromControl, "BitBtnCNL");
  EXPECT_EQ(WizardFolderChoices().size(), 16u);
}

TEST(InterfaceKeys, FiltersMustBeDescriptionPatternPairs) {
  EXPECT_TRUE(IsUsableFilter("REG|*.reg", 0));
  EXPECT_TRUE(IsUsableFilter("A|*.a|B|*.b", 2));
  EXPECT_FALSE(IsUsableFilter("A|*.a|B|*.b", 6));
  EXPECT_FALSE(IsUsableFilter("", 0));
  EXPECT_FALSE(IsUsableFilter("A|*.a|B", 0));
  EXPECT_FALSE(IsUsableFilter("A||B|*.b", 0));
  EXPECT_FALSE(IsUsableFilter("A|*.a|", 0));
  EXPECT_EQ(FilterPairs("INF file (*.inf)|*.inf|REG file (*.reg)|*.reg|INI file (*.ini)|*.ini|NFO file (*.nfo)|"
                        "*.nfo|DIZ file (*.diz)|File_ID.DIZ|Text file (*.txt)|*.txt"),
            6);
}

}  // namespace
}  // namespace varnock
