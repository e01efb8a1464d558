#pragma once
// The command line of varnock-cli, parsed into a request. No I/O here.
#include <string>
#include <vector>

#include "core/colour/doc_kind.h"

namespace varnock::cli {

enum class Command { Help, Version, Reg2Inf, Check, DirId };

struct FolderOptions {
  // Empty = the default (off Windows) or the system's folder (on Windows).
  std::string windows;
  std::string programFiles;
  std::string boot;
  int platform = 0;  // 0 = default / system
};

struct Request {
  Command command = Command::Help;
  std::vector<std::string> files;  // reg2inf: one REG file; check: one or more; dirid: one path
  std::string output;              // reg2inf -o; empty = standard output
  bool installable = false;        // reg2inf --inf
  bool kindGiven = false;          // check --kind
  DocKind kind = DocKind::Inf;
  FolderOptions folders;  // dirid
};

struct ParseResult {
  bool ok = false;
  Request request;
  std::string error;  // what was wrong, for standard error
};

// `args` without the program name.
ParseResult ParseArguments(const std::vector<std::string>& args);

// The text of --help.
std::string UsageText();

}  // namespace varnock::cli
