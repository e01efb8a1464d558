// The Windows menu: arranging, restoring, starting and closing all copies, and the
// entries that jump to another copy.
#include "core/instances/instance_table.h"
#include "win/app/form_pad.h"
#include "win/instances/arrange.h"
#include "win/instances/instance_profile.h"
#include "win/instances/own_program.h"
#include "win/platform/window_base.h"
#include "win/settings/settings_file.h"
#include "win/settings/settings_lock.h"

namespace varnock {

namespace {

constexpr size_t kFixedEntries = 8;

// A title shown as a menu caption: its ampersands are letters, not accelerators.
std::string MenuText(const std::string& text) {
  std::string result;
  for (char c : text) {
    result += c;
    if (c == '&') result += '&';
  }
  return result;
}

}  // namespace

void TFormPad::BindInstanceCommands() {
  Bind("WinVert", &TFormPad::WinVertClick);
  Bind("WinHori", &TFormPad::WinHoriClick);
  Bind("WinCasc", &TFormPad::WinCascClick);
  Bind("WinBack", &TFormPad::WinBackClick);
  Bind("WinNewW", &TFormPad::WinNewWClick);
  Bind("FileNewVarnock", &TFormPad::WinNewWClick);
  Bind("WinClos", &TFormPad::WinClosClick);
  Bind("WinMenu", &TFormPad::WinMenuClick);
}

void TFormPad::WinMenuClick() {
  MenuItem* menu = Item("WinMenu");
  if (!menu) return;
  const WindowsMenuState state = WindowsMenuFacts(ProfileInstanceStore(SettingsFile()), LiveMainWindows());
  Item("WinBack")->enabled = state.restoreEnabled;
  while (menu->items.size() > kFixedEntries) MainMenu.Remove(*menu->items.back());
  Item("WinNewW")->enabled = state.newCopyEnabled;
  const std::string hint = Item("N17")->hint;
  int index = 0;
  for (WindowId id : state.copies) {
    HWND window = ToHwnd(id);
    MenuItem& entry = MainMenu.Add(menu, "WinVarnock" + std::to_string(++index),
                                   MenuText(CopyEntryCaption(WindowText(window))), hint);
    entry.tag = id;
    entry.checked = window == hwnd_;
    entry.onClick = [this](MenuItem& sender) { WinVarnockClick(sender); };
  }
}

void TFormPad::WinVarnockClick(MenuItem& sender) { SetForegroundWindow(ToHwnd(static_cast<WindowId>(sender.tag))); }

void TFormPad::fArrangeRequest(int kind) {
  {
    SettingsLock lock(SettingsFile());
    ProfileInstanceStore store(SettingsFile());
    SavePositions(store, [](WindowId id) { return NormalRectangle(ToHwnd(id)); });
    store.Write("DontPos", "1");
  }
  StartOwnCopy("/W" + std::to_string(kind));
}

void TFormPad::WinVertClick() { fArrangeRequest(1); }
void TFormPad::WinHoriClick() { fArrangeRequest(2); }
void TFormPad::WinCascClick() { fArrangeRequest(3); }

void TFormPad::WinBackClick() {
  SettingsLock lock(SettingsFile());
  ProfileInstanceStore store(SettingsFile());
  const std::vector<Placement> plan = TakeSavedPositions(store);
  lock.Release();
  const LiveMainWindows live;
  for (const Placement& p : plan) {
    if (!live.IsLive(p.window)) continue;
    HWND window = ToHwnd(p.window);
    if (IsIconic(window) || IsZoomed(window)) ShowWindow(window, SW_SHOWNORMAL);
    SetWindowPos(window, HWND_TOP, p.rect.left, p.rect.top, p.rect.right - p.rect.left, p.rect.bottom - p.rect.top, 0);
    ForceRepaint(window);
  }
}

void TFormPad::WinNewWClick() { StartOwnCopy(""); }

void TFormPad::WinClosClick() {
  {
    SettingsLock lock(SettingsFile());
    ProfileInstanceStore store(SettingsFile());
    store.Write("Destroy", "Now");
  }
  fArrangeRequest(3);
  Close();
}

}  // namespace varnock
