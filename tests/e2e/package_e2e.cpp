// The release zip as a user runs it. tests/e2e/package_test.sh packs it and unpacks it
// into a fresh folder below C:\varnock-package whose name holds a blank and a non-ASCII
// character; these tests start the program from there. They run only through that
// script (the plain e2e run leaves them out).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "tests/e2e/driver.h"

namespace e2e {
namespace {

const std::wstring kParent = L"C:\\varnock-package\\";
const std::wstring kUserFolders = L"C:\\users\\";

std::vector<WIN32_FIND_DATAW> Entries(const std::wstring& folder) {
  std::vector<WIN32_FIND_DATAW> entries;
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring name = data.cFileName;
    if (name != L"." && name != L"..") entries.push_back(data);
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

bool IsFolder(const WIN32_FIND_DATAW& data) { return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Size and time of every file and folder below a folder.
struct Entry {
  ULONGLONG size = 0;
  ULONGLONG written = 0;
  bool operator==(const Entry& other) const { return size == other.size && written == other.written; }
};
using Tree = std::map<std::wstring, Entry>;

void ReadTree(const std::wstring& folder, Tree* tree) {
  for (const WIN32_FIND_DATAW& data : Entries(folder)) {
    const std::wstring path = folder + data.cFileName;
    Entry entry;
    entry.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entry.written =
        (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    // A folder's time changes with its content, which its entries already show.
    if (IsFolder(data)) entry.written = 0;
    (*tree)[path] = entry;
    if (IsFolder(data)) ReadTree(path + L"\\", tree);
  }
}

Tree TreeOf(const std::wstring& folder) {
  Tree tree;
  ReadTree(folder, &tree);
  return tree;
}

std::string Shown(const std::wstring& text) {
  std::string out;
  for (const wchar_t c : text) {
    if (c >= 32 && c < 127) out += static_cast<char>(c);
    else out += "\\u" + std::to_string(static_cast<unsigned>(c));
  }
  return out;
}

// What was added, removed or changed, one path a line.
std::string Changes(const Tree& before, const Tree& after) {
  std::string report;
  for (const auto& [path, entry] : after) {
    const auto found = before.find(path);
    if (found == before.end()) report += "added " + Shown(path) + "\n";
    else if (!(found->second == entry)) report += "changed " + Shown(path) + "\n";
  }
  for (const auto& [path, entry] : before)
    if (!after.count(path)) report += "removed " + Shown(path) + "\n";
  return report;
}

bool WriteWide(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
  CloseHandle(file);
  return ok;
}

// Starts the program as Explorer does for a file, from a working folder elsewhere.
Started StartFrom(const std::wstring& exe, const std::wstring& argument, const std::wstring& workingFolder) {
  Started s;
  std::wstring commandLine = L"\"" + exe + L"\" " + argument;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  s.ok = CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, workingFolder.c_str(),
                        &startup, &s.process) != 0;
  return s;
}

std::wstring WideTitle(HWND hwnd) {
  wchar_t text[1024] = L"";
  GetWindowTextW(hwnd, text, 1024);
  return text;
}

class Package : public ::testing::Test {
 protected:
  void TearDown() override { Finish(run); }
  Started run;
};

TEST_F(Package, RunsFromItsFolderAndKeepsItsSettingsBesideItself) {
  const std::vector<WIN32_FIND_DATAW> unpacked = Entries(kParent);
  ASSERT_EQ(unpacked.size(), 1u) << "tests/e2e/package_test.sh unpacks the zip below " << Shown(kParent);
  const std::wstring name = unpacked[0].cFileName;
  ASSERT_TRUE(IsFolder(unpacked[0]));
  ASSERT_NE(name.find(L' '), std::wstring::npos) << Shown(name);
  ASSERT_TRUE(std::any_of(name.begin(), name.end(), [](wchar_t c) { return c > 127; })) << Shown(name);
  const std::wstring folder = kParent + name + L"\\";
  for (const wchar_t* file : {L"Varnock.exe", L"README.txt", L"LICENSE.txt"}) {
    EXPECT_TRUE(Exists(folder + file)) << Shown(file);
  }
  const std::wstring settings = folder + L"Varnock.ini";
  ASSERT_FALSE(Exists(settings)) << "the zip holds no settings";
  const std::wstring inf = folder + L"my setup.inf";
  ASSERT_TRUE(WriteWide(inf, "[Version]\r\nSignature=\"$Chicago$\"\r\n"));
  const Tree usersBefore = TreeOf(kUserFolders);
  ASSERT_FALSE(usersBefore.empty());

  run = StartFrom(folder + L"Varnock.exe", inf, kParent);
  ASSERT_TRUE(run.ok);
  HWND main = WaitForMainWindow(run);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(Shown(WideTitle(main)), Shown(L"Varnock v2.9.2 - " + inf));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(run), 0);

  // The settings file beside the program, naming the document it opened.
  ASSERT_TRUE(Exists(settings));
  wchar_t recent[1024] = L"";
  GetPrivateProfileStringW(L"OldFiles", L"Old1", L"", recent, 1024, settings.c_str());
  EXPECT_EQ(Shown(recent), Shown(inf));
  // The user's settings, written by the close of the last copy.
  EXPECT_NE(GetPrivateProfileIntW(L"Varnock", L"MenuBar", -1, settings.c_str()), -1);
  // Nothing anywhere else: neither the user folders nor the working folder.
  EXPECT_EQ(Changes(usersBefore, TreeOf(kUserFolders)), "");
  EXPECT_EQ(Entries(kParent).size(), 1u);
}

}  // namespace
}  // namespace e2e
