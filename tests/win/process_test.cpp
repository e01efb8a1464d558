// Starting programs and waiting for them without taking input.
#include <thread>

#include "tests/win/harness.h"
#include "win/platform/process.h"

namespace varnock::test {
namespace {

std::string Cmd() {
  char folder[MAX_PATH] = {};
  GetSystemDirectoryA(folder, MAX_PATH);
  return std::string(folder) + "\\cmd.exe";
}

TEST(Process, AProgramThatCannotStartGivesTheSystemsReason) {
  const ProcessRun run = RunAndWait("C:\\no\\such\\runner.exe", "C:\\no\\such\\runner.exe x", 5000);
  EXPECT_FALSE(run.started);
  EXPECT_TRUE(run.error == ERROR_FILE_NOT_FOUND || run.error == ERROR_PATH_NOT_FOUND) << run.error;
  const std::string text = SystemErrorText(run.error);
  EXPECT_FALSE(text.empty());
  EXPECT_NE(text.back(), '\n');
}

TEST(Process, WaitsForTheEndAndTakesTheExitCode) {
  const ProcessRun run = RunAndWait(Cmd(), "cmd.exe /c exit 3", 20000);
  EXPECT_TRUE(run.started && run.ended);
  EXPECT_EQ(run.exitCode, 3u);
}

// The child ends only once a message sent to this thread's window was handled, which
// can only happen inside the wait.
TEST(Process, MessagesSentDuringTheWaitAreHandled) {
  HWND window = CreateWindowA("STATIC", "before", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const std::string flag = TestFolder() + "stop.flag";
  DeleteFileA(flag.c_str());
  LRESULT sent = 0;
  std::thread sender([&] {
    Sleep(200);
    DWORD_PTR result = 0;
    sent = SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("during"), SMTO_BLOCK, 5000, &result);
    WriteTextFile(flag, "stop");
  });
  const std::string loop = "cmd.exe /c \"for /L %i in (1,1,2000000) do @if exist \"" + flag + "\" exit 0\"";
  const ProcessRun run = RunAndWait(Cmd(), loop, 30000);
  sender.join();
  EXPECT_TRUE(run.started && run.ended);
  EXPECT_NE(sent, 0);
  char text[32] = {};
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "during");
  DestroyWindow(window);
}

}  // namespace
}  // namespace varnock::test
