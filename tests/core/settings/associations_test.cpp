// The registry plans of the Explorer integration and the uninstall.
#include "core/settings/associations.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace varnock::test {
namespace {

const std::string kExe = "C:\\Program Files\\Varnock\\Varnock.exe";
const std::string kCommand = "\"C:\\Program Files\\Varnock\\Varnock.exe\" %1";

RegistryOp Set(const std::string& key, const std::string& name, const std::string& data) {
  return {RegistryOp::SetString, key, name, data};
}
RegistryOp Tree(const std::string& key) { return {RegistryOp::DeleteTree, key, "", ""}; }

const std::vector<RegistryOp> kApplication(const char* flag) {
  return {Set("Software\\CLASSES\\Varnock\\Shell\\Open\\Command", "", kCommand),
          Set("Software\\CLASSES\\Varnock\\DefaultIcon", "", kExe + ",0"),
          Set("Software\\CLASSES\\Applications\\Varnock.exe\\Shell\\Open\\Command", "", kCommand),
          Set("Software\\Brackwater\\Varnock", flag, "1"),
          Set("Software\\Microsoft\\Windows\\Help", "Varnock.hlp", "C:\\Program Files\\Varnock")};
}

const std::vector<RegistryOp> kProgramEntries = {
    Tree("Software\\Brackwater\\Varnock"),
    {RegistryOp::DeleteKeyIfEmpty, "Software\\Brackwater", "", ""},
    Tree("Software\\CLASSES\\Varnock"),
    Tree("Software\\CLASSES\\Applications\\Varnock.exe"),
    {RegistryOp::DeleteValue, "Software\\Microsoft\\Windows\\Help", "Varnock.hlp", ""}};

std::vector<RegistryOp> Join(std::vector<RegistryOp> a, const std::vector<RegistryOp>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(Associations, InfIniRegVerbsThenTheApplicationEntries) {
  std::vector<RegistryOp> expected;
  for (const char* type : {"inffile", "inifile", "regfile"}) {
    const std::string key = std::string("Software\\CLASSES\\") + type + "\\shell\\Varnock";
    expected.push_back(Set(key, "", "Edit (Varno&ck)"));
    expected.push_back(Set(key + "\\command", "", kCommand));
  }
  EXPECT_EQ(PlanRegInfIniReg(kExe, kDefaultShellVerb), Join(expected, kApplication("Integration")));
}

TEST(Associations, NfoDizGetNewTypesOrReuseTheirOwn) {
  const std::vector<RegistryOp> fresh = PlanRegNfoDiz(kExe, "V", "", "");
  const std::vector<RegistryOp> freshStart = {Set("Software\\CLASSES\\.NFO", "", "NFOfile"),
                                              Set("Software\\CLASSES\\.NFO", "PerceivedType", "text"),
                                              Set("Software\\CLASSES\\NFOfile\\shell\\Varnock", "", "V"),
                                              Set("Software\\CLASSES\\NFOfile\\shell\\Varnock\\command", "", kCommand),
                                              Set("Software\\CLASSES\\.DIZ", "", "DIZfile"),
                                              Set("Software\\CLASSES\\.DIZ", "PerceivedType", "text"),
                                              Set("Software\\CLASSES\\DIZfile\\shell\\Varnock", "", "V"),
                                              Set("Software\\CLASSES\\DIZfile\\shell\\Varnock\\command", "", kCommand)};
  EXPECT_EQ(fresh, Join(freshStart, kApplication("IntegrNfoDiz")));

  // An extension with a type keeps it; an odd type gets no verb under a strange path.
  const std::vector<RegistryOp> owned = PlanRegNfoDiz(kExe, "V", "txtfile", "a\\..\\b");
  EXPECT_EQ(std::count(owned.begin(), owned.end(), Set("Software\\CLASSES\\.NFO", "", "NFOfile")), 0);
  EXPECT_EQ(std::count(owned.begin(), owned.end(), Set("Software\\CLASSES\\txtfile\\shell\\Varnock", "", "V")), 1);
  for (const RegistryOp& op : owned) EXPECT_EQ(op.key.find("a\\..\\b"), std::string::npos) << op.key;
}

TEST(Associations, UnregisterRemovesTheProgramEntriesOnlyWithTheOtherGroupOff) {
  const std::vector<RegistryOp> verbs = {
      Tree("Software\\CLASSES\\inffile\\shell\\Varnock"), Tree("Software\\CLASSES\\inifile\\shell\\Varnock"),
      Tree("Software\\CLASSES\\regfile\\shell\\Varnock"), Set("Software\\Brackwater\\Varnock", "Integration", "0")};
  EXPECT_EQ(PlanUnregInfIniReg(true), verbs);
  EXPECT_EQ(PlanUnregInfIniReg(false), Join(verbs, kProgramEntries));

  const std::vector<RegistryOp> nfo = {Tree("Software\\CLASSES\\NFOfile\\shell\\Varnock"),
                                       Set("Software\\Brackwater\\Varnock", "IntegrNfoDiz", "0")};
  // No type: nothing to delete and no extension key made.
  EXPECT_EQ(PlanUnregNfoDiz("NFOfile", "", true), nfo);
  for (const RegistryOp& op : PlanUnregNfoDiz("", "", false)) EXPECT_EQ(op.key.find(".NFO"), std::string::npos);
}

TEST(Associations, UninstallLeavesNothingOfOurs) {
  const std::vector<RegistryOp> ops = PlanUninstall("NFOfile", "");
  EXPECT_EQ(ops.size(), 4u + kProgramEntries.size());
  for (const RegistryOp& op : ops) EXPECT_NE(op.kind, RegistryOp::SetString) << op.key;
  EXPECT_EQ(ops[3], Tree("Software\\CLASSES\\NFOfile\\shell\\Varnock"));
}

TEST(Associations, HelpFolderAndCommand) {
  EXPECT_EQ(HelpFolder("C:\\x\\V.exe"), "C:\\x");
  EXPECT_EQ(ShellCommand("C:\\a b\\V.exe"), "\"C:\\a b\\V.exe\" %1");
  EXPECT_FALSE(UsableFileType(""));
  EXPECT_FALSE(UsableFileType(std::string(300, 'a')));
  EXPECT_TRUE(UsableFileType("txtfile"));
}

}  // namespace
}  // namespace varnock::test
