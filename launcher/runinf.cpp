// RunInf: installs the INF file found in its current directory through the setup
// library, after asking. Its texts sit in fixed-size fields that the editor patches in a
// copy of this program's image (see core/launcher/launcher_fields.h).
#include <windows.h>

#include "core/launcher/launcher_fields.h"

// Not const and not static: they stay in the image's data exactly as initialised.
char g_question[RUNINF_QUESTION_SIZE] = RUNINF_QUESTION_TEXT;
char g_pattern[RUNINF_PATTERN_SIZE] = RUNINF_PATTERN_TEXT;
char g_notFound[RUNINF_NOT_FOUND_SIZE] = RUNINF_NOT_FOUND_TEXT;

namespace {

const char kCaption[] = "RunInf";
const char kCommand[] = "RUNDLL32.EXE setupapi.dll,InstallHinfSection DefaultInstall 132 ";

// A growing text on the process heap: any folder and name up to the system's limits.
class Text {
 public:
  ~Text() {
    if (data_) HeapFree(GetProcessHeap(), 0, data_);
  }
  bool Append(const char* text, size_t length) {
    if (!Reserve(size_ + length + 1)) return false;
    CopyMemory(data_ + size_, text, length);
    size_ += length;
    data_[size_] = '\0';
    return true;
  }
  bool Append(const char* text) { return Append(text, static_cast<size_t>(lstrlenA(text))); }
  const char* c_str() const { return data_ ? data_ : ""; }

 private:
  bool Reserve(size_t capacity) {
    if (capacity <= capacity_) return true;
    void* grown = data_ ? HeapReAlloc(GetProcessHeap(), 0, data_, capacity) : HeapAlloc(GetProcessHeap(), 0, capacity);
    if (!grown) return false;
    data_ = static_cast<char*>(grown);
    capacity_ = capacity;
    return true;
  }
  char* data_ = nullptr;
  size_t size_ = 0;
  size_t capacity_ = 0;
};

bool CurrentDirectory(Text& out) {
  const DWORD needed = GetCurrentDirectoryA(0, nullptr);
  if (needed == 0) return false;
  char* buffer = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, needed));
  if (!buffer) return false;
  const DWORD length = GetCurrentDirectoryA(needed, buffer);
  const bool ok = length > 0 && length < needed && out.Append(buffer, length);
  HeapFree(GetProcessHeap(), 0, buffer);
  return ok;
}

// The separator between the folder and a name; none after a drive root ("C:\").
const char* Separator(const char* folder) {
  const int length = lstrlenA(folder);
  return length > 0 && folder[length - 1] == '\\' ? "" : "\\";
}

size_t NameStemLength(const char* name) {
  size_t n = 0;
  while (name[n] && name[n] != '.') ++n;
  return n;
}

int Run() {
  Text folder;
  if (!CurrentDirectory(folder)) return 1;
  Text search;
  if (!search.Append(folder.c_str()) || !search.Append(Separator(folder.c_str())) || !search.Append(g_pattern))
    return 1;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(search.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) {
    MessageBoxA(nullptr, g_notFound, "Error Message", MB_OK | MB_ICONERROR);
    return 1;
  }
  FindClose(find);
  Text command, question;
  if (!command.Append(kCommand) || !command.Append(folder.c_str()) || !command.Append(Separator(folder.c_str())) ||
      !command.Append(found.cFileName))
    return 1;
  if (!question.Append(g_question) || !question.Append(found.cFileName, NameStemLength(found.cFileName)) ||
      !question.Append(" ?"))
    return 1;
  if (MessageBoxA(nullptr, question.c_str(), kCaption, MB_YESNO | MB_ICONQUESTION) == IDYES)
    WinExec(command.c_str(), SW_HIDE);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return Run(); }
