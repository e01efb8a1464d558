#pragma once
// The program's four windows, created in their fixed order; the first is the main one.
#include <memory>

#include "core/app/command_line.h"
#include "win/about/about_box.h"
#include "win/app/form_pad.h"
#include "win/colour/form_color.h"
#include "win/inftools/inf_wizard.h"

namespace varnock {

struct Forms {
  TFormPad pad;
  TAboutBox about;
  TInfWizard wizard;
  TFormColor colour;
  bool Create(int showCommand);
};

// Carries out a maintenance switch; false when there is none and a window is wanted.
bool RunStartSwitch(StartSwitch which);

}  // namespace varnock
