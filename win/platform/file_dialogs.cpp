#include "win/platform/file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "core/document/save_rules.h"

namespace varnock {

namespace {

FileDialogHook& Hook() {
  static FileDialogHook hook;
  return hook;
}

std::string NulSeparated(const std::string& filter) {
  std::string out = filter;
  for (char& c : out)
    if (c == '|') c = '\0';
  out.append(2, '\0');
  return out;
}

std::string DialogFilePath(HWND dialog) {
  std::vector<char> buffer(32768, '\0');
  SendMessageA(dialog, CDM_GETFILEPATH, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

UINT_PTR CALLBACK DialogHook(HWND hook, UINT msg, WPARAM, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrA(hook, GWLP_USERDATA, reinterpret_cast<OPENFILENAMEA*>(lp)->lCustData);
    return 0;
  }
  if (msg != WM_NOTIFY) return 0;
  auto* notify = reinterpret_cast<OFNOTIFYA*>(lp);
  auto* request = reinterpret_cast<FileDialogRequest*>(GetWindowLongPtrA(hook, GWLP_USERDATA));
  if (!request) return 0;
  if (notify->hdr.code == CDN_TYPECHANGE) {
    request->filterIndex = static_cast<int>(notify->lpOFN->nFilterIndex);
    if (request->typeChanged) request->typeChanged(*request);
  } else if (notify->hdr.code == CDN_FILEOK && request->canClose) {
    const std::string chosen = FinalDialogName(*request, DialogFilePath(GetParent(hook)));
    if (!request->canClose(chosen)) {
      SetWindowLongPtrA(hook, DWLP_MSGRESULT, 1);
      return TRUE;
    }
  }
  return 0;
}

}  // namespace

std::string FinalDialogName(const FileDialogRequest& request, const std::string& typed) {
  return ApplyDefaultExtension(typed, request.defaultExtension);
}

bool RunFileDialog(FileDialogRequest& request) {
  if (Hook()) return Hook()(request);
  const std::string filter = NulSeparated(request.filter);
  // Long names are fine: the buffer is far above MAX_PATH.
  std::vector<char> name(32768, '\0');
  request.fileName.copy(name.data(), name.size() - 1);
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = request.owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrInitialDir = request.initialFolder.empty() ? nullptr : request.initialFolder.c_str();
  ofn.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
  // No lpstrDefExt: the dialog would add the chosen filter's extension, while the
  // default extension here follows its own table and is added by FinalDialogName.
  ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING;
  if (!request.save) ofn.Flags |= OFN_FILEMUSTEXIST;
  ofn.lpfnHook = DialogHook;
  ofn.lCustData = reinterpret_cast<LPARAM>(&request);
  const BOOL ok = request.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
  if (!ok) return false;
  request.filterIndex = static_cast<int>(ofn.nFilterIndex);
  request.fileName = FinalDialogName(request, name.data());
  return true;
}

void SetFileDialogHook(FileDialogHook hook) { Hook() = std::move(hook); }

}  // namespace varnock
