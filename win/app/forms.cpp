#include "win/app/forms.h"

#include "win/instances/arrange.h"
#include "win/settings/associations_registry.h"

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
    case StartSwitch::Uninstall: fUninstall(); return true;  // silent: no window to report to
    case StartSwitch::TileVertical: ArrangeCopies(ArrangeKind::TileVertically); return true;
    case StartSwitch::TileHorizontal: ArrangeCopies(ArrangeKind::TileHorizontally); return true;
    case StartSwitch::Cascade: ArrangeCopies(ArrangeKind::Cascade); return true;
  }
  return false;
}

}  // namespace varnock
