// Loading a file into the editor, with the size limits and the UTF-16 question.
#include <windows.h>

#include <shellapi.h>

#include "core/document/load_rules.h"
#include "core/document/save_rules.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/platform/file_io.h"
#include "win/platform/prompter.h"

namespace varnock {

namespace {

// Hands a too-big or unwanted file to its default program; the window closes then.
void HandOver(TFormPad& pad, const std::string& fileName) {
  if (!TFormPad::fOpenByAssociation(fileName)) return;
  if (IsWindowVisible(pad.hwnd())) pad.Close();
  else pad.closeOnFirstPaint = true;
}

}  // namespace

bool TFormPad::fOpenByAssociation(const std::string& fileName) {
  const std::string verb = AssociationVerb(fileName);
  const std::string folder = FolderOf(fileName);
  const HINSTANCE result = ShellExecuteA(nullptr, verb.c_str(), fileName.c_str(), nullptr,
                                         folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

void TFormPad::fOpenFile(const std::string& fileName) {
  Rich1.tag = 0;
  documentFolder = FolderOf(fileName);
  std::string raw;
  if (ReadWholeFile(fileName, &raw) != ReadResult::Ok) {
    Rich1.tag = 1;
    return;
  }
  ControlText text;
  bool fromUnicode = false;
  switch (ClassifyFile(raw.size(), raw.substr(0, 2))) {
    case LoadKind::TooBig8Bit:
    case LoadKind::TooBigUtf16:
      if (ShowMessage(hwnd_, fMessage("FILE_VARNOCK_BIG"), MB_YESNO | MB_ICONWARNING) == IDYES)
        HandOver(*this, fileName);
      Rich1.tag = 1;
      return;
    case LoadKind::Utf16: {
      const int answer = ShowMessage(hwnd_, fMessage("FILE_VARNOCK_UNICODE"), MB_YESNOCANCEL | MB_ICONWARNING);
      if (answer != IDNO) {
        if (answer == IDYES) HandOver(*this, fileName);
        Rich1.tag = 1;
        return;
      }
      text = Utf16ControlText(raw);
      fromUnicode = true;
      break;
    }
    case LoadKind::EightBit: text = EightBitControlText(raw); break;
  }
  wasUnicode = fromUnicode;
  // The name first: the colours follow the extension.
  saveDialogFileName = fileName;
  openDialogFileName = fileName;
  if (fontMode == 3) {
    // The font check reloads the text in the font it chooses, coloured.
    Rich1.SetText(text.text);
    Rich1.Select(0, 0);
    AfterDocumentChange();
  } else {
    fLoadColouredText(text.text);
    Rich1.Select(0, 0);
    AfterDocumentLoad();
  }
  fAddOldFile(fileName);
  // The text differs from the file where it held zero bytes: say so, once.
  if (text.blankedNuls > 0) ShowMessage(hwnd_, fMessage("FILE_NUL_BLANKS"), MB_OK | MB_ICONWARNING);
  ShowTimedStatus(fMessage("FILE_NEW"));
  Rich1.tag = 1;
}

void TFormPad::AfterDocumentChange() {
  if (fontMode == 3) FontCheck();
  else SetColour();
  AfterDocumentLoad();
}

void TFormPad::AfterDocumentLoad() {
  fDelStrings();
  Rich1.EmptyUndo();
  wholeTextUndo.reset();
  Rich1.SetModified(false);
  SetTitle();
}

void TFormPad::FileNew() {
  if (!fCheckUnsaved()) {
    Rich1.tag = 1;
    return;
  }
  Rich1.tag = 0;
  Rich1.SetText("");
  saveDialogFileName.clear();
  openDialogFileName.clear();
  wasUnicode = false;
  AfterDocumentChange();
  Rich1.tag = 1;
  ShowTimedStatus(fMessage("FILE_NEW"));
}

bool TFormPad::fCheckUnsaved() {
  if (!Rich1.Modified()) return true;
  const int answer = ShowMessage(hwnd_, fMessage("FILE_SAVING"), MB_YESNOCANCEL | MB_ICONWARNING);
  if (answer == IDCANCEL) return false;
  if (answer == IDYES) FileSave();
  return true;
}

}  // namespace varnock
