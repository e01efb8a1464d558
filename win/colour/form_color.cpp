#include "win/colour/form_color.h"

namespace varnock {

bool TFormColor::Create(HWND owner) {
  return CreateWin("TFormColor", "Varnock - Colours selection", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, CW_USEDEFAULT,
                   CW_USEDEFAULT, 383, 358, owner);
}

}  // namespace varnock
