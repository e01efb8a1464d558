#include "win/app/forms.h"

namespace varnock {

bool Forms::Create(int showCommand) {
  if (!pad.Create(showCommand)) return false;
  about.Create(pad.hwnd());
  wizard.Create(pad.hwnd());
  colour.Create(pad.hwnd());
  pad.aboutBox = &about;
  pad.infWizard = &wizard;
  pad.formColor = &colour;
  // The first paint localises all four forms: it runs once they all exist.
  UpdateWindow(pad.hwnd());
  return true;
}

bool RunStartSwitch(StartSwitch which) {
  switch (which) {
    case StartSwitch::None: return false;
    // The uninstall and the arrangement of the running copies have no window of
    // their own: the process ends right after them.
    case StartSwitch::Uninstall:
    case StartSwitch::TileVertical:
    case StartSwitch::TileHorizontal:
    case StartSwitch::Cascade: return true;
  }
  return false;
}

}  // namespace varnock
