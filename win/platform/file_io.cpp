#include "win/platform/file_io.h"

#include <windows.h>

#include "core/document/save_rules.h"

namespace varnock {

namespace {

std::string SystemErrorText(DWORD code) {
  char* text = nullptr;
  FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = text ? text : "error " + std::to_string(code);
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' ')) result.pop_back();
  return result;
}

WriteFaultHook& FaultHook() {
  static WriteFaultHook hook;
  return hook;
}

// Writes half of the piece, then reports the injected error.
bool WriteHalfAndFail(HANDLE file, const char* data, DWORD chunk, DWORD code) {
  DWORD written = 0;
  WriteFile(file, data, chunk / 2, &written, nullptr);
  SetLastError(code);
  return false;
}

bool WriteAll(HANDLE file, const std::string& path, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
    if (FaultHook()) {
      if (const DWORD code = FaultHook()(path, done)) return WriteHalfAndFail(file, bytes.data() + done, chunk, code);
    }
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) return false;
    done += written;
  }
  return FlushFileBuffers(file) != 0;
}

}  // namespace

ReadResult ReadWholeFile(const std::string& path, std::string* bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ReadResult::CannotOpen;
  LARGE_INTEGER size{};
  ReadResult result = ReadResult::Ok;
  if (!GetFileSizeEx(file, &size) || size.QuadPart > (1ll << 30)) {
    result = ReadResult::ReadFailed;
  } else {
    bytes->assign(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (done < bytes->size()) {
      DWORD got = 0;
      const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes->size() - done, 1 << 20));
      if (!ReadFile(file, &(*bytes)[done], want, &got, nullptr) || got == 0) break;
      done += got;
    }
    bytes->resize(done);
  }
  CloseHandle(file);
  return result;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CanOpenReadWrite(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

void SetWriteFaultHook(WriteFaultHook hook) { FaultHook() = std::move(hook); }

bool WriteFileSafely(const std::string& path, const std::string& bytes, std::string* error) {
  const std::string folder = FolderOf(path).empty() ? ".\\" : FolderOf(path);
  char unique[MAX_PATH + 16];
  std::string temp;
  if (folder.size() < MAX_PATH - 14 && GetTempFileNameA(folder.c_str(), "~vk", 0, unique)) temp = unique;
  else temp = path + ".~vk" + std::to_string(GetCurrentProcessId());
  HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  bool ok = file != INVALID_HANDLE_VALUE && WriteAll(file, path, bytes);
  DWORD code = GetLastError();
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  if (ok) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
      ok = false;
      code = ERROR_ACCESS_DENIED;
    } else {
      ok = MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
      code = GetLastError();
    }
  }
  if (!ok) {
    DeleteFileA(temp.c_str());
    *error = SystemErrorText(code);
  }
  return ok;
}

}  // namespace varnock
