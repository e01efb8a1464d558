// Times the edit commands that rewrite much of the document through the real window and
// text control under Wine: replace-all of a frequent one-character string in a text at
// the size limit, and Sort A..Z / Z..A of 5,000 lines. Counts the messages the text
// control receives meanwhile (all of them, and the EM_* requests among them), the time
// the control spends inside text loads and replacements, and the control windows made
// (a replacement too big for the control to delete in good time loads the whole new
// text into a new control window).
#include <windows.h>

#include <commctrl.h>
#include <richedit.h>
#include <dlgs.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "win/app/application.h"
#include "win/app/forms.h"
#include "win/platform/prompter.h"
#include "win/platform/sound.h"
#include "win/platform/subclass.h"

using namespace varnock;

namespace {

using bench::NowMs;
using bench::Pump;

constexpr std::size_t kDocumentLimit = 65534;
constexpr int kRuns = 5;

struct MessageCount {
  long all = 0;
  long requests = 0;     // EM_* messages
  long boxes = 0;        // message boxes (the size warning), answered OK at once
  double replaceMs = 0;  // spent by the control inside its text loads and replacements
  long windows = 0;      // control windows made
  long direct = 0;       // requests sent straight to the control, past its subclasses
};
MessageCount g_count;

// Follows the control into every new window (RichEdit::AddSubclass).
LRESULT CALLBACK CountingSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  ++g_count.all;
  if (msg >= WM_USER) ++g_count.requests;
  if (msg == WM_NCDESTROY) ++g_count.windows;
  if (msg != EM_SETTEXTEX && msg != EM_STREAMIN) return NextSubclassProc(hwnd, msg, wp, lp);
  const double start = NowMs();
  const LRESULT result = NextSubclassProc(hwnd, msg, wp, lp);
  g_count.replaceMs += NowMs() - start;
  return result;
}

// INF-looking lines of random keys and values: at most `size` bytes and `maxLines` lines.
std::string InfText(std::size_t size, std::size_t maxLines, std::size_t maxValue) {
  std::mt19937 random(7);
  const char* letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_";
  std::string text;
  for (std::size_t line = 0; text.size() < size && line < maxLines; ++line) {
    const std::size_t keyLength = 3 + random() % 6;
    for (std::size_t i = 0; i < keyLength; ++i) text += letters[random() % 53];
    text += "=";
    const std::size_t valueLength = random() % (maxValue + 1);
    for (std::size_t i = 0; i < valueLength; ++i) text += letters[random() % 26];
    text += "\r\n";
  }
  if (text.size() > size) text.resize(size);
  return text;
}

struct Result {
  double medianMs = 0;
  double worstMs = 0;
  MessageCount messages;
};

// `prepare` is not timed; `work` is, with the control's messages counted.
Result Measure(const std::function<void()>& prepare, const std::function<void()>& work) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> times;
  Result result;
  for (int run = 0; run < kRuns; ++run) {
    prepare();
    Pump();
    g_count = {};
    const long sentBefore = RichEdit::messagesSent;
    LARGE_INTEGER start, stop;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&stop);
    result.messages = g_count;
    // Requests the program sends straight to the control pass no subclass.
    result.messages.direct = RichEdit::messagesSent - sentBefore;
    result.messages.all += result.messages.direct;
    result.messages.requests += result.messages.direct;
    Pump();
    times.push_back(1000.0 * static_cast<double>(stop.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart));
  }
  std::sort(times.begin(), times.end());
  result.medianMs = times[times.size() / 2];
  result.worstMs = times.back();
  return result;
}

void Print(const char* what, std::size_t bytes, const Result& r) {
  std::printf(
      "%-46s %7zu bytes  median %7.1f ms  worst %7.1f ms  (last run: %.1f ms in the control's text "
      "loads and replacements)  control messages %ld (requests %ld, %ld of them straight to the control)  "
      "new control windows %ld  boxes %ld\n",
      what, bytes, r.medianMs, r.worstMs, r.messages.replaceMs, r.messages.all, r.messages.requests, r.messages.direct,
      r.messages.windows, r.messages.boxes);
}

void Click(TFormPad& pad, const char* name) {
  MenuItem* item = pad.Item(name);
  item->onClick(*item);
}

void BenchReplaceAll(TFormPad& pad) {
  const std::string text = InfText(kDocumentLimit, 1000000, 30);
  const long count = static_cast<long>(std::count(text.begin(), text.end(), 'e'));
  Click(pad, "ReplaceItem");
  const HWND dialog = pad.ReplaceDialog.hwnd();
  SetDlgItemTextA(dialog, edt1, "e");
  const auto replaceAll = [&](const char* with) {
    SetDlgItemTextA(dialog, edt2, with);
    return Measure(
        [&] {
          pad.Rich1.SetText(text);
          pad.Rich1.Select(0, 0);
        },
        [&] { SendMessageA(GetDlgItem(dialog, psh2), BM_CLICK, 0, 0); });
  };
  std::printf("replace-all: %ld matches of \"e\" (any case)\n", count);
  Print("replace-all \"e\" -> \"#\" (replace dialog button)", text.size(), replaceAll("#"));
  Print("replace-all \"e\" -> \"ee\" (replace dialog button)", text.size(), replaceAll("ee"));
  SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

void BenchSort(TFormPad& pad, const char* label, const std::string& text) {
  const auto all = [&] {
    pad.Rich1.SetText(text);
    pad.Rich1.Select(0, static_cast<long>(text.size()));
  };
  Print((std::string("Sort A..Z, ") + label).c_str(), text.size(), Measure(all, [&] { Click(pad, "EditSort1"); }));
  Print((std::string("Sort Z..A, ") + label).c_str(), text.size(), Measure(all, [&] { Click(pad, "EditSort2"); }));
}

}  // namespace

int main() {
  App().programFolder = bench::StartWindowBench("varnock-edit-bench");
  SetBeepHook([](UINT) {});
  SetPrompter([](const PromptRequest&) {
    ++g_count.boxes;
    return IDOK;
  });

  Forms forms;
  if (!forms.Create(SW_SHOW)) return 1;
  Pump();
  TFormPad& pad = forms.pad;
  pad.Rich1.AddSubclass(CountingSubclass, 0xBE4C, 0);

  std::printf("median and worst of %d runs, through the main window under the running system\n", kRuns);
  BenchReplaceAll(pad);
  const std::string shortLines = InfText(kDocumentLimit, 5000, 4);
  const std::string infLines = InfText(1000000, 5000, 30);
  BenchSort(pad, "5000 lines within the size limit", shortLines);
  BenchSort(pad, "5000 longer lines", infLines);
  // A document named .inf is recoloured as a whole after the sort.
  pad.saveDialogFileName = App().programFolder + "sorted.inf";
  const auto all = [&] {
    pad.Rich1.SetText(shortLines);
    pad.Rich1.Select(0, static_cast<long>(shortLines.size()));
  };
  Print("Sort A..Z, 5000 lines, then INF colouring", shortLines.size(), Measure(all, [&] { Click(pad, "EditSort1"); }));
  pad.saveDialogFileName.clear();

  pad.Rich1.SetModified(false);
  return 0;
}
