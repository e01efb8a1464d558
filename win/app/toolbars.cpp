// The two toolbars: creation, place in the window, messages, pop-up menu and mode.
#include "win/app/display_scale.h"
#include "win/app/form_pad.h"
#include "win/app/toolbar_layout.h"

namespace varnock {

void TFormPad::CreateToolBars() {
  ToolBar.Create(hwnd_, ToolBarMetricsAt(true, dpi));
  ToolBarSmall.Create(hwnd_, ToolBarMetricsAt(false, dpi));
  for (const ToolButtonLayout& button : ToolBarLayout()) {
    if (button.IsSeparator()) {
      ToolBar.AddSeparator(button.name);
      ToolBarSmall.AddSeparator(button.smallName);
      continue;
    }
    // The entry is looked up at each click, so handlers bound later are the ones run.
    const std::string runs = button.runs;
    auto run = [this, runs] {
      if (MenuItem* item = Item(runs); item && item->onClick) item->onClick(*item);
    };
    ToolBar.AddButton(button.name, button.image, "", run);
    ToolBarSmall.AddButton(button.smallName, button.image, "", run);
  }
  CopyToolButtonHints();
  for (ToolBarControl* bar : {&ToolBar, &ToolBarSmall}) {
    bar->onHint = [this](const std::string& hint) { DisplayHint(hint); };
    bar->onRightClick = [this](POINT point) { ShowToolBarPopupMenu(point); };
  }
}

void TFormPad::CopyToolButtonHints() {
  for (const ToolButtonLayout& button : ToolBarLayout()) {
    if (button.IsSeparator()) continue;
    const MenuItem* source = Item(button.hintFrom);
    const std::string hint = source ? source->hint : std::string();
    ToolBar.SetHint(button.name, hint);
    ToolBarSmall.SetHint(button.smallName, hint);
  }
}

int TFormPad::LayoutToolBars() {
  for (ToolBarControl* bar : {&ToolBar, &ToolBarSmall})
    if (bar->hwnd() && bar->Visible()) return bar->AutoSize();
  return 0;
}

void TFormPad::ShowToolBars(bool large, bool small) {
  ToolBar.Show(large);
  ToolBarSmall.Show(small);
  Layout();
}

bool TFormPad::OnToolBarCommand(HWND from, UINT id) {
  return ToolBar.HandleCommand(from, id) || ToolBarSmall.HandleCommand(from, id);
}

bool TFormPad::OnToolBarNotify(NMHDR* header, LRESULT& result) {
  return ToolBar.HandleNotify(header, &result) || ToolBarSmall.HandleNotify(header, &result);
}

void TFormPad::ShowToolBarPopupMenu(POINT screenPoint) {
  HMENU menu = PopupMenuTB.Build(true);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, hwnd_, nullptr);
  DestroyMenu(menu);
  PopupMenuTB.root().handle = nullptr;
}

void TFormPad::ApplyToolbarMode(int mode) {
  const bool shown = mode == 1 || mode == 2;
  for (MenuItem* item : {Item("AffToolBarItem"), PopupMenuTB.Find("Toolbar1")})
    if (item) item->checked = shown;
  for (MenuItem* item : {Item("AffSmallItem"), PopupMenuTB.Find("Smallicons1")}) {
    if (!item) continue;
    item->enabled = shown;
    item->checked = mode == 2;
  }
  RefreshMenuBar();
  ShowToolBars(mode == 1, mode == 2);
}

int TFormPad::ToolbarMode() const {
  if (ToolBarSmall.Visible()) return 2;
  if (ToolBar.Visible()) return 1;
  return 0;
}

}  // namespace varnock
