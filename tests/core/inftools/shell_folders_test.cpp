#include "core/inftools/shell_folders.h"

#include <gtest/gtest.h>

#include "core/inftools/inf_text.h"

namespace varnock {
namespace {

TEST(ShellFolders, ValueNamesForCommonAndUserFolders) {
  EXPECT_EQ(ShellFolderValueName("Desktop", true), "Common Desktop");
  EXPECT_EQ(ShellFolderValueName("Start Menu", true), "Common Start Menu");
  EXPECT_EQ(ShellFolderValueName("Documents", true), "Common Documents");
  EXPECT_EQ(ShellFolderValueName("AppData", true), "Common AppData");
  EXPECT_EQ(ShellFolderValueName("Documents", false), "Personal");
  EXPECT_EQ(ShellFolderValueName("Desktop", false), "Desktop");
  EXPECT_EQ(ShellFolderValueName("TEMP", true), "TEMP");
  EXPECT_EQ(ShellFolderValueName("ProgramFilesDir", false), "ProgramFilesDir");
}

TEST(ShellFolders, GoingUpFromTheStartupFolder) {
  const std::string startup = "C:\\ProgramData\\Start Menu\\Programs\\StartUp";
  EXPECT_EQ(FolderUp(startup, 1), "C:\\ProgramData\\Start Menu\\Programs");
  EXPECT_EQ(FolderUp(startup, 2), "C:\\ProgramData\\Start Menu");
  EXPECT_EQ(FolderUp("C:\\A", 2), "");
  EXPECT_EQ(FolderUp("", 1), "");
}

TEST(ShellFolders, LdidHintsFollowTheWindowsFolderAndPlatform) {
  const auto nt = LdidFolderHints({"D:\\WINNT", "D:\\Program Files", "C:\\", 2});
  ASSERT_EQ(nt.size(), 9u);
  const std::vector<std::pair<std::string, std::string>> expected{
      {"LDID10", "D:\\WINNT"},      {"LDID11", "D:\\WINNT\\System32"}, {"LDID13", "D:\\WINNT\\Command"},
      {"LDID17", "D:\\WINNT\\Inf"}, {"LDID18", "D:\\WINNT\\Help"},     {"LDID20", "D:\\WINNT\\Fonts"},
      {"LDID24", "D:\\"},           {"LDID25", "D:\\WINNT"},           {"LDID30", "C:\\"}};
  EXPECT_EQ(nt, expected);
  EXPECT_EQ(LdidFolderHints({"C:\\WINDOWS", "", "C:\\", 1})[1].second, "C:\\WINDOWS\\System");
}

TEST(AppendedLines, FollowTheLastLineOfTheDocument) {
  const std::vector<std::string> lines{"[A]", "; c"};
  EXPECT_EQ(inftext::TextAppendingLines("", lines), "[A]\r\n; c\r\n");
  EXPECT_EQ(inftext::TextAppendingLines("x\r\n", lines), "[A]\r\n; c\r\n");
  EXPECT_EQ(inftext::TextAppendingLines("x", lines), "\r\n[A]\r\n; c");
  EXPECT_EQ(inftext::TextAppendingLines("x", {}), "");
}

}  // namespace
}  // namespace varnock
