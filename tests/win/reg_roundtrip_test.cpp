// The REG translation installs exactly what merging the REG file does: each REG file
// is merged with the registry editor and the result read back; then the same file is
// translated into a document, the section is installed with the setup library, and the
// registry must hold the same keys and the same values, type and bytes alike.
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "core/inftools/reg_translate.h"
#include "core/inftools/reg_to_inf.h"
#include "tests/win/harness.h"
#include "win/inftools/reg_profile_file.h"

namespace varnock::test {
namespace {

const wchar_t kTestKey[] = L"Software\\VarnockTest";

struct RegistryValue {
  DWORD type = 0;
  std::string bytes;
  bool operator==(const RegistryValue& other) const { return type == other.type && bytes == other.bytes; }
};

// Every key and value below the test key, read with the wide API so nothing is
// converted on the way.
struct Snapshot {
  std::set<std::wstring> keys;
  std::map<std::wstring, RegistryValue> values;  // "key path" + "|" + value name
};

void ReadKey(HKEY key, const std::wstring& path, Snapshot* snapshot) {
  snapshot->keys.insert(path);
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD nameLength = 16384;
    DWORD type = 0;
    DWORD size = 0;
    if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::string data(size, '\0');
    nameLength = 16384;
    RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
    data.resize(size);
    snapshot->values[path + L"|" + name] = {type, data};
  }
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD nameLength = 256;
    if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    HKEY child = nullptr;
    if (RegOpenKeyExW(key, name, 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    ReadKey(child, path + L"\\" + name, snapshot);
    RegCloseKey(child);
  }
}

Snapshot TakeSnapshot() {
  Snapshot snapshot;
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return snapshot;
  ReadKey(key, L"", &snapshot);
  RegCloseKey(key);
  return snapshot;
}

void ClearTestKey() { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }

std::string Describe(const std::wstring& text) {
  std::string out;
  for (const wchar_t c : text) {
    if (c >= 32 && c < 127) out += static_cast<char>(c);
    else out += "\\u" + std::to_string(static_cast<unsigned>(c));
  }
  return out;
}

std::string Describe(const RegistryValue& value) {
  std::ostringstream out;
  out << "type " << value.type << ":";
  for (const char c : value.bytes) out << ' ' << std::hex << (static_cast<unsigned>(c) & 0xFF);
  return out.str();
}

// Differences, one per line, so that a failure says which value went wrong.
std::string Differences(const Snapshot& merged, const Snapshot& installed) {
  std::string report;
  for (const std::wstring& key : merged.keys)
    if (!installed.keys.count(key)) report += "missing key " + Describe(key) + "\n";
  for (const std::wstring& key : installed.keys)
    if (!merged.keys.count(key)) report += "extra key " + Describe(key) + "\n";
  for (const auto& [name, value] : merged.values) {
    const auto found = installed.values.find(name);
    if (found == installed.values.end()) report += "missing value " + Describe(name) + "\n";
    else if (!(found->second == value))
      report +=
          "value " + Describe(name) + ": merged " + Describe(value) + ", installed " + Describe(found->second) + "\n";
  }
  for (const auto& [name, value] : installed.values)
    if (!merged.values.count(name)) report += "extra value " + Describe(name) + " " + Describe(value) + "\n";
  return report;
}

// Runs a program and waits for it to end; false when it cannot be started.
bool RunAndWait(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  const DWORD waited = WaitForSingleObject(process.hProcess, 120000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return waited == WAIT_OBJECT_0;
}

bool MergeWithRegedit(const std::string& regFile) {
  return RunAndWait("C:\\windows\\regedit.exe /s \"" + regFile + "\"");
}

// State the REG files then change or delete.
const char kBefore[] =
    "REGEDIT4\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Gone]\r\n\"a\"=\"1\"\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Gone\\Sub]\r\n\"b\"=dword:00000002\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Both]\r\n@=\"old default\"\r\n\"ToDelete\"=\"x\"\r\n"
    "\"Keep\"=\"y\"\r\n";

const char kRegedit4[] =
    "REGEDIT4\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Both]\r\n"
    "@=\"default text\"\r\n"
    "\"String\"=\"plain\"\r\n"
    "\"Escapes\"=\"say \\\"hi\\\" C:\\\\dir\\\\ 50% %PATH% %10% ; not a comment\"\r\n"
    "\"Empty\"=\"\"\r\n"
    "\"Dword\"=dword:0000ffff\r\n"
    "\"Short\"=dword:1f\r\n"
    "\"Binary\"=hex:01,02,\\\r\n"
    "  03,ff\r\n"
    "\"Expand\"=hex(2):25,53,79,73,74,65,6d,52,6f,6f,74,25,00\r\n"
    "\"Multi\"=hex(7):41,42,00,43,00,00\r\n"
    "\"MultiGap\"=hex(7):41,00,00,42,00,00\r\n"
    "\"Sz\"=hex(1):48,69,00\r\n"
    "\"Qword\"=hex(b):01,02,03,04,05,06,07,08\r\n"
    "\"None\"=hex(0):ff,00\r\n"
    "\"BigEndian\"=hex(5):00,00,00,01\r\n"
    "\"Dword4\"=hex(4):78,56,34,12\r\n"
    "\"Ansi\"=\"caf\xE9 \x80\"\r\n"
    "\"ToDelete\"=-\r\n"
    "\"Name with = and ; [x]\"=\"v\"\r\n"
    "\"  spaced  \"=\"  both ends  \"\r\n"
    "\"'quoted'\"=\"'single'\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Both\\EmptyKey]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Both\\Parent]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Both\\Parent\\Child]\r\n"
    "\"c\"=dword:00000001\r\n"
    "\r\n"
    "[-HKEY_CURRENT_USER\\Software\\VarnockTest\\Gone]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Both]\r\n"
    "\"Again\"=\"a key named twice keeps all its values\"\r\n"
    "\"@\"=\"a value named @\"\r\n"
    "\"!\"=\"bang\"\r\n"
    "\"a#b%c\"=\"%%\"\r\n"
    "\"caf\xE9\"=dword:00000007\r\n"
    "\r\n"
    "[hkey_current_user\\Software\\VarnockTest\\Both\\K\xE9y]\r\n"
    "\"Case\"=\"root written in lower case\"\r\n";

const char kVersion5[] =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Both]\r\n"
    "@=dword:00000001\r\n"
    "\"Expand\"=hex(2):25,00,57,00,49,00,4e,00,44,00,49,00,52,00,25,00,5c,00,78,00,00,00\r\n"
    "\"Multi\"=hex(7):41,00,42,00,00,00,43,00,00,00,00,00\r\n"
    "\"MultiGap\"=hex(7):41,00,00,00,00,00,42,00,00,00,00,00\r\n"
    "\"MultiEmpty\"=hex(7):00,00\r\n"
    "\"Sz\"=hex(1):e9,00,74,00,e9,00,00,00\r\n"
    "\"Euro\"=hex(1):ac,20,00,00\r\n"
    "\"Qword\"=hex(b):ff,ee,dd,cc,bb,aa,99,88\r\n"
    "\"Long\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\r\n"
    "  16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,2b,2c,2d,2e,\\\r\n"
    "  2f,30\r\n"
    "\"Quote\"=\"a\\\"b\"\r\n"
    "\"ToDelete\"=-\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Both\\Sub Key With Spaces]\r\n"
    "\"x\"=\"y\"\r\n"
    "\r\n"
    "[-HKEY_CURRENT_USER\\Software\\VarnockTest\\Gone\\Sub]\r\n";

// Bytes as an export writes them: a byte list continued with "\" every 25 bytes.
std::string ExportedBytes(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string list;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned byte = static_cast<unsigned char>(bytes[i]);
    if (i > 0) list += (i % 25 == 0) ? ",\\\r\n  " : ",";
    list += std::string(1, digits[byte >> 4]) + digits[byte & 15];
  }
  return list;
}

std::string Pattern(std::size_t count, unsigned step) {
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) bytes += static_cast<char>((i * step + 3) & 0xFF);
  return bytes;
}

// Values whose lines pass the INF limit, and data followed by comments. `wide` gives
// the string types their version 5.00 (UTF-16) bytes.
std::string LongValues(bool wide) {
  std::string multi = std::string(700, 'm') + '\0' + "second" + '\0' + '\0';
  if (wide) {
    std::string utf16;
    for (const char c : multi) utf16 += std::string(1, c) + '\0';
    multi = utf16;
  }
  return "[HKEY_CURRENT_USER\\Software\\VarnockTest\\Long]\r\n"
         "\"Big\"=hex:" +
         ExportedBytes(Pattern(4096, 7)) +
         "\r\n"
         "\"TypeA\"=hex(a):" +
         ExportedBytes(Pattern(600, 11)) +
         "\r\n"
         "\"MultiLong\"=hex(7):" +
         ExportedBytes(multi) +
         "\r\n"
         "\"DwordNote\"=dword:00000003 ; a note\r\n"
         "\"HexNote\"=hex:01,02,\\\r\n  03 ; a note\r\n"
         "\"StringNote\"=\"a;b\" ; a note\r\n"
         "\"LongString\"=\"" +
         std::string(500, 's') + "\"\r\n";
}

std::string Utf16File(const std::string& ansi) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ansi) {
    bytes += c;  // ASCII only: the high byte is zero
    bytes += '\0';
  }
  return bytes;
}

class RegRoundTrip : public FormTest {
 protected:
  void TearDown() override {
    ClearTestKey();
    FormTest::TearDown();
  }

  // The registry after merging the REG file over the state before.
  Snapshot Merged(const std::string& regFile) {
    ClearTestKey();
    EXPECT_TRUE(MergeWithRegedit(before_));
    EXPECT_TRUE(MergeWithRegedit(regFile));
    return TakeSnapshot();
  }

  // The registry after installing the translated section over the state before.
  Snapshot Installed(const std::string& regFile, const std::string& name) {
    ClearTestKey();
    EXPECT_TRUE(MergeWithRegedit(before_));
    pad().Rich1.SetText("");
    pad().fImportReg(regFile);
    const std::string section = pad().Rich1.Text();
    EXPECT_EQ(section.find("ERROR"), std::string::npos) << section;
    EXPECT_EQ(section.find("WARNING"), std::string::npos) << section;
    const std::string inf = TestFolder() + name + ".inf";
    WriteTextFile(inf, "[Version]\r\nSignature=\"$Chicago$\"\r\n\r\n[DefaultInstall]\r\nAddReg=Added_from_" + name +
                           ".reg\r\n\r\n" + section);
    EXPECT_TRUE(
        RunAndWait("C:\\windows\\system32\\rundll32.exe setupapi.dll,InstallHinfSection DefaultInstall 132 " + inf));
    return TakeSnapshot();
  }

  // Translates `translated` and compares with the merge of `merged` (the same content,
  // unless the registry editor at hand needs another encoding of it).
  void ExpectSameResult(const std::string& name, const std::string& translated, const std::string& merged,
                        size_t expectedValues) {
    before_ = TestFolder() + "before.reg";
    WriteTextFile(before_, kBefore);
    const std::string mergedFile = TestFolder() + "merged.reg";
    WriteTextFile(mergedFile, merged);
    const Snapshot reference = Merged(mergedFile);
    EXPECT_EQ(reference.values.size(), expectedValues) << "the registry editor did not merge " << name;
    const std::string reg = TestFolder() + name + ".reg";
    WriteTextFile(reg, translated);
    const Snapshot installed = Installed(reg, name);
    EXPECT_EQ(Differences(reference, installed), "") << pad().Rich1.Text();
  }

  std::string before_;
};

TEST_F(RegRoundTrip, Regedit4FileInstallsWhatMergingDoes) { ExpectSameResult("v4", kRegedit4, kRegedit4, 27); }

TEST_F(RegRoundTrip, WideTextVersion5FileInstallsWhatMergingDoes) {
  boxes->answers = {IDYES};
  ExpectSameResult("v5wide", Utf16File(kVersion5), Utf16File(kVersion5), 13);
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONWARNING));
}

// The header decides how string bytes are encoded, not the file's encoding: an 8-bit
// file with the version 5.00 header holds UTF-16 bytes, as the system's registry
// editor reads them. This Wine's registry editor decodes them by the file's encoding
// instead, so the reference is the merge of the same content as a wide-text file.
TEST_F(RegRoundTrip, Version5FileInstallsWhatMergingItsWideTextFormDoes) {
  ExpectSameResult("v5", kVersion5, Utf16File(kVersion5), 13);
}

TEST_F(RegRoundTrip, LongValuesAndCommentsInstallWhatMergingDoes) {
  const std::string v4 = "REGEDIT4\r\n\r\n" + LongValues(false) +
                         "[HKEY_CURRENT_USER\\Software\\VarnockTest\\K\xE9y \xFC\xDF]\r\n\"n\"=dword:00000001 ;x\r\n";
  ExpectSameResult("long4", v4, v4, 13);
  const std::string v5 = Utf16File("Windows Registry Editor Version 5.00\r\n\r\n" + LongValues(true));
  boxes->answers = {IDYES};  // translate the wide text
  ExpectSameResult("long5", v5, v5, 12);
}

// Lines the translation marks as errors install nothing: the marker stands where the
// setup library expects the root key.
TEST_F(RegRoundTrip, ErrorLinesInstallNothing) {
  const std::string key = "HKEY_CURRENT_USER\\Software\\VarnockTest";
  std::vector<InfLine> lines =
      TranslateRegSection("4+HKEY_CURRENT_USER\\Software\\VarnockTest", {{"Unread", "ERROR!"}, {"@", "ERROR!"}}, {});
  const std::string reg = TestFolder() + "errors.reg";
  WriteTextFile(reg, "REGEDIT4\r\n[" + key +
                         "]\r\n\"c\"=dword:xyz\r\nc=1\r\n\"d\"=dword:3 x\r\n"
                         "\"Ok\"=\"1\"\r\n[HKEY_CURRENT_CONFIG\\Software\\VarnockTest]\r\n\"e\"=\"1\"\r\n");
  pad().Rich1.SetText("");
  pad().fImportReg(reg);
  std::string section = pad().Rich1.Text();
  for (const InfLine& line : lines) section += line.text + "\r\n";
  EXPECT_EQ(section.find(",:ERROR"), std::string::npos) << section;
  EXPECT_NE(section.find("\r\n:ERROR! HKCU,\"Software\\VarnockTest\",\"Unread\"\r\n"), std::string::npos) << section;
  ClearTestKey();
  const std::string inf = TestFolder() + "errors.inf";
  WriteTextFile(inf,
                "[Version]\r\nSignature=\"$Chicago$\"\r\n\r\n[DefaultInstall]\r\nAddReg=Added_from_errors.reg"
                "\r\n\r\n" +
                    section);
  EXPECT_TRUE(
      RunAndWait("C:\\windows\\system32\\rundll32.exe setupapi.dll,InstallHinfSection DefaultInstall 132 " + inf));
  const Snapshot installed = TakeSnapshot();
  EXPECT_EQ(installed.keys, std::set<std::wstring>{L""});
  ASSERT_EQ(installed.values.size(), 1u) << section;
  EXPECT_EQ(installed.values.begin()->first, L"|Ok");
}

// varnock-cli's reg2inf --inf: the complete INF it writes installs what merging does.
TEST_F(RegRoundTrip, CommandLineInfInstallsWhatMergingDoes) {
  before_ = TestFolder() + "before.reg";
  WriteTextFile(before_, kBefore);
  const std::string reg = TestFolder() + "cli.reg";
  WriteTextFile(reg, kRegedit4);
  const Snapshot reference = Merged(reg);
  RegTranslateOptions options;
  options.codec = AnsiRegCodec();
  const RegFileTranslation translation = TranslateRegFile(reg, kRegedit4, "; comment", options);
  const std::string inf = TestFolder() + "cli.inf";
  WriteTextFile(inf, InstallableInf(translation));
  ClearTestKey();
  EXPECT_TRUE(MergeWithRegedit(before_));
  EXPECT_TRUE(
      RunAndWait("C:\\windows\\system32\\rundll32.exe setupapi.dll,InstallHinfSection DefaultInstall 132 " + inf));
  EXPECT_EQ(Differences(reference, TakeSnapshot()), "") << InstallableInf(translation);
}

}  // namespace
}  // namespace varnock::test
