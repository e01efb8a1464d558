// First paint, later paints and the close query.
#include <windows.h>

#include <shellapi.h>

#include "win/app/application.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"
#include "win/instances/instance_profile.h"
#include "win/platform/profile.h"
#include "win/platform/prompter.h"
#include "win/settings/settings_file.h"
#include "win/settings/settings_lock.h"

namespace varnock {

void TFormPad::OnPaint() {
  PAINTSTRUCT ps;
  BeginPaint(hwnd_, &ps);
  EndPaint(hwnd_, &ps);
  if (inPaintHandler_) return;  // a box shown by a paint handler repaints the window
  inPaintHandler_ = true;
  if (!painted_) FormPaint1();
  else FormPaint2();
  inPaintHandler_ = false;
}

void TFormPad::FormPaint1() {
  if (!App().commandLine.empty()) {
    App().commandLine.clear();
    Rich1.tag = 0;
    Rich1.SetModified(false);
    SetTitle();
    Rich1.tag = 1;
  }
  painted_ = true;
  fLocaliseForm();
  if (refused) {
    ShowWindow(hwnd_, SW_HIDE);
    ShowMessage(hwnd_, fMessage("FILE_4"), MB_OK | MB_ICONWARNING);
    Rich1.SetModified(false);
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    return;
  }
  if (closeOnFirstPaint) {
    ShowWindow(hwnd_, SW_HIDE);
    Rich1.SetModified(false);
    PostMessageA(hwnd_, WM_CLOSE, 0, 0);
  }
  fRefreshList(hwnd_);
}

void TFormPad::FormPaint2() {
  // One read of the table serves both questions: every paint asks them.
  const ProfileInstanceStore table(SettingsFile());
  if (table.Has("Destroy")) PostMessageA(hwnd_, WM_CLOSE, 0, 0);
  else fTakeInstanceNumber(&table);
}

bool TFormPad::FormClose() {
  if (refused) {
    DragAcceptFiles(hwnd_, FALSE);
    return true;
  }
  if (Rich1.Modified()) {
    const int answer = ShowMessage(hwnd_, fMessage("FILE_SAVING"), MB_YESNOCANCEL | MB_ICONWARNING);
    if (answer == IDYES) FileSave();
    // A save that was cancelled or failed keeps the text and the window, like Cancel.
    if (answer == IDCANCEL || (answer == IDYES && Rich1.Modified())) {
      // Stops a close-all at this window.
      fStopCloseAll();
      fTakeInstanceNumber();
      SetTitle();
      return false;
    }
  }
  // Saving and leaving the instance table run under one hold of the settings lock, so
  // that of several copies closing at once exactly the last one saves; without the lock
  // in time nothing is saved (a close never hangs). The other copies' windows are
  // renumbered only once the lock is given back.
  // After the uninstall nothing of the program is kept, its settings neither.
  const MenuItem* uninstalled = Item("AffUninst");
  const int toolbarMode = ToolbarMode();
  DragAcceptFiles(hwnd_, FALSE);
  fLeaveInstanceTable([&](bool lockHeld) {
    if (lockHeld && (!uninstalled || !uninstalled->checked)) fSaveSettings(toolbarMode);
  });
  return true;
}

void TFormPad::FileExit() { Close(); }

}  // namespace varnock
