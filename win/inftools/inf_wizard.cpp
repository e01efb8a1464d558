#include "win/inftools/inf_wizard.h"

namespace varnock {

bool TInfWizard::Create(HWND owner) {
  return CreateWin("TInfWizard", "Varnock INF file wizard", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, CW_USEDEFAULT,
                   CW_USEDEFAULT, 560, 420, owner);
}

}  // namespace varnock
