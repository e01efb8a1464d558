#pragma once
// The common font dialog with an Apply button. Tests replace it with a hook that
// plays the user.
#include <windows.h>

#include <functional>

#include "core/display/font_spec.h"

namespace varnock {

struct FontDialogRequest {
  HWND owner = nullptr;
  FontSpec font;  // in: the font shown; out: the confirmed one
  // The Apply button, with the font the dialog shows at that moment.
  std::function<void(const FontSpec& font)> apply;
};

// Sizes 6 to 24, existing fonts of the ANSI character set, with colour and effects;
// screen fonts only when no printer is installed. True when the user confirmed.
bool RunFontDialog(FontDialogRequest& request);

using FontDialogHook = std::function<bool(FontDialogRequest& request)>;
// An empty hook restores the real dialog.
void SetFontDialogHook(FontDialogHook hook);

}  // namespace varnock
