// The open dialog, its read-only check, and files dropped from Explorer.
#include <windows.h>

#include <shellapi.h>

#include "core/colour/file_extension.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/file_dialogs.h"
#include "win/platform/file_io.h"
#include "win/platform/prompter.h"

namespace varnock {

bool TFormPad::fOpenOVR(const std::string& chosen) {
  if (CanOpenReadWrite(chosen)) return true;
  return ShowMessage(hwnd_, fMessage("FILE_OPEN_RO"), MB_YESNO | MB_ICONWARNING) == IDYES;
}

void TFormPad::FileOpen() {
  if (!fCheckUnsaved()) {
    Rich1.tag = 1;
    return;
  }
  FileDialogRequest request;
  request.owner = hwnd_;
  request.title = fMessage("FILE_OPEN");
  request.initialFolder = documentFolder;
  request.fileName = openDialogFileName;
  request.filter = openDialogFilter;
  request.defaultExtension = "";  // opening never invents a name
  request.canClose = [this](const std::string& chosen) { return fOpenOVR(chosen); };
  if (RunFileDialog(request)) fOpenFile(request.fileName);
  else openDialogFileName = saveDialogFileName;
}

void TFormPad::AppMessage(HDROP drop) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  if (count >= 2) {
    DragFinish(drop);
    ShowMessage(hwnd_, fMessage("DRAG_MULTI"), MB_OK | MB_ICONERROR);
    return;
  }
  // Names of any length: ask for the length first.
  std::string name(DragQueryFileA(drop, 0, nullptr, 0) + 1, '\0');
  name.resize(DragQueryFileA(drop, 0, &name[0], static_cast<UINT>(name.size())));
  DragFinish(drop);
  FileOpenFromDD(name);
}

void TFormPad::FileOpenFromDD(const std::string& fileName) {
  SetForegroundWindow(hwnd_);
  SetFocus(hwnd_);
  if (UpperCaseExtension(fileName) == ".REG" && UpperCaseExtension(saveDialogFileName) == ".INF") {
    const int answer = ShowMessage(hwnd_, fMessage("DROP_REG"), MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return;
    if (answer == IDYES && FileExists(fileName)) {
      fImportDroppedReg(fileName);
      return;
    }
  }
  if (!fCheckUnsaved()) return;
  if (!CanOpenReadWrite(fileName) && ShowMessage(hwnd_, fMessage("FILE_OPEN_RO"), MB_YESNO | MB_ICONWARNING) != IDYES)
    return;
  Rich1.tag = 0;
  fOpenFile(fileName);
  Rich1.tag = 1;
}

}  // namespace varnock
