#include "win/instances/own_program.h"

#include <windows.h>

#include <shellapi.h>

#include "win/app/application.h"

namespace varnock {

namespace {

std::function<bool(const std::string&)>& Starter() {
  static std::function<bool(const std::string&)> starter;
  return starter;
}

bool StartNewProcess() {
  std::string commandLine = "\"" + ProgramFile() + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(ProgramFile().c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                      ProgramFolder().c_str(), &startup, &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

}  // namespace

bool StartOwnCopy(const std::string& parameters) {
  if (Starter()) return Starter()(parameters);
  if (parameters.empty()) return StartNewProcess();
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", ProgramFile().c_str(), parameters.c_str(), ProgramFolder().c_str(), SW_HIDE));
  return result > 32;
}

void SetOwnCopyStarter(std::function<bool(const std::string&)> starter) { Starter() = std::move(starter); }

}  // namespace varnock
