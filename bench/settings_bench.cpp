// Localising the four forms with the shipped language file, and loading plus saving
// the settings, each against a yardstick measured in the same run: the bare profile
// reads (or writes) those operations are made of.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>

#include "bench/bench_support.h"
#include "core/i18n/interface_keys.h"
#include "win/app/application.h"
#include "win/app/forms.h"
#include "win/i18n/message.h"
#include "win/platform/profile.h"
#include "win/platform/prompter.h"
#include "win/settings/settings_file.h"

using namespace varnock;
using bench::Median;
using bench::MillisecondsSince;

namespace {

constexpr int kRuns = 15;

template <typename Action>
std::vector<double> Measure(Action action) {
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    const auto start = bench::Clock::now();
    action();
    times.push_back(MillisecondsSince(start));
    bench::Pump();
  }
  return times;
}

void Report(const char* what, const std::vector<double>& times, const std::vector<double>& yardstick) {
  const double worst = *std::max_element(times.begin(), times.end());
  std::printf("%-48s median %7.2f ms, worst %7.2f ms, %5.1f x the yardstick (%.2f ms)\n", what, Median(times), worst,
              Median(times) / Median(yardstick), Median(yardstick));
}

std::string ExeFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\') + 1);
}

}  // namespace

int main() {
  App().programFolder = bench::StartWindowBench("varnock-settings-bench");
  DeleteFileA(SettingsFile().c_str());
  if (!CopyFileA((ExeFolder() + "..\\VarnockLng.ini").c_str(), LanguageFile().c_str(), FALSE)) {
    std::printf("no shipped language file beside the build\n");
    return 1;
  }
  SetPrompter([](const PromptRequest&) { return IDOK; });
  Forms forms;
  if (!forms.Create(SW_SHOW)) return 1;
  bench::Pump();
  TFormPad& pad = forms.pad;
  pad.languageName = "Francais";

  std::printf("median and worst of %d runs under the running system\n", kRuns);
  const auto readKeys = Measure([] {
    for (const InterfaceKey& key : InterfaceKeys()) ProfileRead(LanguageFile(), "Francais", key.key, "#");
  });
  Report("fLocaliseForm, shipped French file", Measure([&] { pad.fLocaliseForm(); }), readKeys);

  const std::string scratch = App().programFolder + "scratch.ini";
  const auto writeKeys = Measure([&] {
    for (int i = 0; i < 24; ++i) ProfileWrite(scratch, "Varnock", "Key" + std::to_string(i), "value");
  });
  Report("fLoadSettings + fSaveSettings", Measure([&] {
           pad.fLoadSettings();
           pad.fSaveSettings(1);
         }),
         writeKeys);
  return 0;
}
