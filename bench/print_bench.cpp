// Printing speed: a full-size coloured INF (65,534 bytes, 1,639 lines) printed by
// FilePrint to a PostScript file on CUPS's PDF printer, in colour and, as the yardstick,
// in black, in the same run; and the reading of the colours alone. Figures only.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "win/app/application.h"
#include "win/app/forms.h"
#include "win/platform/prompter.h"
#include "win/print/control_colours.h"
#include "win/print/printer.h"

using namespace varnock;

namespace {

std::string BenchInf() {
  std::string text;
  for (int i = 0; text.size() < 65534; ++i) {
    text += i % 12 == 0   ? "[Section" + std::to_string(i) + "]"
            : i % 12 == 5 ? "; comment " + std::to_string(i) + " about the section above"
                          : "Key" + std::to_string(i) + " = \"Software\\Vendor\\App\",Value," + std::to_string(i);
    text += "\r\n";
  }
  text.resize(65534);
  if (text.back() == '\r') text.back() = 'x';
  return text;
}

double MedianMs(int runs, const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = bench::Clock::now();
    work();
    times.push_back(bench::MillisecondsSince(start));
    bench::Pump();
  }
  return bench::Median(times);
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  App().programFolder = std::string(temp);
  int answer = IDYES;
  SetPrompter([&](const PromptRequest&) { return answer; });
  SetPrintDialogRunner([](PRINTDLGA& request, DWORD*) -> BOOL {
    if (!request.hDevMode) {
      PRINTDLGA defaults{};
      defaults.lStructSize = sizeof defaults;
      defaults.Flags = PD_RETURNDEFAULT;
      if (!PrintDlgA(&defaults)) return FALSE;
      request.hDevMode = defaults.hDevMode;
      request.hDevNames = defaults.hDevNames;
    }
    request.hDC = CreatePrinterDc(request.hDevNames, request.hDevMode);
    request.nCopies = 1;
    return request.hDC != nullptr;
  });
  const std::string output = std::string(temp) + "varnock-print-bench.ps";
  SetPrintOutputFile(output);
  Forms forms;
  if (!forms.Create(SW_SHOW)) return 1;
  TFormPad& pad = forms.pad;
  bench::Pump();

  const std::string text = BenchInf();
  pad.saveDialogFileName = "C:\\bench\\setup.inf";
  pad.fLoadColouredText(text);
  printf("Document: %zu bytes\n", text.size());
  auto print = [&](int yesOrNo) {
    answer = yesOrNo;
    DeleteFileA(output.c_str());  // Wine adds to an output file that exists
    pad.FilePrint();
  };
  const double black = MedianMs(3, [&] { print(IDNO); });
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExA(output.c_str(), GetFileExInfoStandard, &data);
  printf("black printing (yardstick)    %8.0f ms  (%lu bytes of PostScript)\n", black, data.nFileSizeLow);
  const double colour = MedianMs(3, [&] { print(IDYES); });
  GetFileAttributesExA(output.c_str(), GetFileExInfoStandard, &data);
  printf("colour printing               %8.0f ms  x%.2f  (%lu bytes of PostScript)\n", colour, colour / black,
         data.nFileSizeLow);
  const double reading = MedianMs(3, [&] { ReadControlColours(pad.Rich1, pad.Rich1.Text()); });
  printf("  of which reading the colours %7.0f ms\n", reading);
  DeleteFileA(output.c_str());
  return 0;
}
