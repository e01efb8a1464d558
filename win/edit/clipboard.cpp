// Undo and the clipboard commands of the edit menu, the toolbar and the pop-up menu.
#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::EditUndo() {
  if (Rich1.CanUndo()) Rich1.Undo();
  else UndoWholeTextLoad(*this);
}

void TFormPad::EditCut() { SendMessageA(Rich1.hwnd(), WM_CUT, 0, 0); }

void TFormPad::EditCopy() { SendMessageA(Rich1.hwnd(), WM_COPY, 0, 0); }

void TFormPad::EditPaste() {
  SendMessageA(Rich1.hwnd(), WM_PASTE, 0, 0);
  // The pasted text may hold several lines: the next selection change recolours.
  recolourPending = true;
}

void TFormPad::EditDelete() { SendMessageA(Rich1.hwnd(), WM_CLEAR, 0, 0); }

}  // namespace varnock
