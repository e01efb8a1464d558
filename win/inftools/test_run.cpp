// Testing the document's [DefaultInstall] through a setup library, merging a REG
// document, and finding the setup libraries at start-up.
#include <windows.h>

#include "core/colour/file_extension.h"
#include "core/document/save_rules.h"
#include "core/inftools/test_run.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/inftools/system_folders.h"
#include "win/platform/file_io.h"
#include "win/platform/process.h"
#include "win/platform/prompter.h"

namespace varnock {

namespace {

// A setup may wait on its user, but the editor does not wait for ever.
constexpr DWORD kRunLimitMs = 30 * 60 * 1000;

struct TestLibrary {
  const char* entry;
  const char* file;
  const char* hintPrefix;
  const char* code;
};

const TestLibrary kLibraries[] = {
    {"DLLsetupx", "SETUPX.DLL", "SetupX.dll ", "1"},
    {"DLLsetupapi", "SETUPAPI.DLL", "SetupApi.dll ", "2"},
    {"DLLadvpack", "ADVPACK.DLL", "AdvPack.dll ", "3"},
};

bool CanOpenForReading(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

// Runs `program` with `argument` in `folder` (the current directory meanwhile);
// false with the system's error when it could not be started.
bool RunIn(const std::string& folder, const std::string& program, const std::string& argument, DWORD* error) {
  char previous[MAX_PATH * 4] = {};
  const DWORD kept = GetCurrentDirectoryA(sizeof previous, previous);
  SetCurrentDirectoryA(folder.c_str());
  const ProcessRun run = RunAndWait(program, SpawnCommandLine(program, argument), kRunLimitMs);
  if (kept > 0 && kept < sizeof previous) SetCurrentDirectoryA(previous);
  *error = run.error;
  return run.started;
}

std::string Runner() {
  const std::string inWindows = fGetWinDir() + "\\RUNDLL32.EXE";
  if (FileExists(inWindows)) return inWindows;
  return fGetWinDir() + "\\SYSTEM32\\RUNDLL32.EXE";
}

}  // namespace

void TFormPad::CheckSetupDLL() {
  const std::string system = fGetWinDir() + (fPlatformId() == 1 ? "\\SYSTEM\\" : "\\SYSTEM32\\");
  for (const TestLibrary& library : kLibraries) {
    const std::string path = system + library.file;
    MenuItem* item = Item(library.entry);
    if (!item || !FileExists(path)) continue;
    item->enabled = true;
    item->hint = library.hintPrefix + fGetFileVersion(path, true);
  }
}

void TFormPad::AffOptTestClick(MenuItem& sender) {
  for (const char* name : {"DLLdefault", "DLLsetupx", "DLLsetupapi", "DLLadvpack"})
    if (MenuItem* item = Item(name)) item->checked = item->name == sender.name;
  RefreshMenuBar();
}

bool TFormPad::fSavedForRun() {
  if (saveDialogFileName.empty() || Rich1.Modified()) {
    if (ShowMessage(hwnd_, fMessage("RUN_NOFILE"), MB_YESNO | MB_ICONWARNING) != IDYES) return false;
    FileSave();
  }
  // A save that was cancelled, refused or failed leaves nothing current to run.
  return !saveDialogFileName.empty() && !Rich1.Modified();
}

void TFormPad::fTestInfFile() {
  if (!fSavedForRun()) return;
  std::string code = "5";
  for (const TestLibrary& library : kLibraries)
    if (MenuItem* item = Item(library.entry); item && item->checked) code = library.code;
  fTestInf(saveDialogFileName, code);
}

void TFormPad::AffRegFusClick() {
  if (!fSavedForRun()) return;
  if (Item("AffRegFus")->enabled) fMergeReg(saveDialogFileName);
}

void TFormPad::fTestInf(const std::string& path, const std::string& code) {
  if (path.empty()) return;
  if (UpperCaseExtension(path) != ".INF") {
    ShowMessage(hwnd_, fMessage("RUN_NOT_INF"), MB_OK | MB_ICONERROR);
    return;
  }
  if (!CanOpenForReading(path)) {
    ShowMessage(hwnd_, fMessage("RUN_FILE_NOACCES"), MB_OK | MB_ICONERROR);
    return;
  }
  if (fPlatformId() == 1 && path.find(' ') != std::string::npos &&
      ShowMessage(hwnd_, fMessage("RUN_PATH_SPACES"), MB_YESNO | MB_ICONWARNING) != IDYES)
    return;
  const std::string shortPath = ShortPathOrFull(path);
  if (code == "5") {
    char previous[MAX_PATH * 4] = {};
    const DWORD kept = GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(FolderOf(path).c_str());
    if (ShellVerb("install", shortPath) <= 32) ShowMessage(hwnd_, "Erreur ShellExecute", MB_OK);
    if (kept > 0 && kept < sizeof previous) SetCurrentDirectoryA(previous);
    return;
  }
  const std::string argument = TestRunArgument(code, shortPath);
  if (argument.empty()) return;
  DWORD error = 0;
  if (!RunIn(FolderOf(path), Runner(), argument, &error))
    ShowMessage(hwnd_, fMessage("RUN_SPAWNL_ERROR") + SystemErrorText(error), MB_OK | MB_ICONERROR);
}

void TFormPad::fMergeReg(const std::string& path) {
  if (path.empty()) return;
  if (UpperCaseExtension(path) != ".REG") {
    ShowMessage(hwnd_, fMessage("MERGE_NOT_REG"), MB_OK | MB_ICONERROR);
    return;
  }
  if (!CanOpenForReading(path)) {
    ShowMessage(hwnd_, fMessage("RUN_FILE_NOACCES"), MB_OK | MB_ICONERROR);
    return;
  }
  DWORD error = 0;
  if (!RunIn(FolderOf(path), fGetWinDir() + "\\REGEDIT.EXE", MergeArgument(ShortPathOrFull(path)), &error))
    ShowMessage(hwnd_, fMessage("MERGE_SPAWNL_ERROR") + SystemErrorText(error), MB_OK | MB_ICONERROR);
}

}  // namespace varnock
