// The real paths of printing, help and the about box: keys pressed, the system's print
// dialog, the PDF that CUPS writes, the help window and the about box of the process.
#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/driver.h"
#include "tests/win/print_test_support.h"

namespace e2e {
namespace {

using varnock::test::PrintedPage;
using varnock::test::PrintOutput;

std::string ChildText(HWND parent, const char* className) {
  HWND child = FindWindowExA(parent, nullptr, className, nullptr);
  if (!child) return "";
  std::string text(static_cast<size_t>(SendMessageA(child, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(static_cast<size_t>(SendMessageA(child, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// The PDFs CUPS's PDF printer wrote for the current user.
std::string PdfFolder() {
  char home[MAX_PATH] = "";
  if (!GetEnvironmentVariableA("HOME", home, MAX_PATH)) return "Z:\\root\\PDF\\";
  std::string folder = std::string("Z:") + home + "\\PDF\\";
  for (char& c : folder)
    if (c == '/') c = '\\';
  return folder;
}

std::vector<std::string> PdfsNamed(const std::string& start) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA((PdfFolder() + start + "*.pdf").c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return found;
  do found.push_back(PdfFolder() + data.cFileName);
  while (FindNextFileA(search, &data));
  FindClose(search);
  return found;
}

class PrintHelp : public ::testing::Test {
 protected:
  void TearDown() override { Finish(run); }
  HWND Start(const std::string& argument, bool withArgument = true) {
    run = StartVarnock(argument, withArgument);
    EXPECT_TRUE(run.ok);
    HWND main = WaitForMainWindow(run);
    EXPECT_NE(main, nullptr);
    if (main) SetForegroundWindow(main);
    Sleep(300);
    return main;
  }
  Started run;
};

TEST_F(PrintHelp, F1ShowsTheHelpAtItsContents) {
  ASSERT_NE(Start("", false), nullptr);
  PressKeys({VK_F1});
  HWND help = WaitForTopLevel(run, "VarnockHelp", 15000, "Varnock help");
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(WindowTitle(help), "Varnock help - Contents");
  EXPECT_EQ(ChildText(help, "RICHEDIT").rfind("Varnock help", 0), 0u);
}

TEST_F(PrintHelp, AboutShowsAProposAndEscapeClosesIt) {
  HWND main = Start("", false);
  ASSERT_NE(main, nullptr);
  // Alt+? opens the ? menu; A is its About entry.
  const SHORT question = VkKeyScanA('?');
  if (HIBYTE(question) & 1) PressKeys({VK_MENU, VK_SHIFT, LOBYTE(question)});
  else PressKeys({VK_MENU, LOBYTE(question)});
  Sleep(300);
  PressKeys({'A'});
  HWND about = WaitForTopLevel(run, "TAboutBox", 15000, "A propos");
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(WindowTitle(about), "A propos");
  EXPECT_FALSE(IsWindowEnabled(main));
  PressKeys({VK_ESCAPE});
  for (int i = 0; i < 50 && IsWindowVisible(about); ++i) Sleep(100);
  EXPECT_FALSE(IsWindowVisible(about));
  EXPECT_TRUE(IsWindowEnabled(main));
}

// Ctrl+P, the system's print dialog, OK, Yes: CUPS writes a PDF of the three pages with
// their colours.
TEST_F(PrintHelp, CtrlPPrintsAColouredInfThroughCups) {
  if (!PrintOutput::PrinterReady()) GTEST_SKIP() << "no CUPS PDF printer";
  const std::string name = "e2eprint" + std::to_string(GetCurrentProcessId());
  for (const std::string& old : PdfsNamed(name)) DeleteFileA(old.c_str());
  std::string text;
  const int lines = 180;
  for (int i = 1; i <= lines; ++i)
    text += (i % 10 == 1 ? "[Section" + std::to_string(i) + "]" : "Key" + std::to_string(i) + "=v") + "\r\n";
  const std::string path = TempFolder() + name + ".inf";
  ASSERT_TRUE(WriteFile(path, text));
  HWND main = Start(path);
  ASSERT_NE(main, nullptr);
  PressKeys({VK_CONTROL, 'P'});
  HWND dialog = nullptr;
  for (int i = 0; i < 100 && !dialog; ++i) {
    Sleep(100);
    HWND candidate = GetForegroundWindow();
    char cls[64] = "";
    GetClassNameA(candidate, cls, sizeof cls);
    if (std::string(cls) == "#32770" && GetWindow(candidate, GW_OWNER) == main) dialog = candidate;
  }
  ASSERT_NE(dialog, nullptr) << "no print dialog";
  SendMessageA(dialog, WM_COMMAND, IDOK, 0);
  HWND question = WaitForMessageBox(run);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(MessageBoxText(question), "Print using colours ?");
  PressButton(question, IDYES);

  std::vector<std::string> pdfs;
  for (int i = 0; i < 300 && pdfs.empty(); ++i) {
    Sleep(100);
    pdfs = PdfsNamed(name);
  }
  ASSERT_EQ(pdfs.size(), 1u) << "nothing in " << PdfFolder();
  Sleep(1000);  // the back end may still be writing
  PrintOutput output;
  const std::vector<PrintedPage> pages = output.PdfPages(pdfs[0]);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].rows.front().text, "[Section1]");
  EXPECT_EQ(pages[2].rows.back().text, "Key180=v");
  long coloured = 0, green = 0;
  output.CountColours(1, &coloured, &green);
  EXPECT_GT(green, 20);
  DeleteFileA(pdfs[0].c_str());
  DeleteFileA(path.c_str());
}

}  // namespace
}  // namespace e2e
