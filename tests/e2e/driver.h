#pragma once
// Starts Varnock.exe as a separate process and finds its windows from outside.
#include <windows.h>

#include <initializer_list>
#include <string>

namespace e2e {

struct Started {
  PROCESS_INFORMATION process{};
  bool ok = false;
};

std::string ExeFolder();
std::string TempFolder();
// Each test runs its own copy of Varnock.exe in a fresh folder (its settings file and
// instance table live beside it); this is the current test's folder.
std::string ProgramFolder();
// Puts the shipped language file beside the current test's copy.
bool CopyLanguageFile();
// Command line: the quoted path of the test's copy, one blank, then argumentText as given.
Started StartVarnock(const std::string& argumentText, bool withArgument = true);
// Starts the program copy in `folder` (its working folder too).
Started StartVarnockIn(const std::string& folder, const std::string& argumentText, bool withArgument = true);
// The main window of that process, waited for up to timeoutMs; nullptr if none.
HWND WaitForMainWindow(const Started& s, DWORD timeoutMs = 15000);
// A visible top-level window of the process with that class (a dialog only when it is a
// message box) and a title starting so, while the process runs; nullptr on time-out or exit.
HWND WaitForTopLevel(const Started& s, const char* className, DWORD timeoutMs = 10000,
                     const std::string& titleStart = "");
std::string WindowTitle(HWND hwnd);
// Waits for the process to end; returns its exit code or -1 on time-out.
long WaitForExit(Started& s, DWORD timeoutMs = 15000);
// Ends the process if still running and releases its handles.
void Finish(Started& s);
bool WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);

// Real key presses through the system's input queue, to the foreground window: the keys
// go down in order and come up in reverse (VK_CONTROL, VK_MENU, 'A' is Ctrl+Alt+A).
void PressKeys(std::initializer_list<WORD> chord);

// A message box of that process, waited for; nullptr if none shows in time.
HWND WaitForMessageBox(const Started& s, DWORD timeoutMs = 10000);
// The text of a message box.
std::string MessageBoxText(HWND box);
// Presses a button of a message box (IDYES, IDNO, IDCANCEL, IDOK).
void PressButton(HWND box, int id);

}  // namespace e2e
