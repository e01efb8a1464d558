#pragma once
// The commands of varnock-cli over an abstract host, so they run the same in tests,
// in the fuzzer and in the program.
#include <functional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "core/inftools/directory_ids.h"
#include "core/inftools/reg_codec.h"

namespace varnock::cli {

struct Host {
  // Whole-file read; false when the file cannot be read.
  std::function<bool(const std::string& path, std::string* bytes)> readFile;
  // Writes the whole file or leaves it as it was; false with a description otherwise.
  std::function<bool(const std::string& path, const std::string& bytes, std::string* error)> writeFile;
  // The system folders, with the options' values taking precedence.
  std::function<SystemFolders(const FolderOptions& options)> systemFolders;
  RegCodec codec;   // the 8-bit code page
  std::string out;  // standard output
  std::string err;  // standard error
};

enum ExitCode { kExitOk = 0, kExitFound = 1, kExitUsage = 2, kExitIo = 3 };

// Runs the command line `args` (without the program name).
int RunCli(const std::vector<std::string>& args, Host& host);

// The folders dirid uses off Windows: the options over the usual defaults.
SystemFolders DefaultFolders(const FolderOptions& options);

std::string VersionText();

}  // namespace varnock::cli
