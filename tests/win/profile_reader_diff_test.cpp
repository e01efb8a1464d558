// The portable profile reader against the system's profile functions under Wine: the
// same section names and the same entries, first for REG exports laid out as the
// import's temporary file (both formats, every value type, odd names, escapes, long
// lines), then for raw texts full of the cases those functions treat specially. The
// whole translation of each export is compared too: the command-line companion must
// append what the editor appends.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/inftools/profile_reader.h"
#include "core/inftools/reg_profile.h"
#include "core/inftools/reg_to_inf.h"
#include "win/inftools/reg_profile_file.h"
#include "win/platform/profile.h"

namespace varnock::test {
namespace {

std::string ScratchFile(int n) {
  char folder[MAX_PATH + 1] = "";
  GetTempPathA(sizeof folder, folder);
  // A fresh name each time: the profile functions keep parsed files in a cache.
  return std::string(folder) + "varnock-diff-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(n) +
         ".ini";
}

void ExpectSameReading(const std::string& text, int n) {
  const std::string file = ScratchFile(n);
  ASSERT_TRUE(ProfileWriteFile(file, text));
  const ParsedProfile parsed = ParseProfileText(text);
  const std::vector<std::string> names = ProfileSections(file);
  ASSERT_EQ(ProfileSectionNamesOf(parsed), names) << text;
  for (const std::string& name : names) {
    EXPECT_EQ(ProfileSectionEntriesOf(parsed, name), ProfileSectionEntries(file, name)) << name << "\n" << text;
  }
  DeleteFileA(file.c_str());
}

class RegGenerator {
 public:
  explicit RegGenerator(unsigned seed) : random_(seed) {}

  std::string Export() {
    const bool version5 = Pick(2) == 0;
    std::string reg = version5 ? "Windows Registry Editor Version 5.00\r\n\r\n" : "REGEDIT4\r\n\r\n";
    const int keys = 1 + Pick(4);
    for (int k = 0; k < keys; ++k) {
      reg += "[" + std::string(Pick(6) == 0 ? "-" : "") + Root() + "\\Software\\" + Name() + "]\r\n";
      const int values = Pick(6);
      for (int v = 0; v < values; ++v) reg += ValueLine(version5) + "\r\n";
      reg += "\r\n";
    }
    return reg;
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

  std::string Root() {
    static const char* const roots[] = {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT",
                                        "HKEY_USERS",         "hkey_current_user", "HKEY_CURRENT_CONFIG"};
    return roots[Pick(6)];
  }

  // Names and texts with every character the profile functions or the REG syntax treat
  // specially: blanks at the edges, quotes, "=", ";", brackets, "#", "%", "@", "!",
  // escapes, non-ASCII and a character of the 0x80 row.
  std::string Name() {
    static const char* const pieces[] = {"a", "Key", " ",    "=",    ";",    "[",    "]",   "#",  "%", "@",
                                         "!", "'",   "\\\\", "\\\"", "\xE9", "\x80", "x y", "\t", "K", "k"};
    std::string name;
    const int count = 1 + Pick(5);
    for (int i = 0; i < count; ++i) name += pieces[Pick(20)];
    return name;
  }

  std::string HexBytes(int count, bool wide) {
    static const char* const digits = "0123456789abcdef";
    std::string bytes;
    for (int i = 0; i < count; ++i) {
      if (i) bytes += ",";
      if (i > 0 && i % 20 == 0) bytes += "\\\r\n  ";
      const int value = wide && i % 2 == 1 ? 0 : 0x20 + Pick(0x5F);
      bytes += digits[value >> 4];
      bytes += digits[value & 15];
    }
    return bytes;
  }

  std::string ValueLine(bool version5) {
    const std::string name = Pick(5) == 0 ? "@" : "\"" + Name() + "\"";
    switch (Pick(9)) {
      case 0: return name + "=\"" + Name() + "\"";
      case 1: return name + "=\"" + std::string(300 + Pick(3000), 'L') + "\"";
      case 2: return name + "=dword:" + HexBytes(4, false).substr(0, 8 - Pick(3));
      case 3: return name + "=hex:" + HexBytes(Pick(60), false);
      case 4: return name + "=hex(2):" + HexBytes(2 * (1 + Pick(10)), version5) + (version5 ? ",00,00" : ",00");
      case 5: return name + "=hex(7):" + HexBytes(2 * (1 + Pick(10)), version5) + ",00,00,00,00";
      case 6: return name + "=hex(b):" + HexBytes(8, false);
      case 7: return name + "=-";
      default: return name + "=\"" + std::string(Pick(3), ' ') + "quoted \\\"text\\\" ; not a comment\"";
    }
  }

  std::mt19937 random_;
};

TEST(ProfileReaderDifferential, RegExportsLaidOutForTheImport) {
  RegGenerator generator(14);
  RegTranslateOptions options;
  options.codec = AnsiRegCodec();
  for (int n = 0; n < 60; ++n) {
    const std::string reg = generator.Export();
    ExpectSameReading(BuildRegProfile(reg).text, n);
    std::vector<InfLine> editor;
    ASSERT_TRUE(TranslateThroughProfile(reg, ScratchFile(1000 + n), options, &editor));
    const std::vector<InfLine> portable = TranslateRegTextPortably(reg, options);
    ASSERT_EQ(portable.size(), editor.size()) << reg;
    for (std::size_t i = 0; i < portable.size(); ++i) EXPECT_EQ(portable[i].text, editor[i].text) << reg;
  }
}

TEST(ProfileReaderDifferential, RawTextsWithEverySpecialCase) {
  const std::vector<std::string> fixed = {
      "[S]\r\n  a  =  b = c  \r\n",
      "[a]b]c\r\nk=v\r\n[S]\r\n[open\r\nx\r\n",
      "x=1\r\n[]\r\ny=2\r\n[T]\r\n;c=1\r\n=v\r\n=w\r\nk=1\r\n=z\r\n",
      "[S]\r\nk=1\r\n[s]\r\nk=2\r\nK=3\r\n",
      "\t[S]\x1A\n\fk\t=\tv\r\r\nq=\"x\"\nr='y'\n",
      std::string("[S\0x]\nk\0z=v\0w\n[T]\nk=v\n", 25),
      "[S]\r\nlong=" + std::string(70000, 'x') + "\r\n",
      "[ spaced ]\r\n = \r\n;\r\n[S]\r\n\xE9=\xE8\r\n",
  };
  int n = 2000;
  for (const std::string& text : fixed) ExpectSameReading(text, n++);
  std::mt19937 random(15);
  const std::vector<std::string> pieces = {"[",    "]",  "=",  ";", " ",    "\t", "a",  "B",
                                           "\r\n", "\n", "\"", "'", "\xE9", "k",  "\r", std::string(1, '\0'),
                                           "\x1A", "[S]"};
  for (int round = 0; round < 300; ++round) {
    std::string text = "[S]\r\n";
    const int count = static_cast<int>(random() % 80);
    for (int i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
    ExpectSameReading(text, n++);
  }
}

}  // namespace
}  // namespace varnock::test
