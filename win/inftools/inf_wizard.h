#pragma once
#include "win/platform/named_controls.h"
#include "win/platform/window_base.h"

namespace varnock {

// Created hidden at start-up and kept until the end; shown on demand.
class TInfWizard : public WindowBase {
 public:
  bool Create(HWND owner);
  // Its controls by their names, for localisation and tests.
  NamedControls controls;
};

}  // namespace varnock
