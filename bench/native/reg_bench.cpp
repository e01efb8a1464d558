// Times the REG import core on a generated registry export of 2,000 values (~100 KB):
// cleaning and laying out the temporary profile file, then translating every section
// into AddReg lines. The empty-parent pass is also timed on the export's lines against
// the quadratic pass as written, as a yardstick.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "core/inftools/empty_parent_keys.h"
#include "core/inftools/inf_text.h"
#include "core/inftools/reg_profile.h"
#include "core/inftools/reg_translate.h"

namespace {

using bench::Clock;
using bench::MillisecondsSince;

std::string HexBytes(unsigned seed, int count) { return bench::HexBytes(seed, count, 20); }

// 200 keys in a tree (every fifth key has no values), 10 values each of mixed types.
std::string GeneratedExport(int* valueCount) {
  std::string reg = "Windows Registry Editor Version 5.00\r\n\r\n";
  *valueCount = 0;
  int key = 0;
  while (*valueCount < 2000) {
    const std::string path = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor" + std::to_string(key / 40) + "\\Product" +
                             std::to_string(key / 8) + "\\Settings" + std::to_string(key);
    reg += "[" + path + "]\r\n";
    if (key % 5 != 4) {
      for (int v = 0; v < 10; ++v, ++*valueCount) {
        const std::string name = "\"Value" + std::to_string(v) + "\"=";
        switch (v % 5) {
          case 0: reg += name + "\"C:\\\\Vendor\\\\file" + std::to_string(v) + ".dat\"\r\n"; break;
          case 1: reg += name + "dword:" + std::to_string(10000000 + key * 10 + v) + "\r\n"; break;
          case 2: reg += name + "hex:" + HexBytes(static_cast<unsigned>(key * 10 + v), 16) + "\r\n"; break;
          case 3: reg += name + "hex(2):25,00,44,00,69,00,72,00,25,00,00,00\r\n"; break;
          default: reg += name + "hex(7):41,00,00,00,42,00,43,00,00,00,00,00\r\n"; break;
        }
      }
      reg += "\r\n";
    }
    ++key;
  }
  return reg;
}

// The pass exactly as stated (quadratic), to compare with.
std::vector<std::string> QuadraticPass(std::vector<std::string> lines) {
  for (std::size_t m = 0; m < lines.size(); ++m) {
    for (std::size_t g = 0; g < lines.size(); ++g) {
      const std::string& line = lines[m];
      const std::string key = line.size() > 2 ? line.substr(1, line.size() - 2) : std::string();
      if (!key.empty() && lines[g].find(key) != std::string::npos && lines[g] != lines[m] && m + 1 < lines.size() &&
          !lines[m + 1].empty() && lines[m + 1][0] == '[') {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(m));
      }
    }
  }
  return lines;
}

double Median(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main() {
  using namespace varnock;
  int values = 0;
  const std::string reg = GeneratedExport(&values);
  const int runs = 15;
  std::vector<double> cleanTimes;
  std::vector<double> translateTimes;
  std::size_t lineCount = 0;
  std::size_t profileBytes = 0;
  for (int run = 0; run < runs; ++run) {
    Clock::time_point start = Clock::now();
    const RegProfile profile = BuildRegProfile(reg);
    cleanTimes.push_back(MillisecondsSince(start));
    start = Clock::now();
    std::vector<InfLine> lines;
    for (const RegProfileSection& section : profile.sections) {
      for (InfLine& line : TranslateRegSection(section.name, section.entries, {})) lines.push_back(std::move(line));
    }
    translateTimes.push_back(MillisecondsSince(start));
    lineCount = lines.size();
    profileBytes = profile.text.size();
  }

  std::vector<std::string> cleaned;
  for (const CleanRegLine& line : CleanRegLines(reg)) cleaned.push_back(line.text);
  std::vector<double> fastTimes;
  std::vector<std::string> fastResult;
  for (int run = 0; run < runs; ++run) {
    const Clock::time_point start = Clock::now();
    fastResult = DropEmptyParentKeys(cleaned);
    fastTimes.push_back(MillisecondsSince(start));
  }
  const Clock::time_point start = Clock::now();
  const std::vector<std::string> slowResult = QuadraticPass(cleaned);
  const double slowTime = MillisecondsSince(start);

  std::printf("REG export: %zu bytes, %d values, %zu cleaned lines\n", reg.size(), values, cleaned.size());
  std::printf("temporary profile file: %zu bytes, %zu AddReg lines out\n", profileBytes, lineCount);
  std::printf("clean + profile layout : median %8.2f ms  min %8.2f ms\n", Median(cleanTimes),
              *std::min_element(cleanTimes.begin(), cleanTimes.end()));
  std::printf("translate all sections : median %8.2f ms  min %8.2f ms  (%.2f us per value)\n", Median(translateTimes),
              *std::min_element(translateTimes.begin(), translateTimes.end()),
              1000.0 * Median(translateTimes) / values);
  std::printf("empty-parent pass      : median %8.2f ms (quadratic as written: %.2f ms, same result: %s)\n",
              Median(fastTimes), slowTime, fastResult == slowResult ? "yes" : "NO");
  return fastResult == slowResult ? 0 : 1;
}
