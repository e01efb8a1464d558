// Import of a REG file into the document through the real window, the real profile
// functions and scripted message boxes and dialogs.
#include <string>
#include <vector>

#include "tests/win/harness.h"
#include "win/i18n/message.h"
#include "win/platform/file_dialogs.h"

namespace varnock::test {
namespace {

const char kComment[] = "; You can modify this section's name, and insert it in the right AddReg= entry.";

std::string Utf16File(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

class RegImport : public FormTest {
 protected:
  std::string WriteReg(const std::string& name, const std::string& bytes) {
    const std::string path = TestFolder() + name;
    WriteTextFile(path, bytes);
    return path;
  }
  void StartWith(const std::string& text) {
    pad().Rich1.SetText(text);
    pad().Rich1.SetModified(false);
    pad().Rich1.Select(0, 0);
  }
};

TEST_F(RegImport, AppendsTheSectionAfterTheUsersTextAndReportsIt) {
  const std::string reg = WriteReg("my settings.reg",
                                   "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Acme]\r\n\"Path\"=\"C:\\\\Acme\"\r\n"
                                   "\"Bin\"=hex:01,02,\\\r\n  03\r\n@=dword:0000ffff\r\n");
  StartWith("; mine");
  pad().fImportReg(reg);
  EXPECT_EQ(pad().Rich1.Text(), std::string("; mine\r\n[Added_from_mysettings.reg]\r\n") + kComment +
                                    "\r\nHKLM,\"Software\\Acme\",\"Path\",,\"C:\\Acme\""
                                    "\r\nHKLM,\"Software\\Acme\",\"Bin\",1,01,02,03"
                                    "\r\nHKLM,\"Software\\Acme\",,0x00010001,ff,ff,00,00");
  EXPECT_EQ(PanelText(kPanelMessage), "REG file tranlated.");
  EXPECT_EQ(pad().regFolder, TestFolder());
  EXPECT_EQ(pad().Rich1.SelStart(), pad().Rich1.TextLength());
  EXPECT_EQ(pad().Rich1.SelLength(), 0);
  // The caret's place is shown even though the caret ends where the text went in.
  const std::string lastLine = "HKLM,\"Software\\Acme\",,0x00010001,ff,ff,00,00";
  EXPECT_EQ(PanelText(kPanelCaret), "Line 6  Col " + std::to_string(lastLine.size()));
  EXPECT_EQ(pad().Rich1.tag, 1);
  EXPECT_TRUE(pad().Rich1.Modified());
  EXPECT_TRUE(boxes->shown.empty());

  // A second import into a text that now ends without a line break, and an empty one.
  pad().fImportReg(WriteReg("empty.reg", "Windows Registry Editor Version 5.00\r\n"));
  const std::string text = pad().Rich1.Text();
  const std::string tail = std::string("00,00\r\n[Added_from_empty.reg]\r\n") + kComment;
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(RegImport, TheOpenDialogStartsInTheRegFolderAndCancelChangesNothing) {
  std::vector<FileDialogRequest> asked;
  std::string answer;
  SetFileDialogHook([&](FileDialogRequest& request) {
    asked.push_back(request);
    EXPECT_EQ(PanelText(kPanelHint), "Open the REG file to import...");
    request.fileName = answer;
    return !answer.empty();
  });
  StartWith("");
  pad().regFolder = "C:\\somewhere\\";
  pad().AffReg();
  EXPECT_EQ(pad().Rich1.Text(), "");
  answer = WriteReg("a.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n\"v\"=\"1\"\r\n");
  pad().AffReg();
  SetFileDialogHook(nullptr);
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].title, "Open the REG file to import...");
  EXPECT_EQ(asked[0].filter, "REG file|*.REG");
  EXPECT_FALSE(asked[0].save);
  EXPECT_EQ(asked[0].initialFolder, "C:\\somewhere\\");
  EXPECT_EQ(pad().Rich1.Text(), std::string("[Added_from_a.reg]\r\n") + kComment + "\r\nHKCU,\"K\",\"v\",,\"1\"\r\n");
  EXPECT_EQ(pad().regFolder, TestFolder());
  EXPECT_EQ(PanelText(kPanelHint), "");
}

TEST_F(RegImport, WideTextFilesAskFirst) {
  const std::string reg = WriteReg(
      "wide.reg", Utf16File(u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\W]\r\n"
                            u"\"Caf\u00e9\"=\"\u00e9t\u00e9\"\r\n\"M\"=hex(7):41,00,00,00,42,00,00,00,00,00\r\n"));
  const std::string mine = "user text\r\n";
  const std::string added = std::string("[Added_from_wide.reg]\r\n") + kComment + "\r\n";

  // Cancel takes back only the two lines just added, and the document's modified flag.
  StartWith(mine);
  boxes->answers = {IDCANCEL};
  pad().fImportReg(reg);
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text, fMessage("REG_UNICODE"));
  EXPECT_EQ(boxes->shown[0].type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONWARNING));
  EXPECT_EQ(pad().Rich1.Text(), mine);
  EXPECT_FALSE(pad().Rich1.Modified());
  EXPECT_EQ(pad().Rich1.tag, 1);
  StartWith("no break at the end");
  boxes->answers = {IDCANCEL};
  pad().fImportReg(reg);
  EXPECT_EQ(pad().Rich1.Text(), "no break at the end");

  // No: the bytes as they are, which hold no REG line.
  StartWith(mine);
  boxes->answers = {IDNO};
  pad().fImportReg(reg);
  EXPECT_EQ(pad().Rich1.Text(), mine + added);

  // Yes: converted through the ANSI code page, characters beyond ASCII included.
  StartWith(mine);
  boxes->answers = {IDYES};
  pad().fImportReg(reg);
  EXPECT_EQ(pad().Rich1.Text(),
            mine + added + "HKCU,\"W\",\"Caf\xE9\",,\"\xE9t\xE9\"\r\nHKCU,\"W\",\"M\",0x00010000,\"A\",\"B\"\r\n");
}

TEST_F(RegImport, EachOverlongLineIsReportedOnce) {
  const std::string longText(600, 'x');
  // A long byte list is continued over several lines instead: no box for it.
  std::string bytes = "00";
  for (int i = 1; i < 300; ++i) bytes += ",7f";
  const std::string reg =
      WriteReg("long.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\L]\r\n\"a\"=\"" + longText +
                               "\"\r\n\"b\"=\"short\"\r\n\"h\"=hex:" + bytes + "\r\n\"c\"=\"" + longText + "\"\r\n");
  StartWith("");
  pad().fImportReg(reg);
  ASSERT_EQ(boxes->shown.size(), 2u);
  for (const PromptRequest& box : boxes->shown) {
    EXPECT_EQ(box.text, "An INF file's line is limited to 511 characters,\rPlease fix it yourself.");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  }
  const std::string text = pad().Rich1.Text();
  EXPECT_NE(text.find(": LINE TOO LONG ERROR: HKCU,\"L\",\"a\",,\"" + longText + "\"\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nHKCU,\"L\",\"b\",,\"short\"\r\nHKCU,\"L\",\"h\",1,00,7f,"), std::string::npos);
  EXPECT_NE(text.find(",7f,\\\r\n7f,"), std::string::npos);
}

TEST_F(RegImport, WithoutAUsableTemporaryFolderNothingIsAdded) {
  char saved[MAX_PATH] = "";
  GetEnvironmentVariableA("TMP", saved, sizeof saved);
  SetEnvironmentVariableA("TMP", "C:\\no such folder\\at all");
  const std::string reg = WriteReg("t.reg", "REGEDIT4\r\n[HKEY_CURRENT_USER\\K]\r\n\"v\"=\"1\"\r\n");
  StartWith("mine");
  pad().fImportReg(reg);
  SetEnvironmentVariableA("TMP", saved[0] ? saved : nullptr);
  EXPECT_EQ(pad().Rich1.Text(), "mine");
  EXPECT_FALSE(pad().Rich1.Modified());
  EXPECT_EQ(PanelText(kPanelMessage), "Unable to find a path for Temporary file.");
  EXPECT_EQ(pad().Rich1.tag, 1);
}

TEST_F(RegImport, AMissingFileIsReportedAndAddsNothing) {
  StartWith("mine");
  pad().fImportReg(TestFolder() + "absent.reg");
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text, fMessage("FILE_OPEN_ABSENT"));
  EXPECT_EQ(pad().Rich1.Text(), "mine");
}

TEST_F(RegImport, MarkedLinesForWhatAddRegCannotDo) {
  const std::string reg = WriteReg("del.reg",
                                   "REGEDIT4\r\n[HKEY_CURRENT_USER\\D]\r\n@=-\r\n\"x\"=-\r\n\"bad\"=dword:xyz\r\n"
                                   "[-HKEY_CURRENT_USER\\D\\Old]\r\n[HKEY_CURRENT_CONFIG\\C]\r\n");
  StartWith("");
  pad().fImportReg(reg);
  EXPECT_EQ(pad().Rich1.Text(), std::string("[Added_from_del.reg]\r\n") + kComment +
                                    "\r\n; ERROR! AddReg cannot delete a default value, delete it yourself: HKCU,\"D\""
                                    "\r\nHKCU,\"D\",\"x\",0x00000004"
                                    "\r\n:ERROR! HKCU,\"D\",\"bad\"=dword:xyz"
                                    "\r\nHKCU,\"D\\Old\",,0x00000004"
                                    "\r\n:ERROR,\"T_CONFIG\\C\",,0x00000010\r\n");
}

}  // namespace
}  // namespace varnock::test
