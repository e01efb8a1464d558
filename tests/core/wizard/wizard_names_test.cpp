#include <algorithm>

#include <gtest/gtest.h>

#include "core/wizard/wizard_names.h"
#include "core/wizard/wizard_options.h"

namespace varnock {
namespace {

TEST(WizardNames, ShortNameKeepsWhatPrecedesTheFirstForbiddenCharacter) {
  struct Case {
    const char* typed;
    size_t caret;
    const char* kept;
    size_t caretAfter;
  };
  const Case cases[] = {
      {"my app", 6, "my", 2}, {"a.b", 3, "a", 1},       {"my ", 3, "my", 2},   {"ab+c", 1, "ab", 1},
      {"ab\"c", 4, "ab", 2},  {"ab%c", 4, "ab", 2},     {"ab\\c", 4, "ab", 2}, {"ab?c", 4, "ab", 2},
      {"ab\tc", 4, "ab", 2},  {"plain", 3, "plain", 3}, {"-x", 2, "", 0},
  };
  for (const Case& c : cases) {
    const CutName cut = CutShortName(c.typed, c.caret);
    EXPECT_EQ(cut.text, c.kept) << c.typed;
    EXPECT_EQ(cut.caret, c.caretAfter) << c.typed;
  }
}

TEST(WizardNames, TypingKeyByKeyDropsEachBlankAsItComes) {
  std::string field;
  for (char key : std::string("my app")) {
    field += key;
    field = CutShortName(field, field.size()).text;
  }
  EXPECT_EQ(field, "myapp");
}

TEST(WizardNames, OpenedFileProposesItsBaseName) {
  EXPECT_EQ(ShortNameFromFile("C:\\Work\\SETUP.INF"), std::optional<std::string>("SETUP"));
  EXPECT_EQ(ShortNameFromFile("C:\\Work\\setup.inf"), std::optional<std::string>("setup"));
  EXPECT_EQ(ShortNameFromFile("C:\\Work\\ABCDEFGH.INF"), std::optional<std::string>("ABCDEFGH"));
  EXPECT_FALSE(ShortNameFromFile("C:\\Work\\LONGNAME1.INF"));
  EXPECT_FALSE(ShortNameFromFile("C:\\Work\\SETUP.txt"));
  EXPECT_FALSE(ShortNameFromFile("C:\\Work\\MY-APP.INF"));
  EXPECT_FALSE(ShortNameFromFile(""));
  EXPECT_FALSE(ShortNameFromFile("C:\\Work\\.INF"));
  EXPECT_EQ(WizardBaseName("C:\\A.B\\x.y.inf"), "x");
}

TEST(WizardNames, NewFileNameGoesBesideThePreviousFile) {
  EXPECT_EQ(WizardNewFileName("C:\\Work\\OLD.INF", "D:\\Docs\\", "ACME"), "C:\\Work\\ACME.inf");
  EXPECT_EQ(WizardNewFileName("", "D:\\Docs\\", "ACME"), "D:\\Docs\\ACME.inf");
  EXPECT_EQ(WizardNewFileName("C:\\Work\\OLD.INF", "D:\\Docs\\", ""), "");
}

// The boxes CheckBox05, 20, 40 in every click order reach one state per set of checks.
TEST(WizardOptions, DependenciesDoNotDependOnTheClickOrder) {
  using Box = OptionBox WizardOptions::*;
  const Box masters[] = {&WizardOptions::advPack, &WizardOptions::copyFiles, &WizardOptions::shortcuts};
  int order[] = {0, 1, 2};
  do {
    WizardOptions o;
    ApplyNameState(o, true);
    // Check the dependent boxes whenever allowed, then click the masters in order.
    for (int i : order) {
      (o.*masters[i]).checked = true;
      ApplyOptionDependencies(o);
      ApplyNameState(o, true);  // typing a name in between changes nothing
    }
    EXPECT_TRUE(o.setupDialog.enabled);
    EXPECT_TRUE(o.customCopy.enabled);
    EXPECT_TRUE(o.customShortcut.enabled);
    EXPECT_TRUE(o.pathEnabled);
  } while (std::next_permutation(order, order + 3));
}

TEST(WizardOptions, DependentBoxesFollowTheirMasters) {
  struct Case {
    bool advPack, copy, shortcuts;
    bool dialog, custom25, custom45, path;
  };
  const Case cases[] = {
      {false, false, false, false, false, false, false}, {true, false, false, true, false, false, false},
      {true, true, false, true, true, false, true},      {true, false, true, true, false, true, false},
      {false, true, true, false, false, false, true},
  };
  for (const Case& c : cases) {
    WizardOptions o;
    ApplyNameState(o, true);
    o.setupDialog.checked = o.customCopy.checked = o.customShortcut.checked = true;
    o.advPack.checked = c.advPack;
    o.copyFiles.checked = c.copy;
    o.shortcuts.checked = c.shortcuts;
    ApplyNameState(o, true);
    EXPECT_EQ(o.setupDialog.enabled, c.dialog);
    EXPECT_EQ(o.customCopy.enabled, c.custom25);
    EXPECT_EQ(o.customShortcut.enabled, c.custom45);
    EXPECT_EQ(o.pathEnabled, c.path);
    // A disabled box is never left checked.
    EXPECT_EQ(o.setupDialog.checked, c.dialog);
    EXPECT_EQ(o.customCopy.checked, c.custom25);
    EXPECT_EQ(o.customShortcut.checked, c.custom45);
  }
}

TEST(WizardOptions, AnEmptyNameDisablesAndUnchecksEverything) {
  WizardOptions o;
  ApplyNameState(o, true);
  o.advPack.checked = o.registry.checked = o.copyFiles.checked = true;
  ApplyOptionDependencies(o);
  ApplyNameState(o, false);
  EXPECT_FALSE(o.advPack.enabled || o.advPack.checked || o.registry.checked || o.copyFiles.checked);
  EXPECT_FALSE(o.okEnabled || o.pathEnabled || o.setupDialog.enabled);
}

}  // namespace
}  // namespace varnock
