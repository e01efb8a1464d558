// varnock-cli: the editor's REG translation, line checks and directory identifiers
// from a command line.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/host.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv) {
#ifdef _WIN32
  // The INF lines carry their own CR LF; the console must not add another CR.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::vector<std::string> args(argv + 1, argv + argc);
  varnock::cli::Host host = varnock::cli::SystemHost();
  const int code = varnock::cli::RunCli(args, host);
  const bool written =
      std::fwrite(host.out.data(), 1, host.out.size(), stdout) == host.out.size() && std::fflush(stdout) == 0;
  std::fwrite(host.err.data(), 1, host.err.size(), stderr);
  if (!written && code == varnock::cli::kExitOk) return varnock::cli::kExitIo;
  return code;
}
