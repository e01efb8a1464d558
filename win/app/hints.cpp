// Hints of menu entries and toolbar buttons reach status panel 0.
#include "core/app/hint.h"
#include "win/app/form_pad.h"

namespace varnock {

void TFormPad::DisplayHint(const std::string& hint) { StatusLine.SetText(kPanelHint, LongHint(hint)); }

void TFormPad::OnMenuSelect(WPARAM wp, LPARAM lp) {
  const UINT flags = HIWORD(wp);
  HMENU menu = reinterpret_cast<HMENU>(lp);
  if (flags == 0xFFFF && !menu) {  // the menu closed
    DisplayHint("");
    return;
  }
  MenuItem* item = nullptr;
  for (MenuModel* model : {&MainMenu, &PopupMenu, &PopupMenuTB}) {
    if (flags & MF_POPUP) {
      if (MenuItem* owner = model->FindByHandle(GetSubMenu(menu, LOWORD(wp)))) item = owner;
    } else if (!item) {
      item = model->FindById(LOWORD(wp));
    }
    if (item) break;
  }
  DisplayHint(item ? item->hint : "");
}

void TFormPad::AppActivate() { SetTitle(); }

}  // namespace varnock
