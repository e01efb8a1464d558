#pragma once
// The common colour dialog, solid colours only. Like a colour dialog component it
// opens with the colour last chosen in it. Tests replace it with a hook.
#include <windows.h>

#include <functional>

namespace varnock {

class ColourDialog {
 public:
  // True when the user confirmed; the chosen colour is then Colour().
  bool Execute(HWND owner);
  COLORREF Colour() const { return colour_; }

 private:
  COLORREF colour_ = 0;
  COLORREF custom_[16] = {};
};

// The hook gets the colour the dialog would open with and returns the user's answer,
// setting the colour on confirmation. An empty hook restores the real dialog.
using ColourDialogHook = std::function<bool(COLORREF& colour)>;
void SetColourDialogHook(ColourDialogHook hook);

}  // namespace varnock
