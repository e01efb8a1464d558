#include <gtest/gtest.h>

#include "tests/win/harness.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "win/app/application.h"

namespace varnock::test {

void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (ms) Sleep(5);
  } while (GetTickCount() - start < ms);
}

std::string TestFolder() {
  static std::string folder = [] {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string path = std::string(temp) + "varnock-win-tests\\";
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
  }();
  return folder;
}

void WriteTextFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::string ReadTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

ScriptedBoxes::ScriptedBoxes() {
  SetPrompter([this](const PromptRequest& request) {
    shown.push_back(request);
    if (getenv("VARNOCK_SHOW_BOXES")) fprintf(stderr, "[box] %s\n", request.text.c_str());
    if (answers.empty()) return IDOK;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  });
}

ScriptedBoxes::~ScriptedBoxes() { SetPrompter(nullptr); }

namespace {
void EmptyFolder(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      const std::string path = folder + data.cFileName;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
  } while (FindNextFileA(find, &data));
  FindClose(find);
}
}  // namespace

void FormTest::SetUp() {
  EmptyFolder(TestFolder());
  App().programFolder = TestFolder();
  boxes = std::make_unique<ScriptedBoxes>();
  Restart();
}

void FormTest::Restart(const std::string& commandLine) {
  if (forms) {
    forms->pad.Rich1.SetModified(false);
    forms.reset();
    Pump();
  }
  App().commandLine = commandLine;
  forms = std::make_unique<Forms>();
  ASSERT_TRUE(forms->Create(SW_SHOW));
  Pump(50);
}

void FormTest::TearDown() {
  if (forms) forms->pad.Rich1.SetModified(false);
  forms.reset();
  Pump();
  boxes.reset();
}

std::string FormTest::Title() const {
  char text[2048] = "";
  GetWindowTextA(forms->pad.hwnd(), text, sizeof text);
  return text;
}

std::string FormTest::PanelText(int index) const {
  char text[1024] = "";
  SendMessageA(forms->pad.StatusLine.hwnd(), SB_GETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  return text;
}

}  // namespace varnock::test
