#include "win/app/message_loop.h"

namespace varnock {

void RunMessageLoop(Forms& forms) {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    HWND main = forms.pad.hwnd();
    if (forms.pad.PreTranslateMessage(msg)) continue;
    if (main && forms.pad.Accelerators() && (msg.hwnd == main || IsChild(main, msg.hwnd)) &&
        TranslateAcceleratorA(main, forms.pad.Accelerators(), &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace varnock
