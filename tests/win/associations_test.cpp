// The Explorer integration commands against the real registry, read back.
#include "core/settings/associations.h"
#include "tests/win/harness.h"
#include "win/app/application.h"
#include "win/platform/registry.h"
#include "win/settings/associations_registry.h"

namespace varnock::test {
namespace {

bool Has(const std::string& key, const std::string& value = "") {
  std::string text;
  return RegistryReadString(HKEY_LOCAL_MACHINE, key, value, &text);
}
std::string Value(const std::string& key, const std::string& value = "") {
  return RegistryStringOr(HKEY_LOCAL_MACHINE, key, value, "<none>");
}
bool KeyExists(const std::string& key) {
  HKEY h = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

class Associations : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    fUninstall();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\CLASSES\\.NFO");
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\CLASSES\\.DIZ");
  }
  void TearDown() override {
    SetRegistryOpFilter(nullptr);
    fUninstall();
    FormTest::TearDown();
  }
};

TEST_F(Associations, InfIniRegOnWritesTheTableAndOffRemovesItAll) {
  pad().AffRegitClick();
  const std::string command = "\"" + ProgramFile() + "\" %1";
  for (const char* type : {"inffile", "inifile", "regfile"}) {
    const std::string key = std::string("Software\\CLASSES\\") + type + "\\shell\\Varnock";
    EXPECT_EQ(Value(key), "Edit (Varno&ck)");
    EXPECT_EQ(Value(key + "\\command"), command);
  }
  EXPECT_EQ(Value("Software\\CLASSES\\Varnock\\DefaultIcon"), ProgramFile() + ",0");
  EXPECT_EQ(Value("Software\\CLASSES\\Applications\\Varnock.exe\\Shell\\Open\\Command"), command);
  EXPECT_EQ(Value("Software\\Brackwater\\Varnock", "Integration"), "1");
  EXPECT_EQ(Value("Software\\Microsoft\\Windows\\Help", "Varnock.hlp"), HelpFolder(ProgramFile()));
  EXPECT_TRUE(pad().Item("AffRegit")->checked);
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text, "Varnock is now set to open\rINF, INI, && REG files !");

  pad().AffRegitClick();
  EXPECT_FALSE(pad().Item("AffRegit")->checked);
  EXPECT_FALSE(KeyExists("Software\\CLASSES\\inffile\\shell\\Varnock"));
  EXPECT_FALSE(KeyExists("Software\\Brackwater"));
  EXPECT_FALSE(KeyExists("Software\\CLASSES\\Varnock"));
  EXPECT_FALSE(Has("Software\\Microsoft\\Windows\\Help", "Varnock.hlp"));
  EXPECT_EQ(boxes->shown.back().text, "Initials settings are restored for\rINF, INI, && REG files !");
}

TEST_F(Associations, NfoDizReuseAnExistingTypeAndKeepTheOtherGroupsEntries) {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\CLASSES\\.NFO", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>("txtfile"), 8);
  RegCloseKey(key);
  pad().AffRegnfoClick();
  pad().AffRegitClick();
  EXPECT_EQ(Value("Software\\CLASSES\\.NFO"), "txtfile");
  EXPECT_EQ(Value("Software\\CLASSES\\txtfile\\shell\\Varnock"), "Edit (Varno&ck)");
  EXPECT_EQ(Value("Software\\CLASSES\\.DIZ"), "DIZfile");
  EXPECT_EQ(Value("Software\\CLASSES\\.DIZ", "PerceivedType"), "text");
  EXPECT_TRUE(pad().Item("AffRegnfo")->checked);
  // INF/INI/REG off while NFO/DIZ stays on: the program's entries stay.
  pad().AffRegitClick();
  EXPECT_EQ(Value("Software\\Brackwater\\Varnock", "Integration"), "0");
  EXPECT_EQ(Value("Software\\Brackwater\\Varnock", "IntegrNfoDiz"), "1");
  EXPECT_TRUE(KeyExists("Software\\CLASSES\\Varnock\\DefaultIcon"));
  // The uninstall removes ours and leaves the extensions' own types.
  boxes->answers = {IDYES};
  pad().AffUninstClick();
  EXPECT_FALSE(KeyExists("Software\\CLASSES\\txtfile\\shell\\Varnock"));
  EXPECT_FALSE(KeyExists("Software\\CLASSES\\DIZfile\\shell\\Varnock"));
  EXPECT_FALSE(KeyExists("Software\\Brackwater"));
  EXPECT_EQ(Value("Software\\CLASSES\\.NFO"), "txtfile");
  EXPECT_TRUE(pad().Item("AffUninst")->checked);
  EXPECT_FALSE(pad().Item("AffUninst")->enabled);
  EXPECT_FALSE(pad().Item("AffRegnfo")->enabled);
  EXPECT_FALSE(pad().Item("AffRegnfo")->checked);
}

TEST_F(Associations, AFailedWriteNamesItsKeyAndKeepsTheCheckMark) {
  SetRegistryOpFilter([](const RegistryOp& op) { return op.key != "Software\\CLASSES\\Varnock\\DefaultIcon"; });
  pad().AffRegitClick();
  EXPECT_FALSE(pad().Item("AffRegit")->checked);
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text,
            "The registry could not be changed under\rHKEY_LOCAL_MACHINE\\Software\\CLASSES\\Varnock\\DefaultIcon");
  EXPECT_EQ(boxes->shown[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

TEST_F(Associations, UninstallAnsweredNoChangesNothing) {
  pad().AffRegitClick();
  boxes->answers = {IDOK, IDNO};
  pad().AffUninstClick();
  EXPECT_TRUE(KeyExists("Software\\Brackwater\\Varnock"));
  EXPECT_EQ(boxes->shown.back().text, "Do you wish to remove Varnock keys from registry ?");
  EXPECT_TRUE(pad().Item("AffUninst")->enabled);
}

}  // namespace
}  // namespace varnock::test
