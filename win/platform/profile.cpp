#include "win/platform/profile.h"

#include <windows.h>

namespace varnock {

namespace {

// Calls a profile reader with a growing buffer until the answer fits.
template <typename Reader>
std::string ReadGrowing(Reader read, DWORD listSlack) {
  for (DWORD size = 4096;; size *= 2) {
    std::string buffer(size, '\0');
    const DWORD got = read(&buffer[0], size);
    if (got + listSlack < size || size >= (1u << 28)) {
      buffer.resize(got);
      return buffer;
    }
  }
}

std::vector<std::string> SplitDoubleNul(const std::string& list) {
  std::vector<std::string> items;
  std::string::size_type start = 0;
  while (start < list.size()) {
    std::string::size_type end = list.find('\0', start);
    if (end == std::string::npos) end = list.size();
    if (end > start) items.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

std::string TrimmedBlanks(const std::string& text) {
  const std::string::size_type begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return std::string();
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

}  // namespace

std::string ProfileRead(const std::string& file, const std::string& section, const std::string& key,
                        const std::string& fallback) {
  return ReadGrowing(
      [&](char* buf, DWORD size) {
        return GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buf, size, file.c_str());
      },
      1);
}

bool ProfileWrite(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

bool ProfileDeleteKey(const std::string& file, const std::string& section, const std::string& key) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), nullptr, file.c_str()) != 0;
}

bool ProfileKeyExists(const std::string& file, const std::string& section, const std::string& key) {
  // Two different defaults tell a missing key from one whose value equals a default.
  return ProfileRead(file, section, key, "\x01") != "\x01" || ProfileRead(file, section, key, "\x02") != "\x02";
}

std::vector<std::string> ProfileSections(const std::string& file) {
  return SplitDoubleNul(
      ReadGrowing([&](char* buf, DWORD size) { return GetPrivateProfileSectionNamesA(buf, size, file.c_str()); }, 2));
}

std::vector<std::string> ProfileKeys(const std::string& file, const std::string& section) {
  return SplitDoubleNul(ReadGrowing(
      [&](char* buf, DWORD size) {
        return GetPrivateProfileStringA(section.c_str(), nullptr, "", buf, size, file.c_str());
      },
      2));
}

bool ProfileWriteFile(const std::string& file, const std::string& text) {
  HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok =
      WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
  // The profile functions trust their cached copy of a file only once its time is two
  // seconds old; until then every call reads and parses the whole file again. Dating
  // the fresh file a few seconds back keeps its read-back to one parse.
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  ULARGE_INTEGER time{};
  time.LowPart = now.dwLowDateTime;
  time.HighPart = now.dwHighDateTime;
  time.QuadPart -= 3ull * 10000000ull;
  const FILETIME earlier{time.LowPart, time.HighPart};
  SetFileTime(handle, nullptr, nullptr, &earlier);
  ok = CloseHandle(handle) && ok;
  if (!ok) DeleteFileA(file.c_str());
  return ok;
}

std::vector<std::pair<std::string, std::string>> ProfileSectionEntries(const std::string& file,
                                                                       const std::string& section) {
  std::vector<std::pair<std::string, std::string>> entries;
  const std::vector<std::string> lines = SplitDoubleNul(ReadGrowing(
      [&](char* buf, DWORD size) { return GetPrivateProfileSectionA(section.c_str(), buf, size, file.c_str()); }, 2));
  for (const std::string& line : lines) {
    const std::string::size_type equals = line.find('=');
    if (equals == std::string::npos) entries.emplace_back(TrimmedBlanks(line), std::string());
    else entries.emplace_back(TrimmedBlanks(line.substr(0, equals)), TrimmedBlanks(line.substr(equals + 1)));
  }
  return entries;
}

bool ProfileEraseSection(const std::string& file, const std::string& section) {
  return WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str()) != 0;
}

}  // namespace varnock
