#include "win/about/about_box.h"

namespace varnock {

bool TAboutBox::Create(HWND owner) {
  return CreateWin("TAboutBox", "A propos", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, CW_USEDEFAULT,
                   CW_USEDEFAULT, 400, 330, owner);
}

}  // namespace varnock
