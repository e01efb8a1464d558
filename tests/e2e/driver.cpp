#include "tests/e2e/driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

namespace e2e {

std::string ExeFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\') + 1);
}

std::string TempFolder() {
  char path[MAX_PATH];
  GetTempPathA(MAX_PATH, path);
  return path;
}

namespace {

std::string currentFolder;

void EmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const std::string path = folder + data.cFileName;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  } while (FindNextFileA(find, &data));
  FindClose(find);
}

// Gives every test a fresh folder with its own copy of the program.
class FreshCopyPerTest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo& test) override {
    const std::string root = TempFolder() + "varnock-e2e\\";
    CreateDirectoryA(root.c_str(), nullptr);
    currentFolder = root + test.test_suite_name() + "." + test.name() + "\\";
    for (char& c : currentFolder)
      if (c == '/') c = '_';  // parameterised names
    CreateDirectoryA(currentFolder.c_str(), nullptr);
    EmptyFolder(currentFolder);
    CopyFileA((ExeFolder() + "Varnock.exe").c_str(), (currentFolder + "Varnock.exe").c_str(), FALSE);
  }
};

const bool kListening = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new FreshCopyPerTest);
  return true;
}();

}  // namespace

std::string ProgramFolder() { return currentFolder.empty() ? ExeFolder() : currentFolder; }

bool CopyLanguageFile() {
  return CopyFileA((ExeFolder() + "VarnockLng.ini").c_str(), (ProgramFolder() + "VarnockLng.ini").c_str(), FALSE) != 0;
}

Started StartVarnock(const std::string& argumentText, bool withArgument) {
  return StartVarnockIn(ProgramFolder(), argumentText, withArgument);
}

Started StartVarnockIn(const std::string& folder, const std::string& argumentText, bool withArgument) {
  Started s;
  std::string commandLine = "\"" + folder + "Varnock.exe\"";
  if (withArgument) commandLine += " " + argumentText;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  s.ok = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &s.process) != 0;
  return s;
}

namespace {

// A visible top-level window of the process with the given class.
struct Search {
  DWORD pid;
  const char* className;
  std::string titleStart;
  HWND found;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  char cls[64] = "";
  GetClassNameA(hwnd, cls, sizeof cls);
  if (pid != search->pid || std::string(cls) != search->className || !IsWindowVisible(hwnd)) return TRUE;
  // A dialog counts only when it is a message box (it has the text static).
  if (std::string(cls) == "#32770" && !GetDlgItem(hwnd, 0xFFFF)) return TRUE;
  if (WindowTitle(hwnd).rfind(search->titleStart, 0) != 0) return TRUE;
  search->found = hwnd;
  return FALSE;
}

}  // namespace

HWND WaitForTopLevel(const Started& s, const char* className, DWORD timeoutMs, const std::string& titleStart) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    Search search{s.process.dwProcessId, className, titleStart, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    if (WaitForSingleObject(s.process.hProcess, 50) == WAIT_OBJECT_0) return nullptr;
  }
  return nullptr;
}

HWND WaitForMainWindow(const Started& s, DWORD timeoutMs) {
  HWND found = WaitForTopLevel(s, "TFormPad", timeoutMs);
  // The title is set while the window is built; give the first paint a moment.
  if (found) Sleep(200);
  return found;
}

std::string WindowTitle(HWND hwnd) {
  char text[1024] = "";
  GetWindowTextA(hwnd, text, sizeof text);
  return text;
}

long WaitForExit(Started& s, DWORD timeoutMs) {
  if (WaitForSingleObject(s.process.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(s.process.hProcess, &code);
  return static_cast<long>(code);
}

void Finish(Started& s) {
  if (!s.ok) return;
  if (WaitForSingleObject(s.process.hProcess, 0) != WAIT_OBJECT_0) {
    TerminateProcess(s.process.hProcess, 1);
    WaitForSingleObject(s.process.hProcess, 5000);
  }
  CloseHandle(s.process.hProcess);
  CloseHandle(s.process.hThread);
  s.ok = false;
}

HWND WaitForMessageBox(const Started& s, DWORD timeoutMs) { return WaitForTopLevel(s, "#32770", timeoutMs); }

std::string MessageBoxText(HWND box) {
  char text[2048] = "";
  GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
  return text;
}

void PressButton(HWND box, int id) { PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
  return static_cast<bool>(out);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void PressKeys(std::initializer_list<WORD> chord) {
  std::vector<INPUT> inputs;
  for (WORD key : chord) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = chord.end(); key != chord.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(300);
}

}  // namespace e2e
