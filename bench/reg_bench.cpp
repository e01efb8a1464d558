// Times the REG import end to end through the real main window: a generated registry
// export of 2,000 values (about 100 KB) translated into an INF document by fImportReg,
// temporary profile file and recolouring included. Its parts are timed apart, and a
// plain load of the resulting document text is the yardstick.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "core/inftools/reg_to_inf.h"
#include "core/inftools/reg_profile.h"
#include "win/app/application.h"
#include "win/app/forms.h"
#include "win/inftools/reg_profile_file.h"
#include "win/platform/prompter.h"

namespace {

using bench::Clock;
using bench::HexBytes;
using bench::Median;
using bench::MillisecondsSince;
using bench::Pump;

// Keys of ten values each, of the types a registry export holds.
std::string GeneratedExport(int values) {
  std::string reg = "Windows Registry Editor Version 5.00\r\n\r\n";
  for (int n = 0; n < values; ++n) {
    if (n % 10 == 0) {
      reg += "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor" + std::to_string(n / 400) + "\\Product" +
             std::to_string(n / 100) + "\\Settings" + std::to_string(n / 10) + "]\r\n";
    }
    const std::string name = "\"Value" + std::to_string(n % 10) + "\"=";
    switch (n % 5) {
      case 0: reg += name + "\"C:\\\\Program Files\\\\Vendor\\\\file" + std::to_string(n) + ".dat\"\r\n"; break;
      case 1: reg += name + "dword:" + std::to_string(10000000 + n) + "\r\n"; break;
      case 2: reg += name + "hex:" + HexBytes(static_cast<unsigned>(n), 12) + "\r\n"; break;
      case 3: reg += name + "hex(2):25,00,44,00,69,00,72,00,25,00,5c,00,78,00,00,00\r\n"; break;
      default: reg += name + "hex(7):41,00,00,00,42,00,43,00,00,00,00,00\r\n"; break;
    }
  }
  return reg;
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

struct Timings {
  std::vector<double> whole, withoutColour, build, translate, readBack, plainLoad, colour, colouredLoad;
  std::size_t documentBytes = 0;
};

void Report(const char* what, const std::vector<double>& times) {
  std::printf("  %-40s median %8.1f ms  min %8.1f ms  [", what, Median(times),
              *std::min_element(times.begin(), times.end()));
  for (double t : times) std::printf(" %.0f", t);
  std::printf(" ]\n");
}

}  // namespace

int main() {
  using namespace varnock;
  const std::string folder = bench::StartWindowBench("varnock-reg-bench");
  App().programFolder = folder;
  SetPrompter([](const PromptRequest&) { return IDYES; });

  const int values = 2000;
  const std::string reg = GeneratedExport(values);
  const std::string regFile = folder + "export.reg";
  Write(regFile, reg);

  Forms forms;
  if (!forms.Create(SW_SHOW)) return 1;
  Pump();
  TFormPad& pad = forms.pad;
  pad.saveDialogFileName = folder + "setup.inf";  // an INF document, coloured as one

  Timings t;
  const RegTranslateOptions options;
  const std::string profilePath = TempRegProfilePath();
  for (int run = 0; run < 9; ++run) {
    pad.fColorINF();
    pad.Rich1.SetText("");
    Clock::time_point start = Clock::now();
    pad.fImportReg(regFile);
    t.whole.push_back(MillisecondsSince(start));
    const std::string document = pad.Rich1.Text();
    t.documentBytes = document.size();
    Pump();

    // The same with colouring off: what the translation itself costs.
    pad.fColorNO();
    pad.Rich1.SetText("");
    start = Clock::now();
    pad.fImportReg(regFile);
    t.withoutColour.push_back(MillisecondsSince(start));
    Pump();

    start = Clock::now();
    const RegProfile profile = BuildRegProfile(reg);
    t.build.push_back(MillisecondsSince(start));
    start = Clock::now();
    TranslateRegProfileText(profile.text, options);
    t.translate.push_back(MillisecondsSince(start));
    std::vector<InfLine> lines;
    start = Clock::now();
    TranslateThroughProfile(reg, profilePath, options, &lines);
    t.readBack.push_back(MillisecondsSince(start));

    pad.Rich1.SetText("");
    start = Clock::now();
    pad.Rich1.SetText(document);
    t.plainLoad.push_back(MillisecondsSince(start));
    pad.fColorINF();
    start = Clock::now();
    pad.SetColour();
    t.colour.push_back(MillisecondsSince(start));
    pad.Rich1.SetText("");
    start = Clock::now();
    pad.fLoadColouredText(document);
    t.colouredLoad.push_back(MillisecondsSince(start));
    Pump();
  }
  std::printf("REG export: %zu bytes, %d values; document after the import: %zu bytes\n", reg.size(), values,
              t.documentBytes);
  Report("fImportReg, end to end (INF colouring)", t.whole);
  Report("fImportReg, colouring off", t.withoutColour);
  Report("  clean + profile layout (core)", t.build);
  Report("  translation of the laid-out text (core)", t.translate);
  Report("  the same + file written, read back, translated", t.readBack);
  Report("yardstick: plain load of the document", t.plainLoad);
  Report("SetColour of the document", t.colour);
  Report("coloured load of the document (empty before)", t.colouredLoad);
  pad.Rich1.SetModified(false);
  return 0;
}
