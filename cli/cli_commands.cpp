#include "cli/cli_commands.h"

#include "core/colour/doc_kind.h"
#include "core/colour/line_check.h"
#include "core/i18n/catalogue.h"
#include "core/inftools/reg_to_inf.h"

#ifndef VARNOCK_VERSION_TEXT
#define VARNOCK_VERSION_TEXT "0"
#endif

namespace varnock::cli {

namespace {

std::string Message(const char* key) {
  const char* text = BuiltInMessage(key);
  return text ? text : key;
}

RegTranslateOptions TranslateOptions(const Host& host) {
  RegTranslateOptions options;
  options.codec = host.codec;
  options.texts.tooLongPrefix = Message("REG_512_FIX");
  options.texts.cannotDeleteDefault = Message("REG_DEL_DEFAULT");
  options.texts.inexactValue = Message("REG_INEXACT");
  return options;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

void ReportTranslationWarnings(const std::string& file, const RegFileTranslation& translation, Host& host) {
  if (translation.utf16Inexact) {
    host.err += file + ": warning: some characters of this UTF-16 file have no 8-bit form\n";
  }
  for (const std::size_t i : translation.tooLongLines) {
    host.err +=
        file + ": warning: output line " + std::to_string(i + 1) + " is longer than 511 characters; fix it yourself\n";
  }
  for (std::size_t i = 2; i < translation.lines.size(); ++i) {
    const std::string& line = translation.lines[i];
    // The marks the translation puts on what AddReg cannot install as the REG file says.
    const bool marked = line.find(":ERROR") != std::string::npos || line.compare(0, 8, "; ERROR!") == 0 ||
                        line.compare(0, 10, "; WARNING!") == 0;
    if (marked) {
      host.err += file + ": warning: output line " + std::to_string(i + 1) + ": " + line + "\n";
    }
  }
}

int RegToInf(const Request& request, Host& host) {
  const std::string& file = request.files[0];
  std::string bytes;
  if (!host.readFile(file, &bytes)) {
    host.err += "varnock-cli: cannot read " + file + "\n";
    return kExitIo;
  }
  const RegFileTranslation translation =
      TranslateRegFile(file, bytes, Message("IMPORT_COMMENT"), TranslateOptions(host));
  ReportTranslationWarnings(file, translation, host);
  const std::string text = request.installable ? InstallableInf(translation) : JoinCrLf(translation.lines);
  if (request.output.empty()) {
    host.out += text;
    return kExitOk;
  }
  std::string error;
  if (!host.writeFile(request.output, text, &error)) {
    host.err += "varnock-cli: cannot write " + request.output + ": " + error + "\n";
    return kExitIo;
  }
  return kExitOk;
}

// The kind the extension rule gives, without the colouring mode's filter.
DocKind KindOf(const Request& request, const std::string& file, const std::string& text) {
  return request.kindGiven ? request.kind : UnfilteredDocKind(file, text);
}

int Check(const Request& request, Host& host) {
  int result = kExitOk;
  for (const std::string& file : request.files) {
    std::string bytes;
    if (!host.readFile(file, &bytes)) {
      host.err += "varnock-cli: cannot read " + file + "\n";
      result = kExitIo;
      continue;
    }
    std::string text = bytes;
    if (IsUtf16LeFile(bytes)) TextFromUtf16LeFile(bytes, host.codec, &text);
    for (const TextProblem& problem : CheckText(text, KindOf(request, file, text))) {
      host.out += file + ":" + std::to_string(problem.line) + ":" + std::to_string(problem.column) + ": " +
                  (problem.warning ? "warning: " : "error: ") + problem.message + "\n";
      if (!problem.warning && result == kExitOk) result = kExitFound;
    }
  }
  return result;
}

int DirId(const Request& request, Host& host) {
  const SystemFolders folders = host.systemFolders(request.folders);
  const std::string& path = request.files[0];
  host.out += "LDID: " + PathToLDID(path, folders) + "\n";
  host.out += "DestinationDirs: " + PathToDirID(path, folders) + "\n";
  return kExitOk;
}

}  // namespace

std::string VersionText() { return std::string("varnock-cli ") + VARNOCK_VERSION_TEXT + "\n"; }

SystemFolders DefaultFolders(const FolderOptions& options) {
  SystemFolders folders;
  folders.windows = options.windows.empty() ? "C:\\WINDOWS" : options.windows;
  folders.programFiles = options.programFiles.empty() ? "C:\\Program Files" : options.programFiles;
  folders.boot = options.boot.empty() ? "C:\\" : options.boot;
  folders.platform = options.platform == 0 ? 2 : options.platform;
  return folders;
}

int RunCli(const std::vector<std::string>& args, Host& host) {
  const ParseResult parsed = ParseArguments(args);
  if (!parsed.ok) {
    host.err += "varnock-cli: " + parsed.error + "\n";
    return kExitUsage;
  }
  const Request& request = parsed.request;
  switch (request.command) {
    case Command::Help: host.out += UsageText(); return kExitOk;
    case Command::Version: host.out += VersionText(); return kExitOk;
    case Command::Reg2Inf: return RegToInf(request, host);
    case Command::Check: return Check(request, host);
    case Command::DirId: return DirId(request, host);
  }
  return kExitUsage;
}

}  // namespace varnock::cli
