#include "cli/cli_args.h"

namespace varnock::cli {

namespace {

ParseResult Fail(const std::string& error) {
  ParseResult result;
  result.error = error;
  return result;
}

bool KindFromName(const std::string& name, DocKind* kind) {
  if (name == "inf") *kind = DocKind::Inf;
  else if (name == "ini") *kind = DocKind::Ini;
  else if (name == "reg") *kind = DocKind::Reg;
  else return false;
  return true;
}

// Options that take a value, and where the value goes.
std::string* ValueSlot(const std::string& option, Request& request) {
  if (option == "-o" && request.command == Command::Reg2Inf) return &request.output;
  if (request.command != Command::DirId) return nullptr;
  if (option == "--windir") return &request.folders.windows;
  if (option == "--programfiles") return &request.folders.programFiles;
  if (option == "--bootdir") return &request.folders.boot;
  return nullptr;
}

bool ReadValueOption(const std::string& option, const std::string& value, Request& request, std::string* error) {
  if (option == "--kind" && request.command == Command::Check) {
    request.kindGiven = true;
    if (KindFromName(value, &request.kind)) return true;
    *error = "--kind takes inf, ini or reg, not \"" + value + "\"";
    return false;
  }
  if (option == "--platform" && request.command == Command::DirId) {
    if (value == "1" || value == "2") {
      request.folders.platform = value[0] - '0';
      return true;
    }
    *error = "--platform takes 1 (Windows 95/98/Me) or 2 (NT family)";
    return false;
  }
  std::string* slot = ValueSlot(option, request);
  if (!slot) {
    *error = "unknown option " + option;
    return false;
  }
  if (value.empty()) {
    *error = option + " needs a value";
    return false;
  }
  *slot = value;
  return true;
}

bool TakesValue(const std::string& option) {
  return option == "-o" || option == "--kind" || option == "--windir" || option == "--programfiles" ||
         option == "--bootdir" || option == "--platform";
}

bool CommandFromName(const std::string& name, Command* command) {
  if (name == "reg2inf") *command = Command::Reg2Inf;
  else if (name == "check") *command = Command::Check;
  else if (name == "dirid") *command = Command::DirId;
  else if (name == "--help" || name == "-h" || name == "help") *command = Command::Help;
  else if (name == "--version") *command = Command::Version;
  else return false;
  return true;
}

std::string CountError(const Request& request) {
  const std::size_t count = request.files.size();
  switch (request.command) {
    case Command::Reg2Inf: return count == 1 ? "" : "reg2inf takes one REG file";
    case Command::Check: return count >= 1 ? "" : "check needs at least one file";
    case Command::DirId: return count == 1 ? "" : "dirid takes one path";
    default: return count == 0 ? "" : "unexpected argument " + request.files[0];
  }
}

}  // namespace

ParseResult ParseArguments(const std::vector<std::string>& args) {
  if (args.empty()) return Fail("no command given (try --help)");
  Request request;
  if (!CommandFromName(args[0], &request.command)) return Fail("unknown command " + args[0] + " (try --help)");
  bool onlyFiles = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
      request.files.push_back(arg);
    } else if (arg == "--") {
      onlyFiles = true;
    } else if (arg == "--inf" && request.command == Command::Reg2Inf) {
      request.installable = true;
    } else if (arg == "--help" || arg == "-h") {
      request = Request();
      request.command = Command::Help;
      break;
    } else if (TakesValue(arg)) {
      if (i + 1 >= args.size()) return Fail(arg + " needs a value");
      std::string error;
      if (!ReadValueOption(arg, args[++i], request, &error)) return Fail(error);
    } else {
      return Fail("unknown option " + arg);
    }
  }
  const std::string error = CountError(request);
  if (!error.empty()) return Fail(error);
  ParseResult result;
  result.ok = true;
  result.request = request;
  return result;
}

std::string UsageText() {
  return "Usage: varnock-cli COMMAND [OPTIONS]\n"
         "\n"
         "  reg2inf FILE.reg [-o OUT] [--inf]\n"
         "      The INF AddReg lines the editor's Import REG file appends for FILE.reg.\n"
         "      --inf writes a complete INF that installs them ([Version], [DefaultInstall]).\n"
         "      Without -o the lines go to standard output; warnings go to standard error.\n"
         "  check FILE... [--kind inf|ini|reg]\n"
         "      Every line error the colouring marks, undefined %key% strings and\n"
         "      missing sections, as FILE:LINE:COL: error|warning: TEXT.\n"
         "      The kind comes from the extension unless --kind says otherwise.\n"
         "  dirid PATH [--windir DIR] [--programfiles DIR] [--bootdir DIR] [--platform 1|2]\n"
         "      The %NN% and DestinationDirs forms of PATH.\n"
         "  --help, --version\n"
         "\n"
         "Exit status: 0 success, 1 check found an error, 2 wrong command line,\n"
         "3 a file could not be read or written.\n";
}

}  // namespace varnock::cli
