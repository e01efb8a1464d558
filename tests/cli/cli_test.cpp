#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/cli_commands.h"
#include "cli/host.h"
#include "core/inftools/windows1252.h"

namespace varnock::cli {
namespace {

// A host over files held in memory.
struct FakeHost {
  std::map<std::string, std::string> files;
  bool failWrites = false;
  Host host;

  FakeHost() {
    host.readFile = [this](const std::string& path, std::string* bytes) {
      const auto found = files.find(path);
      if (found == files.end()) return false;
      *bytes = found->second;
      return true;
    };
    host.writeFile = [this](const std::string& path, const std::string& bytes, std::string* error) {
      if (failWrites) {
        *error = "disk full";
        return false;
      }
      files[path] = bytes;
      return true;
    };
    host.systemFolders = DefaultFolders;
    host.codec = Windows1252Codec();
  }

  int Run(const std::vector<std::string>& args) {
    host.out.clear();
    host.err.clear();
    return RunCli(args, host);
  }
};

const char kReg[] = "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\"n\"=dword:0000ffff\r\n";
const char kLines[] =
    "[Added_from_a.reg]\r\n"
    "; You can modify this section's name, and insert it in the right AddReg= entry.\r\n"
    "HKCU,\"Software\\A\",\"n\",0x00010001,ff,ff,00,00\r\n";

TEST(CliArguments, UsageErrorsExitWithTwo) {
  FakeHost fake;
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{{},
                                                                                    {"frobnicate"},
                                                                                    {"reg2inf"},
                                                                                    {"reg2inf", "a", "b"},
                                                                                    {"reg2inf", "a", "-o"},
                                                                                    {"check"},
                                                                                    {"check", "--kind", "txt", "a"},
                                                                                    {"dirid"},
                                                                                    {"dirid", "p", "--platform", "3"},
                                                                                    {"check", "a", "--inf"},
                                                                                    {"--version", "x"}}) {
    EXPECT_EQ(fake.Run(args), kExitUsage) << (args.empty() ? "" : args[0]);
    EXPECT_NE(fake.host.err.find("varnock-cli: "), std::string::npos);
    EXPECT_EQ(fake.host.out, "");
  }
}

TEST(CliArguments, HelpAndVersion) {
  FakeHost fake;
  EXPECT_EQ(fake.Run({"--help"}), kExitOk);
  EXPECT_NE(fake.host.out.find("reg2inf FILE.reg [-o OUT] [--inf]"), std::string::npos);
  EXPECT_EQ(fake.Run({"check", "a.inf", "--help"}), kExitOk);
  EXPECT_NE(fake.host.out.find("Usage:"), std::string::npos);
  EXPECT_EQ(fake.Run({"--version"}), kExitOk);
  EXPECT_EQ(fake.host.out.rfind("varnock-cli ", 0), 0u);
}

TEST(CliRegToInf, WritesTheImportedLines) {
  FakeHost fake;
  fake.files["a.reg"] = kReg;
  EXPECT_EQ(fake.Run({"reg2inf", "a.reg"}), kExitOk);
  EXPECT_EQ(fake.host.out, kLines);
  EXPECT_EQ(fake.host.err, "");
  EXPECT_EQ(fake.Run({"reg2inf", "-o", "out.inf", "a.reg", "--inf"}), kExitOk);
  EXPECT_EQ(fake.host.out, "");
  EXPECT_EQ(fake.files["out.inf"].rfind("[Version]\r\n", 0), 0u);
  EXPECT_NE(fake.files["out.inf"].find("AddReg=Added_from_a.reg\r\n"), std::string::npos);
}

TEST(CliRegToInf, FailuresLeaveNoOutputAndExitWithThree) {
  FakeHost fake;
  EXPECT_EQ(fake.Run({"reg2inf", "missing.reg"}), kExitIo);
  EXPECT_EQ(fake.host.err, "varnock-cli: cannot read missing.reg\n");
  fake.files["a.reg"] = kReg;
  fake.failWrites = true;
  EXPECT_EQ(fake.Run({"reg2inf", "a.reg", "-o", "out.inf"}), kExitIo);
  EXPECT_EQ(fake.host.err, "varnock-cli: cannot write out.inf: disk full\n");
  EXPECT_EQ(fake.files.count("out.inf"), 0u);
}

TEST(CliRegToInf, WarnsOfLongAndErrorLines) {
  FakeHost fake;
  fake.files["a.reg"] =
      "REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n\"v\"=\"" + std::string(600, 'x') + "\"\r\n\"d\"=dword:xyz\r\n";
  EXPECT_EQ(fake.Run({"reg2inf", "a.reg"}), kExitOk);
  EXPECT_NE(fake.host.err.find("a.reg: warning: output line 3 is longer than 511 characters"), std::string::npos)
      << fake.host.err;
  EXPECT_NE(fake.host.err.find("a.reg: warning: output line 4: "), std::string::npos) << fake.host.err;
}

TEST(CliCheck, ReportsEveryFileAndExitsWithOneOnErrors) {
  FakeHost fake;
  fake.files["good.inf"] = "[Version]\r\nSignature=\"$CHICAGO$\"\r\n";
  fake.files["bad.inf"] = "[Version\r\nx=C:\\a\r\nAddReg=Nowhere\r\n";
  fake.files["bad.ini"] = "x=C:\\a\r\n";
  EXPECT_EQ(fake.Run({"check", "good.inf", "bad.ini"}), kExitOk);
  EXPECT_EQ(fake.host.out, "");
  EXPECT_EQ(fake.Run({"check", "good.inf", "bad.inf"}), kExitFound);
  EXPECT_EQ(fake.host.out,
            "bad.inf:1:1: error: section header has no closing \"]\"\n"
            "bad.inf:2:4: error: colon outside quotes\n"
            "bad.inf:3:8: warning: section [Nowhere] does not exist\n");
  EXPECT_EQ(fake.Run({"check", "--kind", "inf", "bad.ini"}), kExitFound);
  EXPECT_EQ(fake.host.out, "bad.ini:1:4: error: colon outside quotes\n");
  EXPECT_EQ(fake.Run({"check", "bad.ini", "nothing.inf"}), kExitIo);
}

TEST(CliDirId, ConvertsWithTheGivenFolders) {
  FakeHost fake;
  EXPECT_EQ(fake.Run({"dirid", "C:\\WINDOWS\\SYSTEM32\\drivers"}), kExitOk);
  EXPECT_EQ(fake.host.out, "LDID: %11%\\drivers\nDestinationDirs: 11,drivers\n");
  EXPECT_EQ(fake.Run({"dirid", "D:\\Win\\SYSTEM\\x", "--windir", "D:\\Win", "--platform", "1"}), kExitOk);
  EXPECT_EQ(fake.host.out, "LDID: %11%\\x\nDestinationDirs: 11,x\n");
}

TEST(CliHost, WholeFileWriteReplacesOrLeavesTheFile) {
  const std::string path = ::testing::TempDir() + "cli_host_write.txt";
  std::string error;
  ASSERT_TRUE(WriteWholeFile(path, "first", &error)) << error;
  ASSERT_TRUE(WriteWholeFile(path, "second", &error)) << error;
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "second");
  EXPECT_FALSE(WriteWholeFile(::testing::TempDir() + "no/such/folder/x.inf", "x", &error));
  EXPECT_FALSE(error.empty());
  std::remove(path.c_str());
}

}  // namespace
}  // namespace varnock::cli

namespace varnock::cli {
namespace {

// The real host's folders: on Windows the system's, which an option overrides; off
// Windows the usual defaults.
TEST(CliHost, FoldersComeFromTheSystemUnlessGiven) {
  const Host host = SystemHost();
  const SystemFolders system = host.systemFolders(FolderOptions());
  EXPECT_FALSE(system.windows.empty());
  EXPECT_FALSE(system.programFiles.empty());
  EXPECT_EQ(system.platform, 2);
#ifdef _WIN32
  char windows[MAX_PATH] = "";
  GetWindowsDirectoryA(windows, MAX_PATH);
  EXPECT_EQ(_stricmp(system.windows.c_str(), windows), 0) << system.windows;
#else
  EXPECT_EQ(system.windows, "C:\\WINDOWS");
#endif
  FolderOptions options;
  options.windows = "D:\\Win";
  options.platform = 1;
  const SystemFolders given = host.systemFolders(options);
  EXPECT_EQ(given.windows, "D:\\Win");
  EXPECT_EQ(given.platform, 1);
  EXPECT_EQ(given.programFiles, system.programFiles);
}

}  // namespace
}  // namespace varnock::cli
