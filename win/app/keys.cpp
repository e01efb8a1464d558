// Keys of the text control: Insert/overwrite, Tab to blanks, and the keys after which
// the caret's line is recoloured.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "core/app/status_text.h"
#include "core/colour/keystroke_recolour.h"
#include "win/app/form_pad.h"
#include "win/platform/subclass.h"

namespace varnock {

namespace {

// Shift, Ctrl and Alt from one read of the keyboard's state, for the keys they matter
// to: each GetKeyState is a round trip to the server under Wine.
struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

Modifiers ModifiersDown(bool down, WPARAM key) {
  BYTE state[256];
  if (!KeyNeedsModifiers(down, static_cast<unsigned>(key)) || !GetKeyboardState(state)) return {};
  return {(state[VK_SHIFT] & 0x80) != 0, (state[VK_CONTROL] & 0x80) != 0, (state[VK_MENU] & 0x80) != 0};
}

// The lines are found from the caret: no line number is needed, so none is computed.
void Recolour(TFormPad& pad, const KeystrokeSteps& work) {
  if (work.setRecolourPending) pad.recolourPending = true;
  for (int step : work.steps) pad.SetColourCaretLine(step);
}

}  // namespace

void TFormPad::fInterceptKey(WPARAM key, bool shift, bool ctrl, bool alt) {
  if (key == VK_INSERT && !shift && !ctrl && !alt) {
    overwriteMode = !overwriteMode;
    StatusLine.SetText(kPanelInsert, overwriteMode ? "OVR" : "INS");
    StatusLine.SetBevel(kPanelInsert, overwriteMode ? Bevel::Raised : Bevel::Lowered);
    return;
  }
  if (key == VK_TAB) {
    const size_t blanks = TabBlanks(static_cast<size_t>(fGetColNB()));
    Rich1.ReplaceSelection(std::string(blanks, ' '));
    Rich1.Select(Rich1.SelStart(), 0);
    return;
  }
  KeyEvent event{true, static_cast<unsigned>(key), shift, ctrl, alt, Rich1.SelLength() == 0};
  Recolour(*this, RecolourStepsForKey(event, Rich1.tag == 1));
}

void TFormPad::fInterceptUpKey(WPARAM key, bool shift, bool ctrl, bool alt) {
  KeyEvent event{false, static_cast<unsigned>(key), shift, ctrl, alt, Rich1.SelLength() == 0};
  Recolour(*this, RecolourStepsForKey(event, Rich1.tag == 1));
}

LRESULT CALLBACK TFormPad::RichKeyProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* pad = reinterpret_cast<TFormPad*>(data);
  switch (msg) {
    case WM_KEYDOWN: {
      const Modifiers held = ModifiersDown(true, wp);
      pad->fInterceptKey(wp, held.shift, held.ctrl, held.alt);
      // Tab became blanks; the control must not insert its own tab character.
      if (wp == VK_TAB) {
        pad->swallowTabChar_ = true;
        return 0;
      }
      break;
    }
    case WM_KEYUP: {
      const Modifiers held = ModifiersDown(false, wp);
      pad->fInterceptUpKey(wp, held.shift, held.ctrl, held.alt);
      break;
    }
    case WM_CHAR:
      if (wp == '\t' && pad->swallowTabChar_) {
        pad->swallowTabChar_ = false;
        return 0;
      }
      if (pad->overwriteMode && wp >= ' ') pad->SelectCharacterToOverwrite();
      break;
    case WM_CONTEXTMENU: pad->ShowTextPopupMenu(lp); return 0;
  }
  return NextSubclassProc(hwnd, msg, wp, lp);
}

// The control has no overwrite mode of its own under every system: selecting the next
// character lets the typed one replace it. Line ends are never overwritten.
void TFormPad::SelectCharacterToOverwrite() {
  if (Rich1.SelLength() != 0) return;
  const long at = Rich1.SelStart();
  if (at >= Rich1.TextLength()) return;
  Rich1.Select(at, 1);
  const std::string next = Rich1.SelectedText();
  if (next.empty() || next[0] == '\r' || next[0] == '\n') Rich1.Select(at, 0);
}

void TFormPad::ShowTextPopupMenu(LPARAM where) {
  POINT point{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
  if (where == -1) GetCaretPos(&point), ClientToScreen(Rich1.hwnd(), &point);
  HMENU menu = PopupMenu.Build(true);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, point.x, point.y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
}

void TFormPad::HookTextKeys() { Rich1.AddSubclass(RichKeyProc, 1, reinterpret_cast<DWORD_PTR>(this)); }

}  // namespace varnock
