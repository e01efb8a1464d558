// The main window's construction steps, in their fixed order.
#include <windows.h>

#include <shellapi.h>

#include "core/app/version_text.h"
#include "win/app/application.h"
#include "win/app/form_pad.h"
#include "win/i18n/message.h"

namespace varnock {

void TFormPad::Construct() {
  documentFolder.clear();
  regFolder.clear();
  languageName.clear();
  shellVerbCaption.clear();
  App().helpFile = ProgramFolder() + "Varnock.hlp";
  recolourPending = false;
  displayFont = labelVideFont;
  DragAcceptFiles(hwnd_, TRUE);
  CheckSetupDLL();  // before the settings, which check a stored library only if found
  ApplyToolbarMode(fLoadSettings());
  FontCheck();
  BuildLanguageMenu();
  StatusLine.SetText(kPanelCaret, fMessage("IS_LINE") + "   " + fMessage("IS_COL"));
  RepaintToolBars();
  wasUnicode = false;
  Rich1.SetModified(false);
  Rich1SelectionChange();
  fRegisterInstance();
  closeOnFirstPaint = false;
  if (!App().commandLine.empty()) {
    Rich1.tag = 0;
    fOpenFile(App().commandLine);
    Rich1.tag = 1;
  } else {
    FileNew();
  }
  const std::string version = fWindowsVersion();
  if (MenuItem* item = Item("sfWinVer")) item->caption = version;
  if (IsWindows9xText(version)) {
    for (const char* name : {"LDID_CU", "LDID_AllU", "LDID53", "LDID16422", "LDID16427"})
      if (MenuItem* item = Item(name)) item->visible = false;
  }
  fRefreshFolderMenus();
  RefreshMenuBar();
}

std::string TFormPad::fWindowsVersion() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // the 148-byte record
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return "";
#pragma GCC diagnostic pop
  return WindowsVersionText({info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber});
}

}  // namespace varnock
