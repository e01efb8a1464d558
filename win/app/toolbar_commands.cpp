// The toolbar entries of the Options menu and of the toolbars' pop-up menu.
#include "win/app/form_pad.h"
#include "win/app/toolbar_layout.h"

namespace varnock {

namespace {

bool Checked(const MenuItem* item) { return item && item->checked; }

// Toggles the clicked entry and gives its twin in the other menu the same check.
bool ToggleTwins(MenuItem& sender, MenuItem* first, MenuItem* second) {
  sender.checked = !sender.checked;
  for (MenuItem* item : {first, second})
    if (item) item->checked = sender.checked;
  return sender.checked;
}

}  // namespace

void TFormPad::BindToolbarCommands() {
  for (int i = 1; i <= 15; ++i)
    if (MenuItem* item = Item("TB" + std::to_string(i))) item->onClick = [this](MenuItem& sender) { TBClick(sender); };
  for (MenuItem* item : {Item("AffToolBarItem"), PopupMenuTB.Find("Toolbar1")})
    if (item) item->onClick = [this](MenuItem& sender) { AffToolBar(sender); };
  for (MenuItem* item : {Item("AffSmallItem"), PopupMenuTB.Find("Smallicons1")})
    if (item) item->onClick = [this](MenuItem& sender) { AffTBSmall(sender); };
}

void TFormPad::RepaintToolBars() {
  for (const ToolButtonLayout& button : ToolBarLayout()) {
    bool visible = false;
    if (button.IsSeparator()) {
      for (const char* entry : button.shownBy) visible = visible || Checked(Item(entry));
    } else {
      visible = Checked(Item(button.entry));
    }
    ToolBar.SetButtonVisible(button.name, visible);
    ToolBarSmall.SetButtonVisible(button.smallName, visible);
  }
  ToolBar.Repaint();
  ToolBarSmall.Repaint();
}

void TFormPad::AffToolBar(MenuItem& sender) {
  const bool on = ToggleTwins(sender, Item("AffToolBarItem"), PopupMenuTB.Find("Toolbar1"));
  for (MenuItem* item : {Item("AffSmallItem"), PopupMenuTB.Find("Smallicons1")})
    if (item) item->enabled = on;
  RefreshMenuBar();
  const bool small = Checked(Item("AffSmallItem"));
  ShowToolBars(on && !small, on && small);
}

void TFormPad::AffTBSmall(MenuItem& sender) {
  const bool small = ToggleTwins(sender, Item("AffSmallItem"), PopupMenuTB.Find("Smallicons1"));
  RefreshMenuBar();
  if (Checked(Item("AffToolBarItem"))) ShowToolBars(!small, small);
}

void TFormPad::TBClick(MenuItem& sender) {
  sender.checked = !sender.checked;
  RefreshMenuBar();
  RepaintToolBars();
}

void TFormPad::SetToolbarButtonEnabled(const std::string& name, bool enabled) {
  ToolBar.SetButtonEnabled(name, enabled);
  ToolBarSmall.SetButtonEnabled(name, enabled);
}

void TFormPad::SetWrapButtonImage(bool wrapOn) {
  const int image = wrapOn ? kImageWrapOn : kImageWrapOff;
  ToolBar.SetButtonImage("ToolButtonWrap", image);
  ToolBarSmall.SetButtonImage("ToolButtonWrapSmall", image);
  ToolBar.SetButtonPressed("ToolButtonWrap", wrapOn);
  ToolBarSmall.SetButtonPressed("ToolButtonWrapSmall", wrapOn);
}

}  // namespace varnock
