// Entries exported from the program file for other programs: each starts this program
// with its switch and waits for it (at most 10 s). Loaded as a library, an executable
// gets no imports bound, so these find kernel32's functions themselves through the
// loader's module list and call nothing else: no C library, no global state.
#include <windows.h>

#include <winternl.h>

namespace {

using CreateProcessFn = BOOL(WINAPI*)(LPCSTR, LPSTR, LPSECURITY_ATTRIBUTES, LPSECURITY_ATTRIBUTES, BOOL, DWORD, LPVOID,
                                      LPCSTR, LPSTARTUPINFOA, LPPROCESS_INFORMATION);
using WaitFn = DWORD(WINAPI*)(HANDLE, DWORD);
using CloseFn = BOOL(WINAPI*)(HANDLE);
using ModuleFileNameFn = DWORD(WINAPI*)(HMODULE, LPSTR, DWORD);

constexpr DWORD kWaitMs = 10000;

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The loaded module whose base name is `name` (ASCII, any case, ".dll" included).
BYTE* FindModule(const char* name, int nameLength) {
  const PEB* peb = reinterpret_cast<const PEB*>(__readgsqword(0x60));
  LIST_ENTRY* head = &peb->Ldr->InMemoryOrderModuleList;
  for (LIST_ENTRY* link = head->Flink; link != head; link = link->Flink) {
    auto* entry = CONTAINING_RECORD(link, LDR_DATA_TABLE_ENTRY, InMemoryOrderLinks);
    // The full name follows the documented fields; its last part is the base name.
    const UNICODE_STRING* full = &entry->FullDllName;
    const int length = full->Length / 2;
    int start = length;
    while (start > 0 && full->Buffer[start - 1] != L'\\' && full->Buffer[start - 1] != L'/') --start;
    if (length - start != nameLength) continue;
    bool same = true;
    for (int i = 0; i < nameLength && same; ++i)
      same = full->Buffer[start + i] < 128 && Lower(static_cast<char>(full->Buffer[start + i])) == Lower(name[i]);
    if (same) return static_cast<BYTE*>(entry->DllBase);
  }
  return nullptr;
}

// The module holding this code. Loaded as a library the program file may sit elsewhere
// than its preferred base with absolute addresses not adjusted, so it is found from
// the current instruction address (relative) in the loader's module list.
BYTE* ThisModule() {
  BYTE* here = nullptr;
  asm volatile("lea 0(%%rip), %0" : "=r"(here));
  const PEB* peb = reinterpret_cast<const PEB*>(__readgsqword(0x60));
  LIST_ENTRY* head = &peb->Ldr->InMemoryOrderModuleList;
  for (LIST_ENTRY* link = head->Flink; link != head; link = link->Flink) {
    auto* entry = CONTAINING_RECORD(link, LDR_DATA_TABLE_ENTRY, InMemoryOrderLinks);
    BYTE* base = static_cast<BYTE*>(entry->DllBase);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (here >= base && here < base + nt->OptionalHeader.SizeOfImage) return base;
  }
  return nullptr;
}

bool SameText(const char* a, const char* b, int length) {
  for (int i = 0; i < length; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

int Length(const char* text) {
  int n = 0;
  while (text[n]) ++n;
  return n;
}

// An exported function of a module, following a forward to another loaded module once.
void* FindExport(BYTE* base, const char* function, int depth = 0) {
  if (!base || depth > 2) return nullptr;
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (dir.VirtualAddress == 0) return nullptr;
  auto* exports = reinterpret_cast<IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
  auto* names = reinterpret_cast<DWORD*>(base + exports->AddressOfNames);
  auto* ordinals = reinterpret_cast<WORD*>(base + exports->AddressOfNameOrdinals);
  auto* functions = reinterpret_cast<DWORD*>(base + exports->AddressOfFunctions);
  const int wanted = Length(function);
  for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
    const char* name = reinterpret_cast<const char*>(base + names[i]);
    if (Length(name) != wanted || !SameText(name, function, wanted)) continue;
    const DWORD rva = functions[ordinals[i]];
    if (rva < dir.VirtualAddress || rva >= dir.VirtualAddress + dir.Size) return base + rva;
    // A forward: "module.Function".
    const char* forward = reinterpret_cast<const char*>(base + rva);
    int dot = 0;
    while (forward[dot] && forward[dot] != '.') ++dot;
    if (!forward[dot] || dot > 60) return nullptr;
    char module[68];
    for (int k = 0; k < dot; ++k) module[k] = forward[k];
    module[dot] = '.';
    module[dot + 1] = 'd';
    module[dot + 2] = 'l';
    module[dot + 3] = 'l';
    return FindExport(FindModule(module, dot + 4), forward + dot + 1, depth + 1);
  }
  return nullptr;
}

void* Kernel32(const char* function) {
  void* found = FindExport(FindModule("kernel32.dll", 12), function);
  return found ? found : FindExport(FindModule("kernelbase.dll", 14), function);
}

void Fill(void* memory, int size) {
  volatile BYTE* bytes = static_cast<volatile BYTE*>(memory);
  for (int i = 0; i < size; ++i) bytes[i] = 0;
}

// Runs this program file with `switchText` ("/W1") and waits for it to end.
void RunWithSwitch(const char* switchText) {
  auto createProcess = reinterpret_cast<CreateProcessFn>(Kernel32("CreateProcessA"));
  auto wait = reinterpret_cast<WaitFn>(Kernel32("WaitForSingleObject"));
  auto close = reinterpret_cast<CloseFn>(Kernel32("CloseHandle"));
  auto moduleFileName = reinterpret_cast<ModuleFileNameFn>(Kernel32("GetModuleFileNameA"));
  BYTE* self = ThisModule();
  if (!createProcess || !wait || !close || !moduleFileName || !self) return;
  char path[MAX_PATH + 1];
  const DWORD length = moduleFileName(reinterpret_cast<HMODULE>(self), path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return;
  path[length] = 0;
  // "<path>" <switch>, and the program's folder as working folder.
  char commandLine[MAX_PATH + 16];
  char folder[MAX_PATH + 1];
  int n = 0;
  commandLine[n++] = '"';
  for (DWORD i = 0; i < length; ++i) commandLine[n++] = path[i];
  commandLine[n++] = '"';
  commandLine[n++] = ' ';
  for (int i = 0; switchText[i]; ++i) commandLine[n++] = switchText[i];
  commandLine[n] = 0;
  int slash = static_cast<int>(length);
  while (slash > 0 && path[slash - 1] != '\\') --slash;
  for (int i = 0; i < slash; ++i) folder[i] = path[i];
  folder[slash] = 0;
  STARTUPINFOA startup;
  Fill(&startup, sizeof startup);
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  Fill(&process, sizeof process);
  if (!createProcess(path, commandLine, nullptr, nullptr, FALSE, 0, nullptr, slash > 0 ? folder : nullptr, &startup,
                     &process))
    return;
  wait(process.hProcess, kWaitMs);
  close(process.hThread);
  close(process.hProcess);
}

}  // namespace

extern "C" {
__declspec(dllexport) void ExternTileVInstance() { RunWithSwitch("/W1"); }
__declspec(dllexport) void ExternTileHInstance() { RunWithSwitch("/W2"); }
__declspec(dllexport) void ExternCascadeInstance() { RunWithSwitch("/W3"); }
__declspec(dllexport) void UninstallVarnock() { RunWithSwitch("/U"); }
}
