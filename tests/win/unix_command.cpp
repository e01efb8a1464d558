#include "tests/win/unix_command.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace varnock::test {

// Wine starts Unix programs but hands back no process: the command leaves a mark when
// it is done, which is waited for.
bool RunUnixCommand(const std::string& command, const std::string& unixFolder, const std::string& windowsFolder,
                    bool wait) {
  const std::string done = windowsFolder + "done";
  DeleteFileA(done.c_str());
  std::string line =
      "/bin/sh -c \"cd " + unixFolder + " && " + command + (wait ? "; echo $? > " + unixFolder + "done" : "") + "\"";
  STARTUPINFOA startup{sizeof startup};
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return false;
  if (process.hProcess) CloseHandle(process.hProcess);
  if (process.hThread) CloseHandle(process.hThread);
  for (int i = 0; wait && i < 600; ++i) {
    std::ifstream in(done, std::ios::binary);
    std::stringstream status;
    status << in.rdbuf();
    if (!status.str().empty() && status.str().back() == '\n') return status.str() == "0\n";
    Sleep(100);
  }
  return !wait;
}

std::string UnixPathOf(const std::string& windowsPath) {
  std::string path = windowsPath.size() > 2 && (windowsPath[0] == 'Z' || windowsPath[0] == 'z') && windowsPath[1] == ':'
                         ? windowsPath.substr(2)
                         : windowsPath;
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

}  // namespace varnock::test
