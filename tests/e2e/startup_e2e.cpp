// The program as a whole: command line, switches, window and title.
#include <gtest/gtest.h>

#include "tests/e2e/driver.h"

namespace e2e {
namespace {

const std::string kPrefix = "Varnock v2.9.2 - ";

class Startup : public ::testing::Test {
 protected:
  void TearDown() override { Finish(run); }
  // Starts the program and returns its title once the main window shows.
  std::string TitleWhenStarted(const std::string& argumentText, bool withArgument = true) {
    run = StartVarnock(argumentText, withArgument);
    EXPECT_TRUE(run.ok);
    HWND main = WaitForMainWindow(run);
    EXPECT_NE(main, nullptr) << "no main window for [" << argumentText << "]";
    return main ? WindowTitle(main) : "";
  }
  Started run;
};

TEST_F(Startup, WithoutArgumentTheTitleIsThePrefixAlone) { EXPECT_EQ(TitleWhenStarted("", false), kPrefix); }

TEST_F(Startup, FileArgumentOpensThatFile) {
  const std::string path = TempFolder() + "e2e start.inf";
  ASSERT_TRUE(WriteFile(path, "[Version]\r\nSignature=\"$Chicago$\"\r\n"));
  // The whole text is the name, blanks included, without quotes.
  EXPECT_EQ(TitleWhenStarted(path), kPrefix + path);
  DeleteFileA(path.c_str());
}

TEST_F(Startup, QuotedOrMissingNamesGiveAnEmptyUntitledText) {
  const std::string path = TempFolder() + "e2e quoted.inf";
  ASSERT_TRUE(WriteFile(path, "x"));
  EXPECT_EQ(TitleWhenStarted("\"" + path + "\""), kPrefix);
  Finish(run);
  EXPECT_EQ(TitleWhenStarted(TempFolder() + "no such file.inf"), kPrefix);
  DeleteFileA(path.c_str());
}

TEST_F(Startup, EachSwitchEndsTheProcessWithoutAWindow) {
  for (const char* sw : {"/U", "/W1", "/W2", "/W3"}) {
    run = StartVarnock(sw);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(WaitForExit(run), 0) << sw;
    EXPECT_EQ(WaitForMainWindow(run, 100), nullptr) << sw;
    Finish(run);
  }
}

TEST_F(Startup, LowerCaseOrPaddedSwitchesAreFileNames) {
  for (const char* text : {"/u", "/w1", " /U", "/W2 "}) {
    EXPECT_EQ(TitleWhenStarted(text), kPrefix) << "[" << text << "]";
    Finish(run);
  }
}

TEST_F(Startup, ClosingTheUnmodifiedWindowEndsTheProcessWithCodeZero) {
  EXPECT_EQ(TitleWhenStarted("", false), kPrefix);
  HWND main = WaitForMainWindow(run, 100);
  ASSERT_NE(main, nullptr);
  PostMessageA(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(run), 0);
}

}  // namespace
}  // namespace e2e
