// varnock-cli's command line (arguments cut at NULs) run over files held in memory.
#include <map>

#include "cli/cli_commands.h"
#include "core/inftools/windows1252.h"
#include "tests/fuzz/fuzz_support.h"

using namespace varnock;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> args = fuzz::SplitAtNul(fuzz::Bytes(data, size));
  const cli::ParseResult parsed = cli::ParseArguments(args);
  FUZZ_CHECK(parsed.ok == parsed.error.empty());
  if (parsed.ok) {
    for (const std::string& file : parsed.request.files) {
      bool given = false;
      for (const std::string& arg : args) given = given || arg == file;
      FUZZ_CHECK(given);
    }
  }
  std::map<std::string, std::string> files;
  for (const std::string& arg : args) files[arg] = arg;  // every name is a file holding itself
  cli::Host host;
  host.readFile = [&](const std::string& path, std::string* bytes) {
    const auto found = files.find(path);
    if (found == files.end()) return false;
    *bytes = found->second;
    return true;
  };
  host.writeFile = [&](const std::string& path, const std::string& bytes, std::string*) {
    files[path] = bytes;
    return true;
  };
  host.systemFolders = cli::DefaultFolders;
  host.codec = Windows1252Codec();
  const int code = cli::RunCli(args, host);
  FUZZ_CHECK(code >= cli::kExitOk && code <= cli::kExitIo);
  FUZZ_CHECK((code == cli::kExitUsage) == !parsed.ok);
  if (!parsed.ok) FUZZ_CHECK(host.out.empty() && !host.err.empty());
  return 0;
}
