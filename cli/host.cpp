#include "cli/host.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/inftools/windows1252.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace varnock::cli {

namespace {

bool ReadWholeFile(const std::string& path, std::string* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

#ifdef _WIN32
std::string SystemErrorText(DWORD code) {
  char* text = nullptr;
  FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = text ? text : "error " + std::to_string(code);
  if (text) LocalFree(text);
  while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' ')) result.pop_back();
  return result;
}

bool PutInPlace(const std::string& temp, const std::string& path, std::string* error) {
  if (MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
  *error = SystemErrorText(GetLastError());
  return false;
}

std::string UniqueSuffix() { return std::to_string(GetCurrentProcessId()); }

std::string RegistryText(const char* subkey, const char* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) return std::string();
  char value[1024] = "";
  DWORD size = sizeof value - 1;
  DWORD type = 0;
  const bool ok = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
                  (type == REG_SZ || type == REG_EXPAND_SZ);
  RegCloseKey(key);
  if (!ok) return std::string();
  value[size < sizeof value ? size : sizeof value - 1] = '\0';
  return value;
}

int PlatformId() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return VER_PLATFORM_WIN32_NT;
#pragma GCC diagnostic pop
  return static_cast<int>(info.dwPlatformId);
}

// The folders as the editor's menus look them up; an option names its own.
SystemFolders FoldersOfSystem(const FolderOptions& options) {
  FolderOptions filled = options;
  if (filled.platform == 0) filled.platform = PlatformId();
  const char* versionKey = filled.platform == 1 ? "Software\\Microsoft\\Windows\\CurrentVersion"
                                                : "Software\\Microsoft\\Windows NT\\CurrentVersion";
  if (filled.windows.empty()) filled.windows = RegistryText(versionKey, "SystemRoot");
  if (filled.programFiles.empty()) {
    filled.programFiles = RegistryText("Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
  }
  if (filled.boot.empty()) filled.boot = RegistryText("Software\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir");
  return DefaultFolders(filled);
}

RegCodec SystemCodec() {
  RegCodec codec;
  codec.widen = [](const std::string& text, std::u16string* wide) {
    wide->clear();
    if (text.empty()) return true;
    const int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring buffer(static_cast<size_t>(count), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &buffer[0], count);
    wide->assign(buffer.begin(), buffer.end());
    return count > 0;
  };
  codec.narrow = [](const std::u16string& wide, std::string* text) {
    text->clear();
    if (wide.empty()) return true;
    const auto* data = reinterpret_cast<const wchar_t*>(wide.data());
    const int length = static_cast<int>(wide.size());
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    const int count = WideCharToMultiByte(CP_ACP, flags, data, length, nullptr, 0, nullptr, nullptr);
    text->assign(static_cast<size_t>(count > 0 ? count : 0), '\0');
    if (count > 0) {
      WideCharToMultiByte(CP_ACP, flags, data, length, &(*text)[0], count, nullptr, utf8 ? nullptr : &usedDefault);
    }
    return count > 0 && !usedDefault;
  };
  return codec;
}
#else
bool PutInPlace(const std::string& temp, const std::string& path, std::string* error) {
  if (std::rename(temp.c_str(), path.c_str()) == 0) return true;
  *error = std::strerror(errno);
  return false;
}

std::string UniqueSuffix() { return std::to_string(getpid()); }
#endif

}  // namespace

bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error) {
  const std::string temp = path + ".~vk" + UniqueSuffix();
  std::FILE* file = std::fopen(temp.c_str(), "wb");
  if (!file) {
    *error = std::strerror(errno);
    return false;
  }
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  ok = std::fflush(file) == 0 && ok;
  if (!ok) *error = std::strerror(errno);
  ok = std::fclose(file) == 0 && ok;
  if (ok && !PutInPlace(temp, path, error)) ok = false;
  if (!ok) std::remove(temp.c_str());
  if (!ok && error->empty()) *error = "write failed";
  return ok;
}

Host SystemHost() {
  Host host;
  host.readFile = ReadWholeFile;
  host.writeFile = WriteWholeFile;
#ifdef _WIN32
  host.systemFolders = FoldersOfSystem;
  host.codec = SystemCodec();
#else
  host.systemFolders = DefaultFolders;
  host.codec = Windows1252Codec();
#endif
  return host;
}

}  // namespace varnock::cli
