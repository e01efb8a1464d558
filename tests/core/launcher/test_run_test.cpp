#include <gtest/gtest.h>

#include "core/inftools/test_run.h"

namespace varnock {
namespace {

TEST(TestRun, ArgumentPerLibrary) {
  EXPECT_EQ(TestRunArgument("1", "C:\\WORK\\SETUP.INF"),
            "Setupx.dll,InstallHinfSection DefaultInstall 132 C:\\WORK\\SETUP.INF");
  EXPECT_EQ(TestRunArgument("2", "C:\\My Work\\SETUP.INF"),
            "Setupapi.dll,InstallHinfSection DefaultInstall 132 C:\\My Work\\SETUP.INF");
  EXPECT_EQ(TestRunArgument("3", "C:\\Work\\SETUP.INF"),
            "AdvPack.dll,LaunchINFSection C:\\Work\\SETUP.INF,DefaultInstall");
  EXPECT_EQ(TestRunArgument("5", "C:\\Work\\SETUP.INF"), "");
}

TEST(TestRun, RegistryEditorGetsAQuotedPathOnlyWithBlanks) {
  EXPECT_EQ(MergeArgument("C:\\WORK\\A.REG"), "C:\\WORK\\A.REG");
  EXPECT_EQ(MergeArgument("Z:\\my work\\a.reg"), "\"Z:\\my work\\a.reg\"");
  EXPECT_EQ(SpawnCommandLine("C:\\windows\\regedit.exe", "x y"), "C:\\windows\\regedit.exe x y");
  EXPECT_EQ(SpawnCommandLine("C:\\Program Files\\r.exe", "x"), "\"C:\\Program Files\\r.exe\" x");
}

}  // namespace
}  // namespace varnock
