#include "win/platform/modal_loop.h"

namespace varnock {

void RunModalLoop(HWND dialog, const bool& done) {
  MSG msg;
  while (!done) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (IsDialogMessageA(dialog, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace varnock
