// The entry routine: switches end the process at once; anything else opens a window.
#include <windows.h>

#include <commctrl.h>

#include <exception>

#include "core/app/command_line.h"
#include "win/app/application.h"
#include "win/app/forms.h"
#include "win/app/message_loop.h"

using namespace varnock;

namespace {

int Run() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  App().commandLine = ArgumentText(GetCommandLineA());
  App().title = "Varnock";
  App().helpFile = "Varnock.hlp";
  if (RunStartSwitch(RecogniseSwitch(App().commandLine))) return 0;
  Forms forms;
  if (!forms.Create(SW_SHOWDEFAULT)) return 0;
  RunMessageLoop(forms);
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    return Run();
  } catch (const std::exception& e) {
    MessageBoxA(nullptr, e.what(), "Varnock", MB_OK | MB_ICONERROR);
  } catch (...) {
    MessageBoxA(nullptr, "Unknown exception.", "Varnock", MB_OK | MB_ICONERROR);
  }
  return 0;
}
