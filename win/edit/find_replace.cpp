// Showing the find and replace dialogs, Find Next, and the dialogs' notifications.
#include <windows.h>

#include <commdlg.h>

#include "core/edit/search_commands.h"
#include "win/app/form_pad.h"

namespace varnock {

namespace {

// Where the dialogs go: beside the right edge of the text, just under the title bar.
DialogPosition PlaceFor(TFormPad& pad, DialogPosition (*place)(int, int, int)) {
  RECT window{};
  RECT control{};
  GetWindowRect(pad.hwnd(), &window);
  GetWindowRect(pad.Rich1.hwnd(), &control);
  return place(control.right - control.left, window.left, window.top);
}

// Opening one dialog hands its search text to the other one.
void OpenSearchDialog(TFormPad& pad, TFormPad::SearchDialog& shown, TFormPad::SearchDialog& other, DialogPosition at) {
  if (shown.Show(pad.hwnd(), at.x, at.y)) other.SetSearchText(shown.SearchText());
}

}  // namespace

void TFormPad::FindFind() { OpenSearchDialog(*this, FindDialog, ReplaceDialog, PlaceFor(*this, FindDialogPlace)); }

void TFormPad::FindReplace() {
  OpenSearchDialog(*this, ReplaceDialog, FindDialog, PlaceFor(*this, ReplaceDialogPlace));
}

void TFormPad::FindNext() {
  if (FindDialog.SearchText().empty()) {
    OpenSearchDialog(*this, FindDialog, ReplaceDialog, PlaceFor(*this, FindNextDialogPlace));
    return;
  }
  FindDialogFind();
}

void TFormPad::FindDialogClose() { StatusLine.SetText(kPanelHint, ""); }

bool TFormPad::PreTranslateMessage(MSG& msg) {
  for (SearchDialog* dialog : {&FindDialog, &ReplaceDialog}) {
    if (dialog->IsOpen() && IsDialogMessageA(dialog->hwnd(), &msg)) return true;
  }
  return false;
}

UINT TFormPad::FindReplaceMessage() {
  static const UINT message = RegisterWindowMessageA(FINDMSGSTRINGA);
  return message;
}

LRESULT TFormPad::OnFindReplaceMessage(LPARAM request) {
  const bool find = FindDialog.Sent(request);
  if (!find && !ReplaceDialog.Sent(request)) return 0;
  // The direction flag is not to be trusted (it is dropped with the hidden buttons):
  // every search runs forward.
  const DWORD flags = reinterpret_cast<const FINDREPLACEA*>(request)->Flags;
  if (flags & FR_DIALOGTERM) {
    (find ? FindDialog : ReplaceDialog).Closing();
    if (find) FindDialogClose();
  } else if (flags & FR_FINDNEXT) {
    if (find) FindDialogFind();
    else ReplaceDialogFind();
  } else if (flags & (FR_REPLACE | FR_REPLACEALL)) {
    ReplaceDialogReplace();
  }
  return 0;
}

}  // namespace varnock
