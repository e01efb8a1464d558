// The REG import from end to end: cleaning, the temporary profile file read back
// through a reader that follows the Windows profile rules, and the AddReg lines.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "core/inftools/reg_profile.h"
#include "core/inftools/reg_translate.h"
#include "tests/core/inftools/fake_profile_reader.h"

namespace varnock {
namespace {

using testing_profile::FakeProfileReader;

std::vector<InfLine> ImportLines(const std::string& regText, const RegTranslateOptions& options = {}) {
  const RegProfile profile = BuildRegProfile(regText);
  const FakeProfileReader reader(profile.text);
  std::vector<InfLine> lines;
  for (const std::string& section : reader.SectionNames()) {
    std::vector<RegProfileEntry> entries;
    for (const std::string& key : reader.KeyNames(section)) {
      entries.push_back({key, reader.Value(section, key, "ERROR!")});
    }
    for (InfLine& line : TranslateRegSection(section, entries, options)) lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Import(const std::string& regText, const RegTranslateOptions& options = {}) {
  std::vector<std::string> texts;
  for (const InfLine& line : ImportLines(regText, options)) texts.push_back(line.text);
  return texts;
}

const std::string kV4 = "REGEDIT4\r\n\r\n";
const std::string kV5 = "Windows Registry Editor Version 5.00\r\n\r\n";

std::string Key(const std::string& body) { return "[HKEY_CURRENT_USER\\Software\\A]\r\n" + body; }

using Lines = std::vector<std::string>;

TEST(RegImport, StringsAndDefaultValues) {
  EXPECT_EQ(Import(kV4 + "[HKEY_LOCAL_MACHINE\\Software\\Acme]\r\n\"Path\"=\"C:\\\\Acme\"\r\n"),
            Lines{"HKLM,\"Software\\Acme\",\"Path\",,\"C:\\Acme\""});
  EXPECT_EQ(Import(kV5 + Key("@=\"x\"\r\n@=dword:00000001\r\n\"\"=\"y\"\r\n")),
            (Lines{"HKCU,\"Software\\A\",,,\"x\"", "HKCU,\"Software\\A\",,0x00010001,01,00,00,00",
                   "HKCU,\"Software\\A\",,,\"y\""}));
}

TEST(RegImport, EscapesBecomeInfQuoting) {
  EXPECT_EQ(Import(kV4 + Key("\"Q\"=\"say \\\"hi\\\"\"\r\n\"P\"=\"50% \\\\ %PATH%\"\r\n\"a\\\"%\"=\"\"\r\n")),
            (Lines{"HKCU,\"Software\\A\",\"Q\",,\"say \"\"hi\"\"\"", "HKCU,\"Software\\A\",\"P\",,\"50%% \\ %%PATH%%\"",
                   "HKCU,\"Software\\A\",\"a\"\"%%\",,\"\""}));
}

TEST(RegImport, DwordsArePaddedAndByteSwapped) {
  EXPECT_EQ(
      Import(kV4 + Key("\"D\"=dword:0000ffff\r\n\"S\"=dword:1fF\r\n\"Z\"=dword:0\r\n")),
      (Lines{"HKCU,\"Software\\A\",\"D\",0x00010001,ff,ff,00,00", "HKCU,\"Software\\A\",\"S\",0x00010001,ff,01,00,00",
             "HKCU,\"Software\\A\",\"Z\",0x00010001,00,00,00,00"}));
  EXPECT_EQ(Import(kV4 + Key("\"D\"=dword:123456789\r\n\"E\"=dword:\r\n\"F\"=dword:12x4\r\n")),
            (Lines{":ERROR! HKCU,\"Software\\A\",\"D\"=dword:123456789",
                   ":ERROR! HKCU,\"Software\\A\",\"E\"=dword:", ":ERROR! HKCU,\"Software\\A\",\"F\"=dword:12x4"}));
}

TEST(RegImport, BinaryAndTypedBytes) {
  EXPECT_EQ(
      Import(kV5 + Key("\"B\"=hex:01,AB,c\r\n\"E\"=hex:\r\n\"Q\"=hex(b):01,02,03,04,05,06,07,08\r\n"
                       "\"W\"=hex(4):78,56,34,12\r\n\"N\"=hex(0):ff\r\n\"R\"=hex(3):01\r\n\"X\"=hex(100):01\r\n")),
      (Lines{"HKCU,\"Software\\A\",\"B\",1,01,ab,0c", "HKCU,\"Software\\A\",\"E\",1",
             "HKCU,\"Software\\A\",\"Q\",0x000B0001,01,02,03,04,05,06,07,08",
             "HKCU,\"Software\\A\",\"W\",0x00040001,78,56,34,12", "HKCU,\"Software\\A\",\"N\",0x00020001,ff",
             "HKCU,\"Software\\A\",\"R\",0x00030001,01", "HKCU,\"Software\\A\",\"X\",0x01000001,01"}));
  // A type beyond the high word, or a broken byte list, cannot be written.
  EXPECT_EQ(Import(kV5 + Key("\"T\"=hex(10000):01\r\n\"L\"=hex:1,,2\r\n\"M\"=hex:123\r\n")),
            (Lines{":ERROR! HKCU,\"Software\\A\",\"T\"=hex(10000):01", ":ERROR! HKCU,\"Software\\A\",\"L\"=hex:1,,2",
                   ":ERROR! HKCU,\"Software\\A\",\"M\"=hex:123"}));
}

TEST(RegImport, StringTypesAreDecodedByTheHeader) {
  const Lines expected{"HKCU,\"Software\\A\",\"E\",0x00020000,\"%%W\"", "HKCU,\"Software\\A\",\"S\",,\"Hi\"",
                       "HKCU,\"Software\\A\",\"M\",0x00010000,\"AB\",\"C\""};
  EXPECT_EQ(Import(kV5 + Key("\"E\"=hex(2):25,00,57,00,00,00\r\n\"S\"=hex(1):48,00,69,00,00,00\r\n"
                             "\"M\"=hex(7):41,00,42,00,00,00,43,00,00,00,00,00\r\n")),
            expected);
  EXPECT_EQ(Import(kV4 + Key("\"E\"=hex(2):25,57,00\r\n\"S\"=hex(1):48,69\r\n\"M\"=hex(7):41,42,00,43,00,00\r\n")),
            expected);
}

TEST(RegImport, MultiStringsThatAreNotAPlainListKeepTheirBytes) {
  // An empty string inside, no list terminator, an empty list, an odd byte count.
  EXPECT_EQ(Import(kV5 + Key("\"M\"=hex(7):41,00,00,00,00,00,42,00,00,00,00,00\r\n\"T\"=hex(7):41,00,00,00\r\n"
                             "\"Z\"=hex(7):00,00\r\n\"O\"=hex(7):41,00,00\r\n")),
            (Lines{"HKCU,\"Software\\A\",\"M\",0x00070001,41,00,00,00,00,00,42,00,00,00,00,00",
                   "HKCU,\"Software\\A\",\"T\",0x00070001,41,00,00,00", "HKCU,\"Software\\A\",\"Z\",0x00070001,00,00",
                   "HKCU,\"Software\\A\",\"O\",0x00070001,41,00,00"}));
  // REGEDIT4 text is stored as the UTF-16 the registry holds.
  EXPECT_EQ(Import(kV4 + Key("\"M\"=hex(7):41,00,00,42,00,00\r\n")),
            (Lines{"HKCU,\"Software\\A\",\"M\",0x00070001,41,00,00,00,00,00,42,00,00,00,00,00"}));
}

TEST(RegImport, CharactersOutsideTheCodePageAreFlagged) {
  RegTranslateOptions latin1;
  latin1.codec.narrow = [](const std::u16string& wide, std::string* text) {
    bool exact = true;
    text->clear();
    for (const char16_t unit : wide) {
      exact = exact && unit < 0x100;
      text->push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
    }
    return exact;
  };
  const std::string reg = kV5 + Key("\"E\"=hex(2):e9,00,00,00\r\n\"M\"=hex(7):ac,20,00,00,00,00\r\n");
  EXPECT_EQ(Import(reg, latin1), (Lines{"HKCU,\"Software\\A\",\"E\",0x00020000,\"\xE9\"",
                                        "HKCU,\"Software\\A\",\"M\",0x00070001,ac,20,00,00,00,00"}));
  // Without a code page only ASCII is exact: the string says so on the line above.
  const Lines ascii = Import(reg);
  ASSERT_EQ(ascii.size(), 3u);
  EXPECT_EQ(ascii[0], RegImportTexts().inexactValue);
  EXPECT_EQ(ascii[1], "HKCU,\"Software\\A\",\"E\",0x00020000,\"?\"");
  // A REG_SZ with a NUL inside cannot be stored whole either.
  const Lines nul = Import(kV4 + Key("\"S\"=hex(1):41,00,42,00\r\n"));
  EXPECT_EQ(nul, (Lines{RegImportTexts().inexactValue, "HKCU,\"Software\\A\",\"S\",,\"A\""}));
}

TEST(RegImport, Deletions) {
  RegTranslateOptions options;
  options.texts.cannotDeleteDefault = "Cannot delete default:";  // a translation without ";"
  EXPECT_EQ(Import(kV4 + Key("\"x\"=-\r\n@=-\r\n") + "[-HKEY_LOCAL_MACHINE\\Software\\Old]\r\n\"ignored\"=\"1\"\r\n",
                   options),
            (Lines{"HKCU,\"Software\\A\",\"x\",0x00000004", "; Cannot delete default: HKCU,\"Software\\A\"",
                   "HKLM,\"Software\\Old\",,0x00000004"}));
}

TEST(RegImport, ContinuationLinesCommentsAndIndentation) {
  EXPECT_EQ(Import(kV4 + Key("\"Bin\"=hex:01,02,\\\r\n  03,\\\r\n\t04\r\n; a comment \\\r\n  \"S\"=\"x\"\r\n")),
            (Lines{"HKCU,\"Software\\A\",\"Bin\",1,01,02,03,04", "HKCU,\"Software\\A\",\"S\",,\"x\""}));
  // A continuation mark on the very last line is dropped; LF-only and CR-only files.
  EXPECT_EQ(Import("REGEDIT4\n[HKEY_USERS\\.DEFAULT]\n\"Bin\"=hex:01,02,\\"),
            Lines{"HKU,\".DEFAULT\",\"Bin\",1,01,02"});
  EXPECT_EQ(Import("REGEDIT4\r[HKEY_CLASSES_ROOT\\.txt]\r@=\"txtfile\"\r"), Lines{"HKCR,\".txt\",,,\"txtfile\""});
}

TEST(RegImport, EmptyKeysAndTheirParents) {
  // A key with no values is left out when a key below it is created; a key whose
  // name merely starts alike, a key only named in some data, a last key are kept.
  EXPECT_EQ(
      Import(kV4 +
             "[HKEY_LOCAL_MACHINE\\S\\A]\r\n[HKEY_LOCAL_MACHINE\\S\\A\\B]\r\n\"x\"=\"1\"\r\n"
             "[HKEY_LOCAL_MACHINE\\S\\C]\r\n[HKEY_LOCAL_MACHINE\\S\\CD]\r\n\"y\"=\"HKEY_LOCAL_MACHINE\\\\S\\\\E\"\r\n"
             "[HKEY_LOCAL_MACHINE\\S\\E]\r\n[HKEY_LOCAL_MACHINE\\S\\F]\r\n"),
      (Lines{"HKLM,\"S\\A\\B\",\"x\",,\"1\"", "HKLM,\"S\\C\",,0x00000010",
             "HKLM,\"S\\CD\",\"y\",,\"HKEY_LOCAL_MACHINE\\S\\E\"", "HKLM,\"S\\E\",,0x00000010",
             "HKLM,\"S\\F\",,0x00000010"}));
  // A key to delete is never left out, and creates nothing below an empty key.
  EXPECT_EQ(
      Import(kV4 + "[HKEY_LOCAL_MACHINE\\S]\r\n[-HKEY_LOCAL_MACHINE\\S\\T]\r\n[-HKEY_LOCAL_MACHINE\\S\\T\\U]\r\n"),
      (Lines{"HKLM,\"S\",,0x00000010", "HKLM,\"S\\T\",,0x00000004", "HKLM,\"S\\T\\U\",,0x00000004"}));
}

TEST(RegImport, RepeatedKeysAndValuesKeepEveryValueInOrder) {
  EXPECT_EQ(Import(kV4 + "[HKEY_CURRENT_USER\\K]\r\n\"a\"=\"1\"\r\n\"A\"=\"2\"\r\n@=\"d1\"\r\n@=\"d2\"\r\n"
                         "[-HKEY_CURRENT_USER\\K]\r\n[hkey_current_user\\k]\r\n\"b\"=\"3\"\r\n"
                         "[HKEY_CURRENT_USER\\K]\r\n\"a\"=\"4\"\r\n"),
            (Lines{"HKCU,\"K\",\"a\",,\"1\"", "HKCU,\"K\",\"A\",,\"2\"", "HKCU,\"K\",,,\"d1\"", "HKCU,\"K\",,,\"d2\"",
                   "HKCU,\"K\",,0x00000004", "HKCU,\"k\",\"b\",,\"3\"", "HKCU,\"K\",\"a\",,\"4\""}));
}

TEST(RegImport, NamesAndDataTheProfileFunctionsWouldAlter) {
  const std::string reg = kV4 +
                          "[HKEY_CURRENT_USER\\Odd] ;x]\r\n"
                          "\"a=b\"=\"c=d\"\r\n"
                          "\" padded \"=\"  'both'  \"\r\n"
                          "\";semi\"=\"\\\"quoted\\\"\"\r\n"
                          "\"[br]#1\"='single'\r\n"
                          "\"@\"=\"at\"\r\n"
                          "\"!\"=\"bang\"\r\n"
                          "\"caf\xE9\"=\"tab\there\"\r\n"
                          "\"hex:01\"=\"hex:01\"\r\n"
                          "\"ERROR!\"=\"ERROR!\"\r\n";
  EXPECT_EQ(Import(reg), (Lines{"HKCU,\"Odd] ;x\",\"a=b\",,\"c=d\"", "HKCU,\"Odd] ;x\",\" padded \",,\"  'both'  \"",
                                "HKCU,\"Odd] ;x\",\";semi\",,\"\"\"quoted\"\"\"",
                                ":ERROR! HKCU,\"Odd] ;x\",\"[br]#1\"='single'", "HKCU,\"Odd] ;x\",\"@\",,\"at\"",
                                "HKCU,\"Odd] ;x\",\"!\",,\"bang\"", "HKCU,\"Odd] ;x\",\"caf\xE9\",,\"tab\there\"",
                                "HKCU,\"Odd] ;x\",\"hex:01\",,\"hex:01\"", "HKCU,\"Odd] ;x\",\"ERROR!\",,\"ERROR!\""}));
}

TEST(RegImport, LinesThatAreNotValuesAreShownAsErrors) {
  EXPECT_EQ(Import(kV4 + "\"before\"=\"any key\"\r\n" + Key("unquoted=1\r\n\"x\"=\"open\r\n")),
            (Lines{":ERROR! HKCU,\"Software\\A\",unquoted=1", ":ERROR! HKCU,\"Software\\A\",\"x\"=\"open"}));
  EXPECT_EQ(Import(kV4 + "[HKEY_CURRENT_CONFIG\\Software]\r\n\"v\"=\"1\"\r\n"),
            Lines{":ERROR,\"T_CONFIG\\Software\",\"v\",,\"1\""});
  EXPECT_EQ(Import(kV4 + "[HKEY_LOCAL_MACHINEX\\S]\r\n"), Lines{":ERROR,\"MACHINEX\\S\",,0x00000010"});
}

TEST(RegImport, EmptyFilesGiveNoLines) {
  EXPECT_TRUE(Import("").empty());
  EXPECT_TRUE(Import("Windows Registry Editor Version 5.00\r\n").empty());
  EXPECT_TRUE(Import("REGEDIT4\r\n; only a comment\r\n\r\n").empty());
}

// The INF lines as the setup library reads them: a line ending in "\" joined with
// the next. Checks on the way that each physical line fits and that a line is only
// continued after a whole field.
std::vector<std::string> LogicalLines(const std::vector<InfLine>& lines) {
  std::vector<std::string> logical;
  bool continuing = false;
  for (const InfLine& line : lines) {
    std::string text = line.text;
    EXPECT_LE(text.size(), kMaxInfLineLength) << text;
    EXPECT_FALSE(line.tooLong) << text;
    const bool continued = !text.empty() && text.back() == '\\';
    if (continued) {
      EXPECT_EQ(text.substr(text.size() - 2), ",\\");
      text.pop_back();
    }
    if (continuing) logical.back() += text;
    else logical.push_back(text);
    continuing = continued;
  }
  EXPECT_FALSE(continuing);
  return logical;
}

// The byte list of `bytes`, lower case, as the translation writes it.
std::string HexOf(const std::string& bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string list;
  for (const char c : bytes) {
    const unsigned byte = static_cast<unsigned char>(c);
    list += std::string(list.empty() ? "" : ",") + digits[byte >> 4] + digits[byte & 15];
  }
  return list;
}

// `count` varied bytes as the translation writes them, and in upper case as exports do.
std::string InfBytes(std::size_t count) {
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) bytes += static_cast<char>(i * 37);
  return HexOf(bytes);
}

std::string RegBytes(std::size_t count) {
  std::string list = InfBytes(count);
  for (char& c : list) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return list;
}

TEST(RegImport, LongByteListsAreContinuedInEveryFlagForm) {
  const struct {
    const char* regType;
    const char* flags;
  } forms[] = {{"hex:", "1"},
               {"hex(3):", "0x00030001"},
               {"hex(0):", "0x00020001"},
               {"hex(a):", "0x000A0001"},
               {"hex(b):", "0x000B0001"},
               {"hex(7):", "0x00070001"}};
  for (const auto& form : forms) {
    for (const std::size_t count : {161u, 162u, 163u, 600u, 2000u}) {
      SCOPED_TRACE(std::string(form.regType) + " " + std::to_string(count));
      // An odd count keeps the multi-string in its byte form.
      const std::size_t bytes = std::string(form.regType) == "hex(7):" ? count | 1 : count;
      const std::vector<InfLine> lines =
          ImportLines(kV5 + Key("\"BBB\"=" + std::string(form.regType) + RegBytes(bytes) + "\r\n"));
      const std::string expected = "HKCU,\"Software\\A\",\"BBB\"," + std::string(form.flags) + "," + InfBytes(bytes);
      EXPECT_EQ(LogicalLines(lines), Lines{expected});
      EXPECT_EQ(lines.size() == 1, expected.size() <= kMaxInfLineLength);
    }
  }
}

TEST(RegImport, ALineOfExactly511CharactersStaysWhole) {
  // `HKCU,"Software\A","BBB",1,` is 26 characters, each byte 3 more with its comma.
  const std::vector<InfLine> fits = ImportLines(kV4 + Key("\"BBB\"=hex:" + RegBytes(162) + "\r\n"));
  ASSERT_EQ(fits.size(), 1u);
  EXPECT_EQ(fits[0].text.size(), 511u);
  const std::vector<InfLine> over = ImportLines(kV4 + Key("\"BBB\"=hex:" + RegBytes(163) + "\r\n"));
  ASSERT_EQ(over.size(), 2u);
  EXPECT_EQ(over[0].text, "HKCU,\"Software\\A\",\"BBB\",1," + InfBytes(161) + ",\\");
  EXPECT_EQ(over[1].text, InfBytes(163).substr(161 * 3));
}

TEST(RegImport, ALongKeyAndNameLeaveTheFirstLineFewBytes) {
  const std::string key = "Software\\" + std::string(191, 'k');  // the quoted field is 202
  const std::string name(288, 'n');                              // 290 quoted
  const std::string reg = kV4 + "[HKEY_CURRENT_USER\\" + key + "]\r\n\"" + name + "\"=hex:" + RegBytes(40) + "\r\n\"" +
                          name + "\"=dword:00000003\r\n";
  const std::vector<InfLine> lines = ImportLines(reg);
  const std::string head = "HKCU,\"" + key + "\",\"" + name + "\",";
  EXPECT_EQ(LogicalLines(lines), (Lines{head + "1," + InfBytes(40), head + "0x00010001,03,00,00,00"}));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, head + "1," + InfBytes(3) + ",\\");
}

TEST(RegImport, MultiStringsTooLongForOneLineAreWrittenAsBytes) {
  // Three strings of 170 characters, and one string of 700.
  std::string three;
  for (const char c : {'a', 'b', 'c'}) three += std::string(170, c) + '\0';
  three += '\0';
  const std::string oneLong = std::string(700, 'x') + std::string(2, '\0');
  for (const std::string& text : {three, oneLong}) {
    std::string utf16;
    for (const char c : text) utf16 += std::string(1, c) + '\0';
    const Lines expected{"HKCU,\"Software\\A\",\"M\",0x00070001," + HexOf(utf16)};
    EXPECT_EQ(LogicalLines(ImportLines(kV5 + Key("\"M\"=hex(7):" + HexOf(utf16) + "\r\n"))), expected);
    EXPECT_EQ(LogicalLines(ImportLines(kV4 + Key("\"M\"=hex(7):" + HexOf(text) + "\r\n"))), expected);
  }
}

TEST(RegImport, OnlyAStringFieldLongerThanALineIsMarked) {
  const std::string head = "HKCU,\"Software\\A\",\"S\",";
  // The line passes 511 characters but the string field does not: it is continued.
  const std::string fits(509, 'x');
  std::vector<InfLine> lines = ImportLines(kV4 + Key("\"S\"=\"" + fits + "\"\r\n"));
  EXPECT_EQ(LogicalLines(lines), Lines{head + ",\"" + fits + "\""});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].text, "\"" + fits + "\"");
  // One character more (a "%" counts twice) and the field alone is too long.
  for (const std::string& reg : {"\"S\"=\"" + fits + "y\"", "\"S\"=\"" + fits.substr(1) + "%\"",
                                 "\"S\"=hex(2):" + HexOf(std::string(510, 'x') + '\0')}) {
    lines = ImportLines(kV4 + Key(reg + "\r\n"));
    ASSERT_EQ(lines.size(), 1u) << reg;
    EXPECT_TRUE(lines[0].tooLong);
    EXPECT_EQ(lines[0].text.rfind(": LINE TOO LONG ERROR: HKCU,", 0), 0u);
  }
}

TEST(RegImport, CommentsAfterTheDataAreDropped) {
  const std::string head = "HKCU,\"Software\\A\",";
  const struct {
    const char* reg;
    const char* inf;
  } cases[] = {
      {"\"d\"=dword:00000003 ; note", "\"d\",0x00010001,03,00,00,00"},
      {"\"d\"=dword:3;note", "\"d\",0x00010001,03,00,00,00"},
      {"\"b\"=hex:01,02 ; note", "\"b\",1,01,02"},
      {"\"b\"=hex:01,\\\r\n  02\t; note", "\"b\",1,01,02"},
      {"\"m\"=hex(7):41,00,00,00,00,00 ;note", "\"m\",0x00010000,\"A\""},
      {"\"s\"=\"a;b\" ; note \"quoted\"", "\"s\",,\"a;b\""},
      {"@=\"x\";", ",,\"x\""},
      {"\"x\"=- ; note", "\"x\",0x00000004"},
      {"\"d\"=dword: ; note", nullptr},
      {"\"d\"=dword:3 x", nullptr},
      {"\"s\"=\"a\" b", nullptr},
      {"\"x\"=-x", nullptr},
  };
  for (const auto& c : cases) {
    const std::string expected =
        c.inf ? head + c.inf : ":ERROR! " + head + std::string(c.reg).substr(0, std::string(c.reg).find("\r"));
    EXPECT_EQ(Import(kV5 + Key(std::string(c.reg) + "\r\n")), Lines{expected}) << c.reg;
  }
}

TEST(RegImport, UnreadableEntriesAreShownAsErrors) {
  // What comes back when the profile functions lose an entry: the default text.
  const std::vector<InfLine> lines =
      TranslateRegSection("4+HKEY_CURRENT_USER\\A", {{"Name", "ERROR!"}, {"@", ""}, {"bad%zz", "|\"x\"|"}}, {});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].text, ":ERROR! HKCU,\"A\",\"Name\"");
  EXPECT_EQ(lines[1].text, ":ERROR! HKCU,\"A\",@");
  EXPECT_EQ(lines[2].text, ":ERROR! HKCU,\"A\",bad%zz");
}

TEST(RegImport, HeaderLosesItsBlanks) {
  EXPECT_EQ(RegImportHeader("C:\\My Files\\my settings.reg"), "[Added_from_mysettings.reg]");
  EXPECT_EQ(RegImportHeader("a b .REG"), "[Added_from_ab.REG]");
}

}  // namespace
}  // namespace varnock
