#include <gtest/gtest.h>

#include "core/app/command_line.h"
#include "core/app/hint.h"
#include "core/app/version_text.h"

namespace varnock {
namespace {

TEST(CommandLine, ArgumentTextIsEverythingAfterTheProgramName) {
  EXPECT_EQ(ArgumentText("Varnock.exe"), "");
  EXPECT_EQ(ArgumentText("Varnock.exe /U"), "/U");
  EXPECT_EQ(ArgumentText("\"C:\\Program Files\\Varnock.exe\" my file.inf"), "my file.inf");
  EXPECT_EQ(ArgumentText("\"C:\\P F\\Varnock.exe\" \"my file.inf\""), "\"my file.inf\"");
  EXPECT_EQ(ArgumentText("Varnock.exe  /U"), " /U");  // the padding is part of the text
  EXPECT_EQ(ArgumentText("Varnock.exe /U "), "/U ");
  EXPECT_EQ(ArgumentText("\"Varnock.exe\""), "");
}

TEST(CommandLine, OnlyTheExactSwitchesAreSwitches) {
  EXPECT_EQ(RecogniseSwitch("/U"), StartSwitch::Uninstall);
  EXPECT_EQ(RecogniseSwitch("/W1"), StartSwitch::TileVertical);
  EXPECT_EQ(RecogniseSwitch("/W2"), StartSwitch::TileHorizontal);
  EXPECT_EQ(RecogniseSwitch("/W3"), StartSwitch::Cascade);
  for (const char* text : {"", "/u", "/w1", " /U", "/U ", "/W4", "/W", "\"/U\"", "x.inf"})
    EXPECT_EQ(RecogniseSwitch(text), StartSwitch::None) << text;
}

TEST(VersionText, LastMatchingRuleWins) {
  EXPECT_EQ(WindowsVersionText({1, 4, 0, 950}), "Windows 95 4.0 (Build 950)");
  EXPECT_EQ(WindowsVersionText({1, 4, 10, 0x040A0000 | 2222}), "Windows 98 4.10 (Build 2222)");
  EXPECT_EQ(WindowsVersionText({1, 4, 90, 3000}), "Windows Me 4.90 (Build 3000)");
  EXPECT_EQ(WindowsVersionText({2, 4, 0, 1381}), "Windows NT 4.0 (Build 1381)");
  EXPECT_EQ(WindowsVersionText({2, 5, 0, 2195}), "Windows 2000 5.0 (Build 2195)");
  EXPECT_EQ(WindowsVersionText({2, 5, 1, 2600}), "Windows XP 5.1 (Build 2600)");
  EXPECT_EQ(WindowsVersionText({2, 5, 2, 3790}), "Windows Server 2003 5.2 (Build 3790)");
  EXPECT_EQ(WindowsVersionText({2, 6, 1, 7601}), "Windows Vista 6.1 (Build 7601)");
  EXPECT_EQ(WindowsVersionText({2, 10, 0, 19045}), "Windows NT 10.0 (Build 19045)");
  EXPECT_EQ(WindowsVersionText({3, 1, 0, 0}), "");
}

TEST(VersionText, NineXFamilyIsRecognisedFromTheText) {
  EXPECT_TRUE(IsWindows9xText("Windows 98 4.10 (Build 2222)"));
  EXPECT_TRUE(IsWindows9xText("Windows Me 4.90 (Build 3000)"));
  EXPECT_FALSE(IsWindows9xText("Windows NT 10.0 (Build 19045)"));
  EXPECT_FALSE(IsWindows9xText(""));
}

TEST(VersionText, FileVersionIsCutBeforeItsLastSeparator) {
  EXPECT_EQ(ShortenVersion("2.9.2.1", false), "2.9.2");
  EXPECT_EQ(ShortenVersion("2.9.2.1", true), "2.9.2.1");
  EXPECT_EQ(ShortenVersion("5.1:2600", false), "5.1");
  EXPECT_EQ(ShortenVersion("6.1\\7601.1", false), "6.1\\7601");
  EXPECT_EQ(ShortenVersion("7", false), "7");
  const unsigned char translation[4] = {0x09, 0x04, 0xB0, 0x04};
  EXPECT_EQ(TranslationBlockName(translation), "040904B0");
}

TEST(Hint, LongPartFollowsTheFirstBar) {
  EXPECT_EQ(LongHint("Open|Open a file|x"), "Open a file|x");
  EXPECT_EQ(LongHint("Open a file"), "Open a file");
  EXPECT_EQ(LongHint(""), "");
}

}  // namespace
}  // namespace varnock
