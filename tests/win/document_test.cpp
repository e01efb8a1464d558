// Opening, saving and the recent files through the real window.
#include "tests/win/harness.h"

#include "win/app/application.h"
#include "win/i18n/message.h"
#include "win/platform/file_dialogs.h"
#include "win/platform/profile.h"
#include "win/settings/settings_file.h"

namespace varnock::test {
namespace {

// Plays the user in the open and save dialogs.
struct ScriptedDialogs {
  ScriptedDialogs() {
    SetFileDialogHook([this](FileDialogRequest& request) {
      requests.push_back(request);
      if (typeIndex) {
        request.filterIndex = typeIndex;
        if (request.typeChanged) request.typeChanged(request);
      }
      if (answer.empty()) return false;
      const std::string chosen = FinalDialogName(request, answer);
      if (request.canClose && !request.canClose(chosen)) return false;
      request.fileName = chosen;
      return true;
    });
  }
  ~ScriptedDialogs() { SetFileDialogHook(nullptr); }
  std::string answer;  // empty: Cancel
  int typeIndex = 0;
  std::vector<FileDialogRequest> requests;
};

// Keeps a file open for reading only, so nobody can open it for writing (the
// read-only attribute alone does not stop the root user Wine runs as here).
struct WriteLock {
  explicit WriteLock(const std::string& path)
      : handle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~WriteLock() { Release(); }
  void Release() {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
  }
  HANDLE handle;
};

class Documents : public FormTest {
 protected:
  std::string LastBox() { return boxes->shown.empty() ? "(no box)" : boxes->shown.back().text; }
  std::string Path(const std::string& name) { return TestFolder() + name; }
  std::string Write(const std::string& name, const std::string& bytes) {
    WriteTextFile(Path(name), bytes);
    return Path(name);
  }
  std::string Prefix() { return "Varnock v2.9.2 - "; }
  ScriptedDialogs dialogs;
};

TEST_F(Documents, EightBitLimitAtItsExactBoundary) {
  const std::string fits = Write("fits.txt", std::string(65534, 'a'));
  pad().fOpenFile(fits);
  EXPECT_EQ(pad().Rich1.TextLength(), 65534);
  EXPECT_EQ(Title(), Prefix() + fits);
  EXPECT_FALSE(pad().Rich1.Modified());
  const std::string big = Write("big.txt", std::string(65535, 'b'));
  boxes->answers = {IDNO};
  pad().fOpenFile(big);
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text, fMessage("FILE_VARNOCK_BIG"));
  EXPECT_EQ(boxes->shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
  EXPECT_EQ(Title(), Prefix() + fits);  // refused: the document is unchanged
  EXPECT_EQ(pad().Rich1.TextLength(), 65534);
  EXPECT_EQ(pad().documentFolder, TestFolder());
}

TEST_F(Documents, Utf16IsOfferedBelowItsLimitAndConvertedToLowBytes) {
  std::string wide = "\xFF\xFE";
  wide += std::string("A\0\xE9\0\x41\x01", 6);
  const std::string small = Write("wide.inf", wide);
  boxes->answers = {IDCANCEL};
  pad().fOpenFile(small);
  EXPECT_EQ(LastBox(), fMessage("FILE_VARNOCK_UNICODE"));
  EXPECT_EQ(boxes->shown.back().type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONWARNING));
  EXPECT_EQ(Title(), Prefix());
  boxes->answers = {IDNO};
  pad().fOpenFile(small);
  EXPECT_EQ(pad().Rich1.Text(), "A\xE9" "A");
  EXPECT_TRUE(pad().wasUnicode);
  EXPECT_EQ(Title(), Prefix() + small);

  std::string atLimit = "\xFF\xFE" + std::string(131066, 'x');  // 131,068 bytes
  boxes->answers = {IDCANCEL};
  pad().fOpenFile(Write("limit.txt", atLimit));
  EXPECT_EQ(LastBox(), fMessage("FILE_VARNOCK_UNICODE"));
  boxes->answers = {IDNO};
  pad().fOpenFile(Write("over.txt", atLimit + "xx"));  // 131,070 bytes
  EXPECT_EQ(LastBox(), fMessage("FILE_VARNOCK_BIG"));
  EXPECT_EQ(Title(), Prefix() + small);
}

TEST_F(Documents, EmptyFileOpensNamedAndUnmodifiedAndZeroBytesEndTheText) {
  const std::string empty = Write("empty.ini", "");
  pad().fOpenFile(empty);
  EXPECT_EQ(Title(), Prefix() + empty);
  EXPECT_EQ(pad().Rich1.TextLength(), 0);
  pad().fOpenFile(Write("zero.txt", std::string("ab\r\ncd\0ef", 9)));
  EXPECT_EQ(pad().Rich1.Text(), "ab\r\ncd");
  pad().fOpenFile(Path("missing.txt"));
  EXPECT_EQ(pad().Rich1.Text(), "ab\r\ncd");
  EXPECT_TRUE(boxes->shown.empty());
}

TEST_F(Documents, UnsavedQuestionOnNewWithEachAnswer) {
  const std::string file = Write("a.inf", "[Version]\r\n");
  pad().fOpenFile(file);
  pad().Rich1.ReplaceSelection("x");
  boxes->answers = {IDCANCEL};
  pad().FileNew();
  EXPECT_EQ(Title(), Prefix() + file + " (modified)");
  boxes->answers = {IDNO};
  pad().FileNew();
  EXPECT_EQ(Title(), Prefix());
  EXPECT_EQ(ReadTextFile(file), "[Version]\r\n");
  pad().Rich1.ReplaceSelection("new text");
  EXPECT_EQ(Title(), Prefix() + " (not saved)");
  dialogs.answer = Path("saved.inf");
  boxes->answers = {IDYES};
  pad().FileNew();  // Yes saves through Save As, then starts the new text
  EXPECT_EQ(ReadTextFile(Path("saved.inf")), "new text");
  EXPECT_EQ(Title(), Prefix());
}

TEST_F(Documents, OpenDialogCancelKeepsTheDocumentAndReadOnlyAsks) {
  const std::string file = Write("keep.inf", "k");
  pad().fOpenFile(file);
  pad().FileOpen();  // cancelled
  EXPECT_EQ(Title(), Prefix() + file);
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].title, "Open a new file...");
  EXPECT_EQ(dialogs.requests[0].initialFolder, TestFolder());
  const std::string locked = Write("locked.inf", "ro");
  WriteLock lock(locked);
  dialogs.answer = locked;
  boxes->answers = {IDNO};
  pad().FileOpen();
  EXPECT_EQ(LastBox(), fMessage("FILE_OPEN_RO"));
  EXPECT_EQ(Title(), Prefix() + file);
  boxes->answers = {IDYES};
  pad().FileOpen();
  EXPECT_EQ(Title(), Prefix() + locked);
}

TEST_F(Documents, SaveWritesTheExactTextAndSaysSo) {
  const std::string file = Write("s.inf", "old");
  pad().fOpenFile(file);
  pad().Rich1.SetText("[Version]\r\nSignature=\"$Chicago$\"\r\n\xDB\xB0");
  pad().Rich1.SetModified(true);
  pad().FileSave();
  EXPECT_EQ(ReadTextFile(file), "[Version]\r\nSignature=\"$Chicago$\"\r\n\xDB\xB0");
  EXPECT_FALSE(pad().Rich1.Modified());
  EXPECT_EQ(PanelText(kPanelMessage), "File saved.");
  EXPECT_EQ(Title(), Prefix() + file);
}

TEST_F(Documents, FailedSaveKeepsTheFileAndTheModifiedState) {
  const std::string file = Write("guard.inf", "original");
  pad().fOpenFile(file);
  pad().Rich1.ReplaceSelection("changed ");
  // The target became a read-only file after opening: Save falls through to Save As,
  // whose dialog refuses it; the file stays as it was.
  WriteLock lock(file);
  dialogs.answer = file;
  pad().FileSave();
  EXPECT_EQ(LastBox(), fMessage("FILE_READONLY"));
  lock.Release();
  EXPECT_EQ(ReadTextFile(file), "original");
  EXPECT_TRUE(pad().Rich1.Modified());
  // A folder that vanished: the write fails, an error box says so.
  dialogs.answer = TestFolder() + "gone\\x.inf";
  pad().FileSaveAs();
  EXPECT_EQ(boxes->shown.back().type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_TRUE(pad().Rich1.Modified());
  EXPECT_EQ(Title(), Prefix() + file + " (modified)");
}

TEST_F(Documents, SizeAndUnicodeQuestionsOnSave) {
  const std::string file = Write("long.inf", "x");
  pad().fOpenFile(file);
  pad().Rich1.SetText(std::string(65536, 'a'));
  pad().Rich1.SetModified(true);
  boxes->shown.clear();
  boxes->answers = {IDOK, IDNO};  // the FILE_BIG warning of the title, then No
  pad().FileSave();
  EXPECT_EQ(LastBox(), fMessage("FILE_SAVED_BIG"));
  EXPECT_EQ(ReadTextFile(file), "x");
  EXPECT_TRUE(pad().Rich1.Modified());

  std::string wide = "\xFF\xFE";
  wide += std::string("h\0i\0", 4);
  const std::string converted = Write("was.txt", wide);
  boxes->answers = {IDNO};
  pad().fOpenFile(converted);
  pad().Rich1.SetModified(true);
  boxes->answers = {IDNO};
  pad().FileSave();
  EXPECT_EQ(LastBox(), fMessage("WAS_UNICODE"));
  EXPECT_EQ(ReadTextFile(converted), wide);
  boxes->answers = {IDYES};
  pad().FileSave();
  EXPECT_EQ(ReadTextFile(converted), "hi");
  EXPECT_TRUE(pad().wasUnicode);  // every later Save asks again
}

TEST_F(Documents, DefaultExtensionPerChosenType) {
  pad().Rich1.SetText("t");
  const struct {
    int type;
    const char* typed;
    const char* written;
  } cases[] = {{1, "one", "one.INF"}, {2, "two", "two.REG"}, {3, "three", "three.INI"},
               {4, "four", "four.TXT"}, {5, "five", "five"}, {6, "six", "six"}};
  for (const auto& c : cases) {
    dialogs.typeIndex = c.type;
    dialogs.answer = Path(c.typed);
    pad().FileSaveAs();
    EXPECT_EQ(ReadTextFile(Path(c.written)), "t") << c.type;
    EXPECT_EQ(pad().saveDialogFileName, Path(c.written));
  }
}

TEST_F(Documents, OverwriteQuestionInTheSaveDialog) {
  const std::string existing = Write("exists.inf", "before");
  pad().Rich1.SetText("after");
  dialogs.answer = existing;
  boxes->answers = {IDNO};
  pad().FileSaveAs();
  EXPECT_EQ(LastBox(), fMessage("FILE_OVR"));
  EXPECT_EQ(ReadTextFile(existing), "before");
  boxes->answers = {IDYES};
  pad().FileSaveAs();
  EXPECT_EQ(ReadTextFile(existing), "after");
}

TEST_F(Documents, RecentFilesShiftAndAreSharedThroughTheSettingsFile) {
  const std::string a = Write("a.inf", "a"), b = Write("b.inf", "b");
  pad().fOpenFile(a);
  pad().fOpenFile(b);
  pad().fOpenFile(a);
  EXPECT_EQ(ProfileRead(SettingsFile(), "OldFiles", "Old1", ""), a);
  EXPECT_EQ(ProfileRead(SettingsFile(), "OldFiles", "Old2", ""), b);
  EXPECT_EQ(ProfileRead(SettingsFile(), "OldFiles", "Old3", ""), a);
  EXPECT_FALSE(ProfileKeyExists(SettingsFile(), "OldFiles", "Old4"));
  // Another copy adds a file: this copy's File menu shows it the next time it opens.
  ProfileWrite(SettingsFile(), "OldFiles", "Old4", Path("other.inf"));
  pad().FileMenuClick();
  EXPECT_TRUE(pad().Item("OldN")->visible);
  EXPECT_EQ(pad().Item("Old1")->caption, "&1 - a.inf");
  EXPECT_EQ(pad().Item("Old1")->hint, a);
  EXPECT_EQ(pad().Item("Old4")->caption, "&4 - other.inf");
  // A missing file is reported and stays listed.
  pad().OldClick(*pad().Item("Old4"));
  EXPECT_EQ(LastBox(), fMessage("FILE_OPEN_ABSENT"));
  EXPECT_EQ(ProfileRead(SettingsFile(), "OldFiles", "Old4", ""), Path("other.inf"));
  pad().OldClick(*pad().Item("Old2"));
  EXPECT_EQ(Title(), Prefix() + b);
}

TEST_F(Documents, DropOfAREGFileOnAnINFDocumentAsksFirst) {
  const std::string inf = Write("d.inf", "[Version]");
  const std::string reg = Write("d.reg", "REGEDIT4");
  pad().fOpenFile(inf);
  boxes->answers = {IDCANCEL};
  pad().FileOpenFromDD(reg);
  EXPECT_EQ(LastBox(), fMessage("DROP_REG"));
  EXPECT_EQ(Title(), Prefix() + inf);
  boxes->answers = {IDNO};
  pad().FileOpenFromDD(reg);
  EXPECT_EQ(Title(), Prefix() + reg);
  boxes->shown.clear();
  const std::string ini = Write("d.ini", "[a]");
  pad().FileOpenFromDD(ini);
  pad().FileOpenFromDD(reg);  // on an INI document: no question
  EXPECT_TRUE(boxes->shown.empty());
  EXPECT_EQ(Title(), Prefix() + reg);
}

}  // namespace
}  // namespace varnock::test
