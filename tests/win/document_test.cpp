// Opening, saving and the recent files through the real window.
#include "tests/win/harness.h"

#include <memory>

#include "win/app/application.h"
#include "win/i18n/message.h"
#include "win/platform/file_dialogs.h"
#include "win/platform/file_io.h"
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
  EXPECT_EQ(pad().Rich1.Text(),
            "A\xE9"
            "A");
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

TEST_F(Documents, EmptyFileOpensNamedAndUnmodified) {
  const std::string empty = Write("empty.ini", "");
  pad().fOpenFile(empty);
  EXPECT_EQ(Title(), Prefix() + empty);
  EXPECT_EQ(pad().Rich1.TextLength(), 0);
  pad().fOpenFile(Path("missing.txt"));
  EXPECT_EQ(pad().Rich1.TextLength(), 0);
  EXPECT_TRUE(boxes->shown.empty());
}

// The control would end the text at the first zero byte: the whole file is shown, each
// NUL as a blank, and the user is told once.
TEST_F(Documents, ZeroBytesAreShownAsBlanksWithOneWarning) {
  pad().fOpenFile(Write("zero.inf", std::string("[Version]\r\nA=1\0\0B=2", 19)));
  EXPECT_EQ(pad().Rich1.Text(), "[Version]\r\nA=1  B=2");
  ASSERT_EQ(boxes->shown.size(), 1u);
  EXPECT_EQ(boxes->shown[0].text, fMessage("FILE_NUL_BLANKS"));
  EXPECT_EQ(boxes->shown[0].type, static_cast<UINT>(MB_OK | MB_ICONWARNING));
  EXPECT_FALSE(pad().Rich1.Modified());

  std::string noise(30000, '\0');
  unsigned seed = 14;
  for (char& c : noise) {
    seed = seed * 1103515245u + 12345u;
    c = static_cast<char>(seed >> 16);
    if (c == '\r' || c == '\n') c = '\0';  // line breaks aside, every byte shows as it is
  }
  noise[10] = '\0';
  boxes->shown.clear();
  pad().fOpenFile(Write("noise.reg", noise));
  std::string expected = noise;
  for (char& c : expected) c = c == '\0' ? ' ' : c;
  EXPECT_EQ(pad().Rich1.TextLength(), 30000);
  EXPECT_TRUE(pad().Rich1.Text() == expected);
  EXPECT_EQ(boxes->shown.size(), 1u);

  boxes->shown.clear();
  boxes->answers = {IDNO};  // UTF-16 converted: its terminating zero is no NUL of the text
  pad().fOpenFile(Write("wide.txt", std::string("\xFF\xFE"
                                                "a\0b\0\0\0",
                                                8)));
  EXPECT_EQ(pad().Rich1.Text(), "ab");
  EXPECT_EQ(boxes->shown.size(), 1u);  // the UTF-16 question only
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
  } cases[] = {{1, "one", "one.INF"},   {2, "two", "two.REG"}, {3, "three", "three.INI"},
               {4, "four", "four.TXT"}, {5, "five", "five"},   {6, "six", "six"}};
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

// Save faults: whatever goes wrong, the file on disk keeps every byte it had, no
// temporary file is left beside it, the document stays modified, the error box names
// the file and gives the system's text, and Save As to another place then works.
class SaveFaults : public Documents {
 protected:
  void TearDown() override {
    SetWriteFaultHook(nullptr);
    Documents::TearDown();
  }
  static std::string SystemText(DWORD code) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = text ? text : "";
    if (text) LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
      result.pop_back();
    return result;
  }
  std::vector<std::string> FolderFiles() {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((TestFolder() + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }
  // Opens `name` holding `original` and changes its text.
  std::string OpenChanged(const std::string& name, const std::string& original) {
    const std::string file = Write(name, original);
    pad().fOpenFile(file);
    pad().Rich1.ReplaceSelection("changed ");
    before_ = FolderFiles();
    boxes->shown.clear();
    return file;
  }
  // The failed save's box: the file named, the system's text after it.
  void ExpectRefused(const std::string& target, DWORD code) {
    ASSERT_FALSE(boxes->shown.empty());
    const PromptRequest& box = boxes->shown.back();
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONERROR));
    const std::string named = fMessage("ERROR_STRING") + " : " + target + "\r";
    ASSERT_EQ(box.text.substr(0, named.size()), named);
    const std::string systemText = box.text.substr(named.size());
    EXPECT_FALSE(systemText.empty());
    if (code) EXPECT_EQ(systemText, SystemText(code));
    EXPECT_TRUE(pad().Rich1.Modified());
    EXPECT_EQ(FolderFiles(), before_);
  }
  void ExpectSaveAsElsewhereWorks() {
    const std::string text = pad().Rich1.Text();
    dialogs.answer = Path("elsewhere.inf");
    pad().FileSaveAs();
    EXPECT_EQ(ReadTextFile(Path("elsewhere.inf")), text);
    EXPECT_FALSE(pad().Rich1.Modified());
    DeleteFileA(Path("elsewhere.inf").c_str());
  }
  std::vector<std::string> before_;
};

TEST_F(SaveFaults, DiskFullInTheMiddleOfTheWrite) {
  const std::string original = "[Version]\r\n" + std::string(40000, 'o');
  const std::string file = OpenChanged("full.inf", original);
  std::size_t asked = 0;
  SetWriteFaultHook([&](const std::string& path, std::size_t) -> unsigned long {
    ++asked;
    return path == file ? ERROR_DISK_FULL : 0;
  });
  pad().FileSave();
  EXPECT_EQ(asked, 1u);
  ExpectRefused(file, ERROR_DISK_FULL);
  EXPECT_TRUE(ReadTextFile(file) == original);
  SetWriteFaultHook(nullptr);
  ExpectSaveAsElsewhereWorks();
}

TEST_F(SaveFaults, FileHeldOpenWithoutSharingWhileSaving) {
  const std::string file = OpenChanged("held.inf", "held bytes");
  std::unique_ptr<WriteLock> holder;
  // Someone opens the file without sharing just as the text is being written.
  SetWriteFaultHook([&](const std::string&, std::size_t) -> unsigned long {
    holder = std::make_unique<WriteLock>(file);
    return 0;
  });
  pad().FileSave();
  ASSERT_TRUE(holder && holder->handle != INVALID_HANDLE_VALUE);
  ExpectRefused(file, 0);
  holder.reset();
  EXPECT_EQ(ReadTextFile(file), "held bytes");
  SetWriteFaultHook(nullptr);
  ExpectSaveAsElsewhereWorks();
}

TEST_F(SaveFaults, ReadOnlyFile) {
  const std::string file = OpenChanged("ro.inf", "read only");
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
  pad().FileSave();
  ExpectRefused(file, ERROR_ACCESS_DENIED);
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadTextFile(file), "read only");
  ExpectSaveAsElsewhereWorks();
}

// Wine runs as the root user here, whom a read-only folder does not stop: the refusal
// the system gives there comes through the seam.
TEST_F(SaveFaults, ReadOnlyFolder) {
  const std::string file = OpenChanged("rofolder.inf", "folder bytes");
  SetWriteFaultHook([](const std::string&, std::size_t) -> unsigned long { return ERROR_ACCESS_DENIED; });
  pad().FileSave();
  ExpectRefused(file, ERROR_ACCESS_DENIED);
  EXPECT_EQ(ReadTextFile(file), "folder bytes");
  SetWriteFaultHook(nullptr);
  ExpectSaveAsElsewhereWorks();
}

TEST_F(SaveFaults, VanishedFolderAndTooLongName) {
  const std::string folder = Path("gone");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string file = folder + "\\doc.inf";
  WriteTextFile(file, "gone");
  pad().fOpenFile(file);
  pad().Rich1.ReplaceSelection("changed ");
  DeleteFileA(file.c_str());
  RemoveDirectoryA(folder.c_str());
  before_ = FolderFiles();
  boxes->shown.clear();
  // Save finds no file to write over and asks for a name; the same one fails.
  dialogs.answer = file;
  pad().FileSave();
  ASSERT_FALSE(dialogs.requests.empty());
  ExpectRefused(file, ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);

  const std::string tooLong = Path(std::string(300, 'n') + ".inf");
  dialogs.answer = tooLong;
  boxes->shown.clear();
  pad().FileSaveAs();
  ExpectRefused(tooLong, 0);
  ExpectSaveAsElsewhereWorks();
}

// The recent-files write goes through the system's profile functions: a settings file
// held open without sharing makes it fail at once, and the file keeps its bytes.
TEST_F(SaveFaults, RecentFilesWriteToAHeldSettingsFileNeitherHangsNorCorrupts) {
  const std::string settings = SettingsFile();
  const std::string original = "[OldFiles]\r\nOld1=C:\\a.inf\r\n";
  WriteTextFile(settings, original);
  {
    WriteLock lock(settings);
    pad().fAddOldFile("C:\\b.inf");
  }
  EXPECT_EQ(ReadTextFile(settings), original);
}

}  // namespace
}  // namespace varnock::test
