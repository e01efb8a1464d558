// Save and Save As, with the size and UTF-16 questions and the dialog's checks.
#include <windows.h>

#include "core/document/save_rules.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/file_dialogs.h"
#include "win/platform/file_io.h"
#include "win/platform/prompter.h"

namespace varnock {

namespace {

// Writes the text; on failure says so and leaves the document modified.
bool WriteDocument(TFormPad& pad, const std::string& fileName) {
  std::string error;
  if (WriteFileSafely(fileName, pad.Rich1.Text(), &error)) return true;
  ShowMessage(pad.hwnd(), fMessage("ERROR_STRING") + " : " + fileName + "\r" + error, MB_OK | MB_ICONERROR);
  return false;
}

}  // namespace

void TFormPad::FileSave() {
  Rich1.tag = 0;
  if (saveDialogFileName.empty() || !CanOpenReadWrite(saveDialogFileName)) {
    FileSaveAs();
    Rich1.tag = 1;
    return;
  }
  const std::string text = Rich1.Text();
  const bool refused = (NeedsSizeQuestion(saveDialogFileName, text) &&
                        ShowMessage(hwnd_, fMessage("FILE_SAVED_BIG"), MB_YESNO | MB_ICONQUESTION) != IDYES) ||
                       (wasUnicode && ShowMessage(hwnd_, fMessage("WAS_UNICODE"), MB_YESNO | MB_ICONQUESTION) != IDYES);
  if (!refused && WriteDocument(*this, saveDialogFileName)) {
    Rich1.SetModified(false);
    SetTitle();
    ShowTimedStatus(fMessage("FILE_IS_SAVED"));
  }
  Rich1.tag = 1;
}

void TFormPad::FileSaveAs() {
  Rich1.tag = 0;
  FileDialogRequest request;
  request.owner = hwnd_;
  request.save = true;
  request.title = fMessage("SAVEDIAG_TITLE");
  request.initialFolder = documentFolder;
  request.fileName = saveDialogFileName;
  request.filter = saveDialogFilter;
  request.filterIndex = saveDialogFilterIndex;
  request.defaultExtension = saveDialogDefaultExt;
  request.canClose = [this](const std::string& chosen) { return fCanOVR(chosen); };
  request.typeChanged = [this](FileDialogRequest& r) {
    SavingExt(r.filterIndex);
    r.defaultExtension = saveDialogDefaultExt;
  };
  if (!RunFileDialog(request)) {
    saveDialogFileName = openDialogFileName;
    Rich1.tag = 1;
    return;
  }
  saveDialogFilterIndex = request.filterIndex;
  saveDialogFileName = request.fileName;
  const bool refused = NeedsSizeQuestion(request.fileName, Rich1.Text()) &&
                       ShowMessage(hwnd_, fMessage("FILE_SAVED_BIG"), MB_YESNO | MB_ICONQUESTION) != IDYES;
  if (!refused && WriteDocument(*this, request.fileName)) {
    documentFolder = FolderOf(request.fileName);
    openDialogFileName = request.fileName;
    Rich1.SetModified(false);
    SetTitle();
    ShowTimedStatus(fMessage("FILE_IS_SAVED"));
    fAddOldFile(request.fileName);
  } else if (!refused) {
    // The file was not written: the document keeps the name it had.
    saveDialogFileName = openDialogFileName;
  }
  Rich1.tag = 1;
}

bool TFormPad::fCanOVR(const std::string& chosen) {
  if (!FileExists(chosen)) return true;
  if (!CanOpenReadWrite(chosen)) {
    ShowMessage(hwnd_, fMessage("FILE_READONLY"), MB_OK | MB_ICONERROR);
    return false;
  }
  return ShowMessage(hwnd_, fMessage("FILE_OVR"), MB_YESNO | MB_ICONWARNING) == IDYES;
}

void TFormPad::SavingExt(int filterIndex) { saveDialogDefaultExt = DefaultExtensionForFilter(filterIndex); }

}  // namespace varnock
