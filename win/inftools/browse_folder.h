#pragma once
// The system's folder browser, behind a seam tests can script.
#include <windows.h>

#include <functional>
#include <string>

namespace varnock {

// Shows the folder browser (file-system folders only) titled `title`; true and the
// folder's path when one was chosen, false and an empty path otherwise.
bool fBrowseFolder(HWND owner, const std::string& title, std::string* path);

// Tests play the user here; an empty browser restores the real one.
using FolderBrowser = std::function<bool(HWND owner, const std::string& title, std::string* path)>;
void SetFolderBrowser(FolderBrowser browser);

}  // namespace varnock
