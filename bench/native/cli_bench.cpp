// Times varnock-cli's two working commands over files held in memory (the commands'
// own work, without the disk): reg2inf --inf of a 2,000-value export and check of a
// 64 KB INF. Yardstick in the same run: splitting the same input into lines.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "cli/cli_commands.h"
#include "core/inftools/inf_text.h"
#include "core/inftools/windows1252.h"

namespace {

using bench::Clock;
using bench::Median;
using bench::MillisecondsSince;

std::string Export2000() {
  std::string reg = "Windows Registry Editor Version 5.00\r\n\r\n";
  for (int key = 0; key < 200; ++key) {
    reg += "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Product" + std::to_string(key / 10) + "\\Settings" +
           std::to_string(key) + "]\r\n";
    for (int v = 0; v < 10; ++v) {
      const std::string name = "\"Value" + std::to_string(v) + "\"=";
      switch (v % 4) {
        case 0: reg += name + "\"C:\\\\Vendor\\\\file" + std::to_string(v) + ".dat\"\r\n"; break;
        case 1: reg += name + "dword:0000" + std::to_string(1000 + v) + "\r\n"; break;
        case 2: reg += name + "hex:" + bench::HexBytes(static_cast<unsigned>(key * 10 + v), 40, 20) + "\r\n"; break;
        default: reg += name + "hex(2):25,00,44,00,69,00,72,00,25,00,00,00\r\n"; break;
      }
    }
    reg += "\r\n";
  }
  return reg;
}

std::string Inf64K() {
  std::string inf =
      "[Version]\r\nSignature=\"$CHICAGO$\"\r\nProvider=%Mfg%\r\n\r\n[DefaultInstall]\r\n"
      "AddReg=Keys\r\nCopyFiles=Files\r\n\r\n[Files]\r\n";
  for (int i = 0; inf.size() < 60000; ++i) {
    inf += "file" + std::to_string(i) + ".dll ; copied to %11% with C:\\path\r\n";
    if (i % 40 == 0) inf += "[Keys" + std::to_string(i) + "]\r\nHKLM,\"Software\\%Mfg%\",\"Path\",,\"%10%\\x\"\r\n";
  }
  inf += "[Keys]\r\n[Strings]\r\nMfg=\"Acme\"\r\n";
  return inf;
}

struct Timing {
  std::vector<double> command;
  std::vector<double> yardstick;
};

Timing Time(const std::vector<std::string>& args, const std::string& input, varnock::cli::Host& host) {
  Timing timing;
  for (int run = 0; run < 21; ++run) {
    Clock::time_point start = Clock::now();
    const int code = varnock::cli::RunCli(args, host);
    timing.command.push_back(MillisecondsSince(start));
    if (code > 1) std::printf("command failed: %s\n", host.err.c_str());
    host.out.clear();
    start = Clock::now();
    const std::size_t lines = varnock::inftext::SplitLines(input).size();
    timing.yardstick.push_back(MillisecondsSince(start));
    if (lines == 0) std::printf("no lines\n");
  }
  return timing;
}

}  // namespace

int main() {
  std::map<std::string, std::string> files{{"big.reg", Export2000()}, {"big.inf", Inf64K()}};
  varnock::cli::Host host;
  host.readFile = [&](const std::string& path, std::string* bytes) {
    *bytes = files[path];
    return true;
  };
  host.writeFile = [&](const std::string& path, const std::string& bytes, std::string*) {
    files[path] = bytes;
    return true;
  };
  host.systemFolders = varnock::cli::DefaultFolders;
  host.codec = varnock::Windows1252Codec();
  const Timing reg = Time({"reg2inf", "big.reg", "--inf", "-o", "out.inf"}, files["big.reg"], host);
  const Timing check = Time({"check", "big.inf"}, files["big.inf"], host);
  std::printf("reg2inf --inf, 2,000 values (%zu bytes): median %.2f ms (splitting its lines: %.2f ms, ratio %.1f)\n",
              files["big.reg"].size(), Median(reg.command), Median(reg.yardstick),
              Median(reg.command) / Median(reg.yardstick));
  std::printf("check, %zu-byte INF: median %.2f ms (splitting its lines: %.2f ms, ratio %.1f)\n",
              files["big.inf"].size(), Median(check.command), Median(check.yardstick),
              Median(check.command) / Median(check.yardstick));
  return 0;
}
