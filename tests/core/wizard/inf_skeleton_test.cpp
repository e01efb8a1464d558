// Each skeleton under tests/data/wizard/ is the exact text the wizard writes for one set
// of answers. VARNOCK_REGEN=1 rewrites them; review the diff by hand.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "core/i18n/catalogue.h"
#include "core/wizard/inf_skeleton.h"

namespace varnock {
namespace {

std::string DataPath(const std::string& name) { return std::string(VARNOCK_TEST_DATA) + "/wizard/" + name; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Shell folders as a fake system holds them; "Common Documents" is missing.
SkeletonLookups Lookups() {
  SkeletonLookups l;
  l.message = [](const std::string& key) { return std::string(BuiltInMessage(key)); };
  l.shellFolder = [](const std::string& name, bool common) -> std::string {
    if (name == "Common Documents") return "";
    return std::string("C:\\Sys\\") + (common ? "All\\" : "Me\\") + name;
  };
  l.programFilesDir = "C:\\Program Files";
  return l;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

void ExpectGolden(const std::string& name, const std::string& actual) {
  const std::string path = DataPath(name);
  if (std::getenv("VARNOCK_REGEN")) {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  EXPECT_EQ(ReadFile(path), actual) << "golden file " << path;
}

SkeletonAnswers Answers(const std::string& longName, const std::string& shortName) {
  SkeletonAnswers a;
  a.longName = longName;
  a.shortName = shortName;
  a.dest = "C:\\Program Files\\Acme";
  a.destLdid = "%16422%\\Acme";
  a.destDirId = "16422,Acme";
  ApplyNameState(a.options, true);
  return a;
}

// Checks the boxes in the given order, the way clicks do.
void Click(SkeletonAnswers& a, std::initializer_list<OptionBox WizardOptions::*> boxes) {
  for (auto box : boxes) {
    (a.options.*box).checked = !(a.options.*box).checked;
    ApplyOptionDependencies(a.options);
  }
}

struct GoldenCase {
  const char* file;
  void (*prepare)(SkeletonAnswers&);
};

const GoldenCase kCases[] = {
    {"no_option.inf", [](SkeletonAnswers&) {}},
    {"plain_all.inf",
     [](SkeletonAnswers& a) {
       Click(a, {&WizardOptions::copyFiles, &WizardOptions::registry, &WizardOptions::shortcuts,
                 &WizardOptions::uninstall});
     }},
    {"advpack_only.inf", [](SkeletonAnswers& a) { Click(a, {&WizardOptions::advPack}); }},
    {"advpack_copy_unchosen.inf",
     [](SkeletonAnswers& a) {
       Click(a, {&WizardOptions::advPack, &WizardOptions::copyFiles});
     }},
    {"advpack_all.inf",
     [](SkeletonAnswers& a) {
       a.longName = "Acme \"Pro\" 100%";
       Click(a, {&WizardOptions::advPack, &WizardOptions::setupDialog, &WizardOptions::copyFiles,
                 &WizardOptions::customCopy, &WizardOptions::registry, &WizardOptions::shortcuts,
                 &WizardOptions::customShortcut, &WizardOptions::uninstall});
       a.customCopyCode = 0;
       a.customShortcutCode = 21;
     }},
    {"advpack_custom_shortcut.inf",
     [](SkeletonAnswers& a) {
       Click(a, {&WizardOptions::advPack, &WizardOptions::shortcuts, &WizardOptions::customShortcut,
                 &WizardOptions::uninstall});
       a.customShortcutCode = 0;
     }},
    {"advpack_custom_copy.inf",
     [](SkeletonAnswers& a) {
       Click(a, {&WizardOptions::advPack, &WizardOptions::copyFiles, &WizardOptions::customCopy,
                 &WizardOptions::registry});
       a.customCopyCode = 13;
     }},
    {"uncovered_folder.inf",
     [](SkeletonAnswers& a) {
       a.dest = a.destLdid = a.destDirId = "D:\\Tools\\Acme";
       Click(a, {&WizardOptions::copyFiles, &WizardOptions::uninstall});
     }},
};

TEST(InfSkeleton, GoldenFiles) {
  for (const GoldenCase& c : kCases) {
    SkeletonAnswers a = Answers("Acme Application", "ACME");
    c.prepare(a);
    ExpectGolden(c.file, Joined(InfSkeleton(a, Lookups())));
  }
}

TEST(InfSkeleton, DestinationLineOfEveryCode) {
  std::string text;
  for (int code : {0, 1, 2, 3, 4, 11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 5, 20})
    text += std::to_string(code) + ": " + fCustomDestLine(code, "Acme", Lookups()) + "\n";
  ExpectGolden("destination_lines.txt", text);
}

TEST(InfSkeleton, CodeZeroProposesTheProgramFilesFolder) {
  EXPECT_EQ(fCustomDestLine(0, "Acme", Lookups()),
            "HKLM, , , \"Please choose a destination folder ...\",\"C:\\Program Files\\Acme\"");
  EXPECT_EQ(fCustomDestLine(21, "Acme", Lookups()).rfind("HKCU, \"%KEY_FOLDERS%\", \"Desktop\", ", 0), 0u);
}

TEST(InfSkeleton, QuotedFieldsDoubleQuotesAndPercents) {
  EXPECT_EQ(QuotedFieldText("a\"b%c"), "a\"\"b%%c");
  EXPECT_EQ(QuotedFieldText("plain"), "plain");
}

}  // namespace
}  // namespace varnock
