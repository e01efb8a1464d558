#pragma once
// The open and save dialogs, with the can-close check and the type-change handler.
// Tests replace the dialogs with a hook that plays the user.
#include <windows.h>

#include <functional>
#include <string>

namespace varnock {

struct FileDialogRequest {
  HWND owner = nullptr;
  bool save = false;
  std::string title;
  std::string initialFolder;
  std::string fileName;          // in: proposed name; out: the chosen one
  std::string filter;            // "Caption|pattern|Caption|pattern"
  int filterIndex = 1;           // 1-based; out: the chosen type
  std::string defaultExtension;  // appended to a typed name that has none
  // Asked with the final name before the dialog closes; false keeps it open.
  std::function<bool(const std::string& chosen)> canClose;
  // Told the new type's index; may change defaultExtension.
  std::function<void(FileDialogRequest& request)> typeChanged;
};

// Shows the dialog; true when the user confirmed a name (request.fileName).
bool RunFileDialog(FileDialogRequest& request);

// The name the dialog hands back for a typed name: the default extension is added
// only when the name has none.
std::string FinalDialogName(const FileDialogRequest& request, const std::string& typed);

using FileDialogHook = std::function<bool(FileDialogRequest& request)>;
// Tests play the user here; an empty hook restores the real dialogs.
void SetFileDialogHook(FileDialogHook hook);

}  // namespace varnock
