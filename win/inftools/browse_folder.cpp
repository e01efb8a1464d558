#include "win/inftools/browse_folder.h"

#include <shlobj.h>

namespace varnock {

namespace {

FolderBrowser& Browser() {
  static FolderBrowser browser;
  return browser;
}

bool SystemBrowseFolder(HWND owner, const std::string& title, std::string* path) {
  path->clear();
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
  if (!chosen) return false;
  char buffer[MAX_PATH] = {};
  const bool ok = SHGetPathFromIDListA(chosen, buffer) != FALSE;
  CoTaskMemFree(chosen);
  if (ok) *path = buffer;
  return ok && !path->empty();
}

}  // namespace

bool fBrowseFolder(HWND owner, const std::string& title, std::string* path) {
  if (Browser()) return Browser()(owner, title, path);
  return SystemBrowseFolder(owner, title, path);
}

void SetFolderBrowser(FolderBrowser browser) { Browser() = std::move(browser); }

}  // namespace varnock
