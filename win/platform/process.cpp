#include "win/platform/process.h"

#include <shellapi.h>

#include <vector>

namespace varnock {

namespace {

// Handles what other threads and processes send (no posted input) until the process
// ends or the limit passes.
bool WaitHandlingSentMessages(HANDLE process, DWORD limitMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD spent = GetTickCount() - start;
    if (spent >= limitMs) return false;
    const DWORD woke = MsgWaitForMultipleObjects(1, &process, FALSE, limitMs - spent, QS_SENDMESSAGE);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke == WAIT_TIMEOUT || woke == WAIT_FAILED) return false;
    MSG msg;
    PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace

ProcessRun RunAndWait(const std::string& program, const std::string& commandLine, DWORD limitMs) {
  ProcessRun run;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessA(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    run.error = GetLastError();
    return run;
  }
  run.started = true;
  CloseHandle(info.hThread);
  run.ended = WaitHandlingSentMessages(info.hProcess, limitMs);
  if (run.ended) GetExitCodeProcess(info.hProcess, &run.exitCode);
  CloseHandle(info.hProcess);
  return run;
}

std::string SystemErrorText(DWORD error) {
  char* buffer = nullptr;
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length && buffer ? std::string(buffer, length) : "Error " + std::to_string(error);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
  return text;
}

INT_PTR ShellVerb(const std::string& verb, const std::string& file) {
  return reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, verb.c_str(), file.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}

std::string ShortPathOrFull(const std::string& path) {
  const DWORD needed = GetShortPathNameA(path.c_str(), nullptr, 0);
  if (needed == 0) return path;
  std::string shortPath(needed, '\0');
  const DWORD length = GetShortPathNameA(path.c_str(), &shortPath[0], needed);
  if (length == 0 || length >= needed) return path;
  shortPath.resize(length);
  return shortPath;
}

}  // namespace varnock
