// Word wrap: the control, its scroll bars, the menu checks and status panel 2 follow it.
#include <richedit.h>

#include "win/app/form_pad.h"

namespace varnock {

namespace {
constexpr const char* kWrapOnText = "WRAP";
constexpr const char* kWrapOffText = "- - -";
}  // namespace

void TFormPad::EditWWrap() {
  wordWrap = !wordWrap;
  Rich1.SetWordWrap(wordWrap);
  // Wrapped lines never reach past the right edge: only the vertical bar stays.
  Rich1.ShowHorizontalScrollBar(!wordWrap);
  if (MenuItem* item = Item("EditWrapItem")) item->checked = wordWrap;
  if (MenuItem* item = PopupMenu.Find("PopWrap")) item->checked = wordWrap;
  RefreshMenuBar();
  SetWrapButtonImage(wordWrap);
  StatusLine.SetText(kPanelWrap, wordWrap ? kWrapOnText : kWrapOffText);
  StatusLine.SetBevel(kPanelWrap, wordWrap ? Bevel::Lowered : Bevel::Raised);
}

}  // namespace varnock
