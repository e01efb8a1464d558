#include "core/inftools/reg_to_inf.h"

#include <gtest/gtest.h>

#include "core/inftools/windows1252.h"

namespace varnock {
namespace {

const char kComment[] = "; comment";

RegTranslateOptions Options() {
  RegTranslateOptions options;
  options.codec = Windows1252Codec();
  return options;
}

std::string Wide(const std::string& ascii) {
  std::string bytes = "\xFF\xFE";
  for (const char c : ascii) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

TEST(RegToInf, HeaderCommentThenTheSectionLines) {
  const RegFileTranslation t = TranslateRegFile(
      "C:\\x\\my settings.reg", "REGEDIT4\r\n[HKEY_LOCAL_MACHINE\\Software\\Acme]\r\n\"Path\"=\"C:\\\\Acme\"\r\n",
      kComment, Options());
  ASSERT_EQ(t.lines.size(), 3u);
  EXPECT_EQ(t.lines[0], "[Added_from_mysettings.reg]");
  EXPECT_EQ(t.lines[1], kComment);
  EXPECT_EQ(t.lines[2], "HKLM,\"Software\\Acme\",\"Path\",,\"C:\\Acme\"");
  EXPECT_FALSE(t.wasUtf16);
}

TEST(RegToInf, Utf16FileIsConvertedAndTheSameAsItsEightBitForm) {
  const std::string reg = "REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n@=\"x\"\r\n";
  const RegFileTranslation wide = TranslateRegFile("a.reg", Wide(reg), kComment, Options());
  EXPECT_TRUE(wide.wasUtf16);
  EXPECT_FALSE(wide.utf16Inexact);
  EXPECT_EQ(wide.lines, TranslateRegFile("a.reg", reg, kComment, Options()).lines);
  EXPECT_EQ(wide.lines.back(), "HKCU,\"A\",,,\"x\"");
}

TEST(RegToInf, TooLongLinesAreCounted) {
  const std::string reg =
      "REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"" + std::string(600, 'x') + "\"\r\n\"w\"=\"y\"\r\n";
  const RegFileTranslation t = TranslateRegFile("a.reg", reg, kComment, Options());
  EXPECT_EQ(t.tooLongLines, std::vector<std::size_t>{2});
}

// A NUL would end the document's text where the line lands: each line of the REG file
// is taken up to its first NUL.
TEST(RegToInf, NoNulReachesALine) {
  const std::string reg = std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\0B\r\n\"v\"=\"x\"\0y\r\n", 46);
  const RegFileTranslation t = TranslateRegFile("a.reg", reg, kComment, Options());
  ASSERT_EQ(t.lines.size(), 3u);
  EXPECT_EQ(t.lines[2], "HKCU,\"A\",\"v\",,\"x\"");
}

TEST(RegToInf, InstallableInfNamesTheSectionInDefaultInstall) {
  const RegFileTranslation t =
      TranslateRegFile("odd;name,x.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n@=\"x\"\r\n", kComment, Options());
  EXPECT_EQ(InstallableInf(t),
            "[Version]\r\nSignature=\"$CHICAGO$\"\r\n\r\n[DefaultInstall]\r\nAddReg=Added_from_odd_name_x.reg\r\n\r\n"
            "[Added_from_odd_name_x.reg]\r\n; comment\r\nHKCU,\"A\",,,\"x\"\r\n");
}

TEST(Windows1252, RoundTripsEveryByteAndFlagsWhatItLacks) {
  const RegCodec codec = Windows1252Codec();
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  std::u16string wide;
  ASSERT_TRUE(codec.widen(all, &wide));
  EXPECT_EQ(wide[0x80], u'\x20AC');
  std::string back;
  EXPECT_TRUE(codec.narrow(wide, &back));
  EXPECT_EQ(back, all);
  EXPECT_FALSE(codec.narrow(u"a\x0100", &back));
  EXPECT_EQ(back, "a?");
}

}  // namespace
}  // namespace varnock
