// Printing on CUPS's PDF printer: pages, lines and colours of the output read back, the
// colour question, Escape, printer failures, and the setup kept for later jobs.
#include "tests/win/colour_test_support.h"
#include "tests/win/print_test_support.h"
#include "win/colour/escape_key.h"
#include "win/i18n/message.h"
#include "win/print/control_colours.h"
#include "win/print/printer.h"

namespace varnock::test {
namespace {

// A coloured INF: a section every ten lines, entries between.
std::string InfLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    text +=
        i % 10 == 1 ? "[Section" + std::to_string(i) + "]" : "Key" + std::to_string(i) + "=value" + std::to_string(i);
    if (i < count) text += "\r\n";
  }
  return text;
}

class Print : public ColourTest {
 protected:
  void SetUp() override {
    ColourTest::SetUp();
    if (!PrintOutput::PrinterReady()) GTEST_SKIP() << "no CUPS PDF printer";
    output = std::make_unique<PrintOutput>();
    SetPrintOutputFile(output->PostScriptFile());
    SetPrintDialogRunner([this](PRINTDLGA& request, DWORD* error) -> BOOL {
      ++dialogs;
      if (cancel) return FALSE;
      if (!request.hDevMode) Defaults(request);
      if (request.Flags & PD_PRINTSETUP) {
        if (setup) {
          auto* mode = static_cast<DEVMODEA*>(GlobalLock(request.hDevMode));
          setup(*mode);
          GlobalUnlock(request.hDevMode);
        }
        return TRUE;
      }
      (void)error;
      request.hDC = CreatePrinterDc(request.hDevNames, request.hDevMode);
      request.nCopies = static_cast<WORD>(copies);
      return TRUE;
    });
  }
  void TearDown() override {
    SetPrintDialogRunner(nullptr);
    SetPrintOutputFile("");
    SetEscapePoll(nullptr);
    output.reset();
    ColourTest::TearDown();
  }
  static void Defaults(PRINTDLGA& request) {
    PRINTDLGA defaults{};
    defaults.lStructSize = sizeof defaults;
    defaults.Flags = PD_RETURNDEFAULT;
    PrintDlgA(&defaults);
    request.hDevMode = defaults.hDevMode;
    request.hDevNames = defaults.hDevNames;
  }
  void PrintInf(const std::string& text, int answer) {
    Load("C:\\docs\\setup.inf", text);
    pad().SetColour();
    boxes->answers = {answer};
    PrintNow();
  }
  void PrintNow() {
    output->Clear();
    pad().FilePrint();
  }
  static std::vector<std::string> Texts(const PrintedPage& page) {
    std::vector<std::string> texts;
    for (const PrintedRow& row : page.rows) texts.push_back(row.text);
    return texts;
  }
  std::unique_ptr<PrintOutput> output;
  int dialogs = 0;
  bool cancel = false;
  int copies = 1;
  std::function<void(DEVMODEA&)> setup;
};

TEST_F(Print, AThreePageInfGivesThreePagesOfWholeLinesThatNeverOverlap) {
  PrintInf(InfLines(200), IDNO);
  const auto measured = output->Pages();
  ASSERT_GE(measured.size(), 2u);
  const int perPage = static_cast<int>(measured[0].rows.size());
  ASSERT_GT(perPage, 20);

  std::string text = InfLines(2 * perPage + perPage / 2);
  std::string longLine;
  for (int w = 1; w <= 40; ++w) longLine += "Word" + std::to_string(w) + (w < 40 ? " " : "");
  text.replace(text.find("Key3="), text.find("\r\n", text.find("Key3=")) - text.find("Key3="), "Key3=" + longLine);
  PrintInf(text, IDNO);
  const auto pages = output->Pages();
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].rows.front().text, "[Section1]");
  EXPECT_EQ(pages[2].rows.back().text, text.substr(text.rfind("\r\n") + 2));
  // The long line wraps inside the page, every word there once and in order.
  std::string all;
  for (const PrintedPage& page : pages) {
    for (size_t i = 0; i < page.rows.size(); ++i) {
      all += page.rows[i].text + "\n";
      EXPECT_LE(page.rows[i].right, page.width);
      if (i > 0) EXPECT_GE(page.rows[i].top + 0.5, page.rows[i - 1].bottom) << page.rows[i].text;
    }
  }
  size_t at = 0;
  for (int w = 1; w <= 40; ++w) {
    const std::string word = "Word" + std::to_string(w);
    at = all.find(word, at);
    ASSERT_NE(at, std::string::npos) << w;
    at += word.size();
    EXPECT_TRUE(all[at] == ' ' || all[at] == '\n') << w;
  }
  EXPECT_NE(all.find("Key4=value4"), std::string::npos);
}

TEST_F(Print, YesPrintsTheScreenColoursAndNoPrintsBlack) {
  PrintInf(InfLines(30), IDYES);
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text, fMessage("PRINT_COLOR"));
  EXPECT_EQ(boxes->shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
  ASSERT_EQ(output->Pages().size(), 1u);
  long coloured = 0, green = 0;
  output->CountColours(1, &coloured, &green);
  EXPECT_GT(green, 20);
  // The last character printed stays selected.
  EXPECT_EQ(pad().Rich1.SelLength(), 1);
  EXPECT_EQ(pad().Rich1.SelStart(), pad().Rich1.TextLength() - 1);

  PrintInf(InfLines(30), IDNO);
  ASSERT_EQ(output->Pages().size(), 1u);
  output->CountColours(1, &coloured, &green);
  EXPECT_EQ(coloured, 0);
}

TEST_F(Print, ADocumentTheModeDoesNotColourPrintsBlackWithoutAsking) {
  pad().fColorINF();  // the INF mode leaves a text file uncoloured
  Load("C:\\docs\\notes.txt", "plain text\r\n[Section]\r\n");
  PrintNow();
  EXPECT_TRUE(boxes->shown.empty());
  ASSERT_EQ(output->Pages().size(), 1u);
  EXPECT_EQ(Texts(output->Pages()[0]), (std::vector<std::string>{"plain text", "[Section]"}));
}

TEST_F(Print, EmptyDocumentIsOneBlankPageAndCopiesRepeatTheDocument) {
  Load("C:\\docs\\notes.txt", "");
  PrintNow();
  auto pages = output->Pages();
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_TRUE(pages[0].rows.empty());
  copies = 3;
  Load("C:\\docs\\notes.txt", "one\r\ntwo\r\n");
  PrintNow();
  pages = output->Pages();
  ASSERT_EQ(pages.size(), 3u);
  for (const PrintedPage& page : pages) EXPECT_EQ(Texts(page), (std::vector<std::string>{"one", "two"}));
}

TEST_F(Print, EscapeAbortsTheJobAndTheHandlersComeBack) {
  const LRESULT mask = SendMessageA(pad().Rich1.hwnd(), EM_GETEVENTMASK, 0, 0);
  Load("C:\\docs\\setup.inf", InfLines(400));
  pad().SetColour();
  int polls = 0;
  SetEscapePoll([&] { return ++polls > 5; });
  boxes->answers = {IDYES};
  PrintNow();
  EXPECT_EQ(polls, 6);
  EXPECT_EQ(boxes->shown.size(), 1u);  // the colour question, no error
  EXPECT_EQ(SendMessageA(pad().Rich1.hwnd(), EM_GETEVENTMASK, 0, 0), mask);
  // Selection changes reach the status bar again.
  pad().Rich1.Select(0, 0);
  Pump();
  const std::string before = PanelText(kPanelCaret);
  pad().Rich1.Select(14, 0);
  Pump();
  EXPECT_NE(PanelText(kPanelCaret), before);
}

TEST_F(Print, AnUnwritableOutputIsReportedAndTheHandlersComeBack) {
  const LRESULT mask = SendMessageA(pad().Rich1.hwnd(), EM_GETEVENTMASK, 0, 0);
  SetPrintOutputFile("C:\\no such folder\\deeper\\out.ps");
  PrintInf(InfLines(5), IDNO);
  ASSERT_EQ(boxes->shown.size(), 2u);
  EXPECT_EQ(boxes->shown[1].text, fMessage("PRINT_ERROR"));
  EXPECT_EQ(boxes->shown[1].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_EQ(SendMessageA(pad().Rich1.hwnd(), EM_GETEVENTMASK, 0, 0), mask);
}

TEST_F(Print, CancelPrintsNothingAndADisabledEntryDoesNothing) {
  cancel = true;
  PrintInf(InfLines(5), IDYES);
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(boxes->shown.empty());
  EXPECT_TRUE(output->Pages().empty());
  MenuItem* entry = pad().Item("FilePrintItem");
  entry->enabled = false;
  SendMessageA(pad().hwnd(), WM_COMMAND, entry->id, 0);
  EXPECT_EQ(dialogs, 1);
}

TEST_F(Print, NoPrinterIsToldToTheUser) {
  SetPrintDialogRunner([](PRINTDLGA&, DWORD* error) -> BOOL {
    *error = PDERR_NODEFAULTPRN;
    return FALSE;
  });
  for (const char* entry : {"FilePrintItem", "FilePrintSetupItem"}) {
    boxes->shown.clear();
    SendMessageA(pad().hwnd(), WM_COMMAND, pad().Item(entry)->id, 0);
    ASSERT_EQ(boxes->shown.size(), 1u) << entry;
    EXPECT_EQ(boxes->shown[0].text, fMessage("PRINT_NO_PRINTER"));
  }
}

TEST_F(Print, LandscapeChosenInSetupHoldsForLaterJobs) {
  setup = [](DEVMODEA& mode) {
    mode.dmFields |= DM_ORIENTATION;
    mode.dmOrientation = DMORIENT_LANDSCAPE;
  };
  pad().FilePrintSetup();
  for (int job = 0; job < 2; ++job) {
    PrintInf(InfLines(3), IDNO);
    const auto pages = output->Pages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].width, pages[0].height) << job;
  }
}

}  // namespace
}  // namespace varnock::test

namespace varnock::test {
namespace {

// The colours come from one read of the control: the selection never moves, and every
// character has the colour the control shows.
class PrintColours : public ColourTest {};

TEST_F(PrintColours, AreReadInOnePassAsTheControlShowsThem) {
  const std::string text = "[Section1]\r\nKey2 = \"Soft\\ware\",{x},\xE9\r\n; comment\r\n\tlast";
  Load("C:\\docs\\setup.inf", text);
  pad().SetColour();
  pad().Rich1.Select(3, 2);
  const std::vector<ColourRun> runs = ReadControlColours(pad().Rich1, pad().Rich1.Text());
  EXPECT_EQ(pad().Rich1.SelStart(), 3);
  EXPECT_EQ(pad().Rich1.SelLength(), 2);
  for (size_t i = 0; i < text.size(); ++i) {
    // Line breaks and TABs draw nothing (the control writes a TAB in the colour before it).
    if (text[i] == '\r' || text[i] == '\n' || text[i] == '\t') continue;
    const ColourRun* run = RunAt(runs, i);
    ASSERT_NE(run, nullptr) << i;
    const COLORREF shown = FormatOf(pad().Rich1.hwnd(), static_cast<long>(i), 1).crTextColor;
    EXPECT_EQ(run->automatic ? GetSysColor(COLOR_WINDOWTEXT) : run->colour, shown) << i;
  }
}

}  // namespace
}  // namespace varnock::test
