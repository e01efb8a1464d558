#include <gtest/gtest.h>

#include "core/app/status_text.h"
#include "core/document/load_rules.h"
#include "core/document/recent_files.h"
#include "core/document/save_rules.h"

namespace varnock {
namespace {

const std::string kBom = "\xFF\xFE";

TEST(LoadRules, SizeLimitsAtTheirExactBoundaries) {
  EXPECT_EQ(ClassifyFile(0, ""), LoadKind::EightBit);
  EXPECT_EQ(ClassifyFile(65534, "ab"), LoadKind::EightBit);
  EXPECT_EQ(ClassifyFile(65535, "ab"), LoadKind::TooBig8Bit);
  EXPECT_EQ(ClassifyFile(131068, kBom), LoadKind::Utf16);
  EXPECT_EQ(ClassifyFile(131069, kBom), LoadKind::Utf16);
  EXPECT_EQ(ClassifyFile(131070, kBom), LoadKind::TooBigUtf16);
  EXPECT_EQ(ClassifyFile(1, "\xFF"), LoadKind::EightBit);
  EXPECT_EQ(ClassifyFile(70000, "\xFE\xFF"), LoadKind::TooBig8Bit);  // big-endian mark is not UTF-16 LE
}

TEST(LoadRules, NulBytesAreShownAsBlanksAndCounted) {
  const ControlText eight = EightBitControlText(std::string("[Version]\r\nA=1\0\0B", 17));
  EXPECT_EQ(eight.text, "[Version]\r\nA=1  B");
  EXPECT_EQ(eight.blankedNuls, 2u);
  EXPECT_EQ(EightBitControlText("abc").blankedNuls, 0u);
  // The terminating zero unit of a UTF-16 text is dropped, a zero low byte inside shown.
  const ControlText wide = Utf16ControlText(kBom + std::string("A\0\0\x01"
                                                               "B\0\0\0",
                                                               8));
  EXPECT_EQ(wide.text, "A B");
  EXPECT_EQ(wide.blankedNuls, 1u);
  EXPECT_EQ(Utf16ControlText(kBom + std::string("\0\0", 2)).text, "");
  EXPECT_EQ(Utf16ControlText(kBom).text, "");
}

TEST(LoadRules, Utf16KeepsLowBytesInOrder) {
  EXPECT_EQ(Utf16LowBytes(kBom + std::string("A\0B\0", 4)), "AB");
  EXPECT_EQ(Utf16LowBytes(kBom + std::string("\x41\x01\xE9\x00", 4)), "A\xE9");  // U+0141 keeps 0x41
  EXPECT_EQ(Utf16LowBytes(kBom + std::string("A\0B", 3)), "A");                  // odd last byte ignored
  EXPECT_EQ(Utf16LowBytes(kBom), "");
}

TEST(LoadRules, RegistryAndScriptFilesAreEditedNotOpened) {
  EXPECT_EQ(AssociationVerb("C:\\x\\big.reg"), "edit");
  EXPECT_EQ(AssociationVerb("run.Bat"), "edit");
  EXPECT_EQ(AssociationVerb("run.cmd"), "edit");
  EXPECT_EQ(AssociationVerb("big.inf"), "open");
  EXPECT_EQ(AssociationVerb("C:\\a.reg\\noext"), "open");
}

TEST(SaveRules, SizeQuestionOnlyForLongInfAndIniTexts) {
  const std::string limit(65535, 'x');
  EXPECT_FALSE(NeedsSizeQuestion("a.inf", limit));
  EXPECT_TRUE(NeedsSizeQuestion("a.INF", limit + "x"));
  EXPECT_TRUE(NeedsSizeQuestion("a.ini", limit + "x"));
  EXPECT_FALSE(NeedsSizeQuestion("a.txt", limit + "x"));
  std::string withBreaks;
  for (int i = 0; i < 6553; ++i) withBreaks += "0123456789\r\n";
  EXPECT_EQ(SaveSizeMeasure(withBreaks), 65530u);
  EXPECT_FALSE(NeedsSizeQuestion("a.inf", withBreaks));
  EXPECT_EQ(SaveSizeMeasure("a\rb\nc\r\n"), 5u);  // only CR LF pairs are line ends
}

TEST(SaveRules, DefaultExtensionFollowsTheChosenType) {
  EXPECT_EQ(ApplyDefaultExtension("setup", DefaultExtensionForFilter(1)), "setup.INF");
  EXPECT_EQ(ApplyDefaultExtension("setup", DefaultExtensionForFilter(2)), "setup.REG");
  EXPECT_EQ(ApplyDefaultExtension("setup", DefaultExtensionForFilter(3)), "setup.INI");
  EXPECT_EQ(ApplyDefaultExtension("art", DefaultExtensionForFilter(4)), "art.TXT");
  EXPECT_EQ(ApplyDefaultExtension("File_ID", DefaultExtensionForFilter(5)), "File_ID");
  EXPECT_EQ(ApplyDefaultExtension("notes", DefaultExtensionForFilter(6)), "notes");
  EXPECT_EQ(ApplyDefaultExtension("setup.inf", "REG"), "setup.inf");
  EXPECT_EQ(ApplyDefaultExtension("C:\\my.dir\\setup", "INF"), "C:\\my.dir\\setup.INF");
  EXPECT_EQ(FolderOf("C:\\a\\b.inf"), "C:\\a\\");
  EXPECT_EQ(FolderOf("b.inf"), "");
  EXPECT_EQ(NameWithoutFolder("C:\\a\\b.inf"), "b.inf");
}

TEST(RecentFiles, OnlyTheTopIsComparedAndBlanksAreSkipped) {
  RecentList list;
  EXPECT_TRUE(PushRecent(list, "A"));
  EXPECT_EQ(list, (RecentList{"A", "", "", ""}));
  EXPECT_FALSE(PushRecent(list, "A"));
  PushRecent(list, "B");
  PushRecent(list, "A");
  EXPECT_EQ(list, (RecentList{"A", "B", "A", ""}));
  PushRecent(list, "C");
  PushRecent(list, "D");
  EXPECT_EQ(list, (RecentList{"D", "C", "A", "B"}));
  RecentList gappy{"X", "", "Y", ""};
  PushRecent(gappy, "Z");
  EXPECT_EQ(gappy, (RecentList{"Z", "X", "Y", ""}));
  EXPECT_EQ(RecentCaption(2, "C:\\dir\\setup.inf"), "&2 - setup.inf");
}

TEST(StatusText, TitleSizeCaretAndTab) {
  TitleParts parts{"Varnock v2.9.2", 0, false, "", false, " (not saved)", " (modified)"};
  EXPECT_EQ(TitleText(parts), "Varnock v2.9.2 - ");
  parts.modified = true;
  EXPECT_EQ(TitleText(parts), "Varnock v2.9.2 -  (not saved)");
  parts.fileName = "C:\\a.inf";
  EXPECT_EQ(TitleText(parts), "Varnock v2.9.2 - C:\\a.inf (modified)");
  parts.instanceNumber = 2;
  EXPECT_EQ(TitleText(parts), "Varnock v2.9.2 - C:\\a.inf (modified)");  // Windows menu hidden
  parts.windowsMenuVisible = true;
  parts.modified = false;
  EXPECT_EQ(TitleText(parts), "Varnock v2.9.2 - 2 - C:\\a.inf");
  EXPECT_EQ(SizeText(1023), " 0 Kb");
  EXPECT_EQ(SizeText(65534), " 63 Kb");
  EXPECT_EQ(CaretText("Line ", 12, "Col ", 3), "Line 12  Col 3");
  EXPECT_EQ(TabBlanks(0), 4u);
  EXPECT_EQ(TabBlanks(5), 3u);
  EXPECT_EQ(TabBlanks(1), 3u);
  EXPECT_EQ(TabBlanks(4), 4u);
}

}  // namespace
}  // namespace varnock
