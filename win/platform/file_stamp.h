#pragma once
// What a file was when last read: its time and size. A reader that keeps what it read
// while the stamp stays the same still sees a file changed on disk at its next look-up,
// and meanwhile asks the file system for attributes only (no open, no read, no parse).
#include <windows.h>

#include <string>

namespace varnock {

struct FileStamp {
  bool exists = false;
  FILETIME written{};
  DWORD sizeLow = 0;
  DWORD sizeHigh = 0;
  bool operator==(const FileStamp& o) const {
    return exists == o.exists && CompareFileTime(&written, &o.written) == 0 && sizeLow == o.sizeLow &&
           sizeHigh == o.sizeHigh;
  }
  bool operator!=(const FileStamp& o) const { return !(*this == o); }
};

inline FileStamp StampOf(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return {};
  return {true, data.ftLastWriteTime, data.nFileSizeLow, data.nFileSizeHigh};
}

}  // namespace varnock
