#include "core/inftools/test_run.h"

namespace varnock {

namespace {

std::string QuotedIfBlank(const std::string& text) {
  return text.find(' ') == std::string::npos ? text : "\"" + text + "\"";
}

}  // namespace

std::string TestRunArgument(const std::string& code, const std::string& infPath) {
  if (code == "1") return "Setupx.dll,InstallHinfSection DefaultInstall 132 " + infPath;
  if (code == "2") return "Setupapi.dll,InstallHinfSection DefaultInstall 132 " + infPath;
  if (code == "3") return "AdvPack.dll,LaunchINFSection " + infPath + ",DefaultInstall";
  return "";
}

std::string MergeArgument(const std::string& regPath) { return QuotedIfBlank(regPath); }

std::string SpawnCommandLine(const std::string& program, const std::string& argument) {
  return QuotedIfBlank(program) + " " + argument;
}

}  // namespace varnock
