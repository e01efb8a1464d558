#pragma once
#include "win/platform/window_base.h"

namespace varnock {

// Created hidden at start-up and kept until the end; shown on demand.
class TAboutBox : public WindowBase {
 public:
  bool Create(HWND owner);
};

}  // namespace varnock
