#include "core/wizard/wizard_options.h"

#include <initializer_list>

namespace varnock {

namespace {

void Follow(OptionBox& box, bool enabled) {
  box.enabled = enabled;
  if (!enabled) box.checked = false;
}

}  // namespace

void ApplyOptionDependencies(WizardOptions& o) {
  const bool advPack = o.advPack.checked;
  Follow(o.setupDialog, advPack);
  Follow(o.customCopy, advPack && o.copyFiles.checked);
  Follow(o.customShortcut, advPack && o.shortcuts.checked);
  o.pathEnabled = o.copyFiles.checked;
}

void ApplyNameState(WizardOptions& o, bool bothNamesFilled) {
  OptionBox* all[] = {&o.advPack,  &o.setupDialog, &o.copyFiles,      &o.customCopy,
                      &o.registry, &o.shortcuts,   &o.customShortcut, &o.uninstall};
  if (!bothNamesFilled) {
    for (OptionBox* box : all) Follow(*box, false);
    o.okEnabled = false;
    o.pathEnabled = false;
    return;
  }
  for (OptionBox* box : {&o.advPack, &o.copyFiles, &o.registry, &o.shortcuts, &o.uninstall}) box->enabled = true;
  o.okEnabled = true;
  ApplyOptionDependencies(o);
}

}  // namespace varnock
