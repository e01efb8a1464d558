// Colouring speed in the real text control: the whole-document pass over a full-size
// INF file (65,534 bytes, about 2,000 varied lines) and one keystroke's recolour, beside
// the plain load of the same text as the yardstick and the range-by-range way of
// colouring that the batched pass replaces. Figures only; nothing is asserted.
//
// Each figure is the median of several runs, the screen painted at its end: wall-clock
// time, and in brackets the thread's processor time, which other processes on a busy
// machine disturb less.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "core/colour/text_colouring.h"
#include "core/colour/text_lines.h"
#include "win/app/application.h"
#include "win/app/forms.h"
#include "win/colour/colour_paint.h"
#include "win/colour/escape_key.h"
#include "win/platform/prompter.h"
#include "win/platform/rich_format.h"

using namespace varnock;

namespace {

using bench::NowMs;
using bench::Pump;

constexpr std::size_t kDocumentLimit = 65534;

// Lines of every kind the rules tell apart, with varying names, values and comments.
std::string BenchInf() {
  const char* const shapes[] = {
      "[Section%d]",
      "Key%d = \"Software\\Vendor\\App%d\",\"Value\",,\"C:\\Program Files\\App\"",
      "HKLM,Software\\App%d,Run,,%%10%%\\app%d.exe ; start it",
      "CopyFiles = App%d.Copy, App%d.Extra",
      "; comment number %d: nothing here is an error",
      "",
      "  [Indented%d] trailing text",
      "Bad%d=C:\\unquoted\\path%d",
      "[Broken%d; header",
      "name%d=\"a;b\",%d ; comment after a quoted semicolon",
      "app%d.exe,,,0x%d",
  };
  std::string text;
  char line[256];
  for (int i = 0; text.size() < kDocumentLimit; ++i) {
    snprintf(line, sizeof line, shapes[i % 11], i, i);
    text += line;
    text += "\r\n";
  }
  text.resize(kDocumentLimit);
  if (text.back() == '\r') text.back() = 'x';
  return text;
}

struct Figure {
  double wall = 0;  // milliseconds
  double cpu = 0;
};

double CpuMs() {
  FILETIME created, ended, kernel, user;
  GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user);
  auto ms = [](FILETIME t) { return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e4; };
  return ms(kernel) + ms(user);
}

// `work` timed with the screen painted at its end, median of `runs`; `prepare` runs
// untimed before each.
Figure Time(int runs, TFormPad& pad, const std::function<void()>& prepare, const std::function<void()>& work) {
  std::vector<double> walls, cpus;
  for (int i = 0; i < runs; ++i) {
    prepare();
    Pump();
    const double wall = NowMs();
    const double cpu = CpuMs();
    work();
    UpdateWindow(pad.Rich1.hwnd());
    walls.push_back(NowMs() - wall);
    cpus.push_back(CpuMs() - cpu);
  }
  std::sort(walls.begin(), walls.end());
  std::sort(cpus.begin(), cpus.end());
  return {walls[walls.size() / 2], cpus[cpus.size() / 2]};
}

void Report(const char* what, Figure f, Figure yardstick) {
  printf("  %-46s %8.0f ms (%6.0f)  %5.2fx (%5.2fx)\n", what, f.wall, f.cpu, f.wall / yardstick.wall,
         yardstick.cpu > 0 ? f.cpu / yardstick.cpu : 0.0);
}

// The way colouring goes without the batch: the text put in the display font, then one
// selection and one colour change per range, handlers detached.
void RangeByRange(TFormPad& pad, const std::string& text, bool redraw) {
  QuietNotifications quiet(pad.Rich1);
  const TextColouring colouring = ColourWholeText(text, DocKind::Inf, LongLineMarkerText());
  if (!redraw) pad.Rich1.SetRedraw(false);
  PaintDisplayFont(pad);
  for (const ColourRange& range : colouring.ranges) {
    pad.Rich1.Select(static_cast<long>(range.start), static_cast<long>(range.length));
    SetSelectionColour(pad.Rich1, range.role == ColourRole::Text ? TextColour(pad) : pad.errorColour);
  }
  if (!redraw) pad.Rich1.SetRedraw(true);
}

std::string AllBytes() {
  std::string text;
  for (int b = 1; b < 256; ++b)
    if (b != '\r' && b != '\n') text += static_cast<char>(b);
  return text + "\r\n\xDB\xDB\xB2\xB1\xC4\xC4\xCD\xCD\r\n";
}

// A keystroke's recolour without the care: the whole text read to find the line, and
// each of the rules' ranges painted with redraw on.
void NaiveKeystroke(TFormPad& pad, int lineNumber) {
  QuietNotifications quiet(pad.Rich1);
  const RichSelection before = SelectionOf(pad.Rich1);
  const LineColouring line =
      ColourLineOfText(pad.Rich1.Text(), static_cast<size_t>(lineNumber), DocKind::Inf, LongLineMarkerText());
  for (const ColourRange& range : line.ranges) {
    pad.Rich1.Select(static_cast<long>(range.start), static_cast<long>(range.length));
    SetSelectionColour(pad.Rich1, range.role == ColourRole::Text ? TextColour(pad) : pad.errorColour);
  }
  pad.Rich1.Select(before.start, before.length);
}

// One keystroke's recolour over 200 lines of the middle: on lines already coloured, or
// (`typed`) after a character went in at the line's start in the typing colour, so
// that the line's colours really change. The caret is on the line: `byCaret` recolours
// it as the key handlers do (the line found from the caret), otherwise by its number.
void Keystrokes(TFormPad& pad, bool wrap, bool typed, bool byCaret) {
  std::vector<double> walls, cpus;
  for (int line = 900; line < 1100; ++line) {
    pad.Rich1.Select(static_cast<long>(SendMessageA(pad.Rich1.hwnd(), EM_LINEINDEX, line - 1, 0)), 0);
    if (typed) pad.Rich1.ReplaceSelection("x");
    Pump();
    const double start = NowMs();
    const double cpu = CpuMs();
    if (byCaret) pad.SetColourCaretLine(0);
    else pad.SetColourThisLine(line);
    walls.push_back(NowMs() - start);
    cpus.push_back(CpuMs() - cpu);
    Pump();
  }
  std::sort(walls.begin(), walls.end());
  double cpuTotal = 0;
  for (double c : cpus) cpuTotal += c;
  printf("  %-17s word wrap %-3s %-14s median %.2f ms, slowest %.2f ms (processor %.2f ms each)\n",
         byCaret ? "SetColourCaretLine" : "SetColourThisLine", wrap ? "on" : "off",
         typed ? "after typing" : "line as it was", walls[walls.size() / 2], walls.back(),
         cpuTotal / static_cast<double>(cpus.size()));
}

// What a keystroke leaves to be done after its messages: posted work and every paint
// it made pending anywhere in the window (status panels, toolbar, text).
void FinishKeystroke(TFormPad& pad) {
  Pump();
  RedrawWindow(pad.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// A character typed at the start of each of 200 lines, end to end: key down, character
// and key up as the control receives them, with the key handlers, the selection change
// (caret panel, command enabling), the title, and then all the work and paints they
// left. Beside it, as the yardstick, the same keystroke to the control alone: its own
// window procedure, nothing notified, the same paints.
void TypedCharacters(TFormPad& pad, bool wrap) {
  std::vector<double> walls, parts[4];
  const HWND rich = pad.Rich1.hwnd();
  const auto atLineStart = [&](int line) {
    pad.Rich1.Select(static_cast<long>(SendMessageA(rich, EM_LINEINDEX, line - 1, 0)), 0);
    FinishKeystroke(pad);
  };
  long reads = 0;
  for (int line = 900; line < 1100; ++line) {
    atLineStart(line);
    const long readsBefore = RichEdit::wholeTextReads;
    const double start = NowMs();
    SendMessageA(rich, WM_KEYDOWN, 'X', 0x002D0001);
    const double down = NowMs();
    SendMessageA(rich, WM_CHAR, 'x', 0x002D0001);
    const double typed = NowMs();
    SendMessageA(rich, WM_KEYUP, 'X', 0xC02D0001);
    const double up = NowMs();
    FinishKeystroke(pad);
    walls.push_back(NowMs() - start);
    parts[0].push_back(down - start);
    parts[1].push_back(typed - down);
    parts[2].push_back(up - typed);
    parts[3].push_back(NowMs() - up);
    reads += RichEdit::wholeTextReads - readsBefore;
  }
  const auto each = [&](const std::function<void()>& work) {
    std::vector<double> times;
    for (int line = 900; line < 1000; ++line) {
      atLineStart(line);
      const double start = NowMs();
      work();
      times.push_back(NowMs() - start);
    }
    return bench::Median(times);
  };
  const double own = each([&] {
    QuietNotifications quiet(pad.Rich1);
    pad.Rich1.Send(WM_KEYDOWN, 'X', 0x002D0001);
    pad.Rich1.Send(WM_CHAR, 'x', 0x002D0001);
    pad.Rich1.Send(WM_KEYUP, 'X', 0xC02D0001);
    FinishKeystroke(pad);
  });
  const double median = bench::Median(walls);
  std::sort(walls.begin(), walls.end());
  printf(
      "  a typed character end to end, word wrap %-3s median %.2f ms, slowest %.2f ms; the control's own "
      "keystroke %.2f ms: %.2fx; whole-text reads per character %.2f\n",
      wrap ? "on" : "off", median, walls.back(), own, median / own, static_cast<double>(reads) / 200);
  printf(
      "    key down %.3f ms, character with its notifications %.3f ms, key up (recolour) %.3f ms, the rest "
      "(posted work, paints) %.3f ms (medians)\n",
      bench::Median(parts[0]), bench::Median(parts[1]), bench::Median(parts[2]), bench::Median(parts[3]));
  printf(
      "    of which the selection change (caret panel, enabling) median %.2f ms, the caret's line number %.3f ms, "
      "the title %.3f ms\n",
      each([&] { pad.Rich1SelectionChange(); }), each([&] { pad.fGetLineNB(); }), each([&] { pad.SetTitle(); }));
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  App().programFolder = std::string(temp);
  SetPrompter([](const PromptRequest&) { return IDOK; });
  Forms forms;
  if (!forms.Create(SW_SHOW)) return 1;
  TFormPad& pad = forms.pad;
  Pump();

  const std::string text = BenchInf();
  const size_t ranges = ColourWholeText(text, DocKind::Inf, LongLineMarkerText()).ranges.size();
  printf("Document: %zu bytes, %zu lines, %zu ranges from the rules\n", text.size(), LocateTextLines(text).size(),
         ranges);
  pad.saveDialogFileName = "C:\\bench\\setup.inf";
  auto empty = [&] { pad.Rich1.SetText(""); };
  auto plain = [&] { pad.Rich1.SetText(text); };
  auto coloured = [&] { pad.fLoadColouredText(text); };

  {
    // The rules alone, and with the Esc poll the whole pass makes at every line.
    const double start = NowMs();
    ColourWholeText(text, DocKind::Inf, LongLineMarkerText());
    const double polled = NowMs();
    ColourWholeText(text, DocKind::Inf, LongLineMarkerText(), EscapePressed);
    printf("Rules of the whole document %.2f ms, with the Esc poll at every line %.2f ms\n", polled - start,
           NowMs() - polled);
  }
  printf("Whole document               wall (processor)  x plain load into the empty control\n");
  const Figure yardstick = Time(9, pad, empty, plain);
  Report("plain load into the empty control (yardstick)", yardstick, yardstick);
  Report("coloured load into the empty control", Time(9, pad, empty, coloured), yardstick);
  Report("plain load over the loaded text", Time(9, pad, plain, plain), yardstick);
  Report("coloured load over the loaded text", Time(9, pad, plain, coloured), yardstick);
  Report("SetColour of the loaded text (Refresh)", Time(9, pad, plain, [&] { pad.SetColour(); }), yardstick);
  Report("plain load, then SetColour (from empty)",
         Time(9, pad, empty,
              [&] {
                plain();
                pad.SetColour();
              }),
         yardstick);
  Report("SetBW of the coloured text", Time(9, pad, coloured, [&] { pad.SetBW(); }), yardstick);
  Report("clearing the loaded text", Time(9, pad, plain, empty), yardstick);
  coloured();
  printf("  bytes unchanged by the coloured load: %s\n", pad.Rich1.Text() == text ? "yes" : "NO");

  if (!getenv("VARNOCK_BENCH_QUICK")) {
    Report("naive: range by range, redraw off", Time(1, pad, plain, [&] { RangeByRange(pad, text, false); }),
           yardstick);
    Report("naive: range by range, redraw on", Time(1, pad, plain, [&] { RangeByRange(pad, text, true); }), yardstick);
  }

  printf("One keystroke (200 lines of the document's middle)\n");
  {
    // What one message to the control costs on this machine, for scale: through the
    // window's subclasses (as input arrives) and straight to the control (as the
    // program's requests go).
    const double start = NowMs();
    for (int i = 0; i < 1000; ++i) SendMessageA(pad.Rich1.hwnd(), EM_GETMODIFY, 0, 0);
    const double middle = NowMs();
    for (int i = 0; i < 1000; ++i) pad.Rich1.Modified();
    const double selections = NowMs();
    for (int i = 0; i < 200; ++i) pad.Rich1.Select(1000 + i % 2, 0);
    printf(
        "  for scale: a request that changes nothing %.3f ms through the subclasses, %.4f ms straight to the "
        "control; a selection %.3f ms\n",
        (middle - start) / 1000, (selections - middle) / 1000, (NowMs() - selections) / 200);
    pad.Rich1.Select(static_cast<long>(SendMessageA(pad.Rich1.hwnd(), EM_LINEINDEX, 999, 0)) + 3, 0);
    const double rows = NowMs();
    for (int i = 0; i < 200; ++i) TextLineNear(ControlRows(pad.Rich1), static_cast<size_t>(pad.Rich1.SelStart()), 0);
    const double rowOf = NowMs();
    for (int i = 0; i < 200; ++i) pad.Rich1.Send(EM_EXLINEFROMCHAR, 0, 30000);
    const double lineIndex = NowMs();
    for (int i = 0; i < 200; ++i) pad.Rich1.Send(EM_LINEINDEX, 1000, 0);
    const double lineLength = NowMs();
    for (int i = 0; i < 200; ++i) pad.Rich1.Send(EM_LINELENGTH, 30000, 0);
    const double lineCount = NowMs();
    for (int i = 0; i < 200; ++i) pad.Rich1.Send(EM_GETLINECOUNT, 0, 0);
    const double caret = NowMs();
    for (int i = 0; i < 200; ++i) pad.fGetLineNB();
    printf(
        "  the caret's text line from the line index %.3f ms (a row from a position %.3f, a row's start %.4f, "
        "its length %.4f, the row count %.4f); the caret's line number %.3f ms\n",
        (rowOf - rows) / 200, (lineIndex - rowOf) / 200, (lineLength - lineIndex) / 200, (lineCount - lineLength) / 200,
        (caret - lineCount) / 200, (NowMs() - caret) / 200);
    const double null = NowMs();
    for (int i = 0; i < 1000; ++i) SendMessageA(pad.hwnd(), WM_NULL, 0, 0);
    printf("  WM_NULL to the main window: %.3f ms\n", (NowMs() - null) / 1000);
  }
  coloured();
  for (const bool byCaret : {false, true}) {
    Keystrokes(pad, false, false, byCaret);
    Keystrokes(pad, false, true, byCaret);
  }
  pad.fLoadColouredText(text.substr(0, 60000));  // typing stays below the size warning
  TypedCharacters(pad, false);
  pad.EditWWrap();
  TypedCharacters(pad, true);
  pad.EditWWrap();
  coloured();
  pad.EditWWrap();
  for (const bool byCaret : {false, true}) {
    Keystrokes(pad, true, false, byCaret);
    Keystrokes(pad, true, true, byCaret);
  }
  pad.EditWWrap();
  const double titleStart = NowMs();
  for (int i = 0; i < 50; ++i) pad.SetTitle();
  printf("  of which SetTitle (title, status panel, commands): %.2f ms\n", (NowMs() - titleStart) / 50);
  std::vector<double> naive;
  for (int line = 900; line < 1000; ++line) {
    const double start = NowMs();
    NaiveKeystroke(pad, line);
    UpdateWindow(pad.Rich1.hwnd());
    naive.push_back(NowMs() - start);
    Pump();
  }
  std::sort(naive.begin(), naive.end());
  printf("  naive: whole text read, ranges painted with redraw on: median %.2f ms\n", naive[naive.size() / 2]);

  printf("ANSI art through the OEM code page\n");
  pad.saveDialogFileName = "C:\\bench\\art.nfo";
  if (MenuItem* all = pad.Item("AffColorALL")) all->CheckRadio();
  pad.Rich1.SetText(AllBytes());
  for (int mode : {3, 2, 1, 4, 3}) {
    pad.fontMode = mode;
    pad.FontCheck();
    printf("  font mode %d, code page %u: every byte back %s\n", mode, pad.Rich1.CodePage(),
           pad.Rich1.Text() == AllBytes() ? "yes" : "NO");
  }
  pad.Rich1.SetModified(false);
  return 0;
}
