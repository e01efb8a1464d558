#pragma once
// The wizard's controls: names, captions, hints and places, and its destination choices.
#include <windows.h>

#include <vector>

namespace varnock {

constexpr int kWizardWidth = 470;
constexpr int kWizardHeight = 357;
constexpr int kPanelIn = 117;   // the panel's top when in sight
constexpr int kPanelOut = 357;  // its top when out of sight
constexpr int kPanelHeight = 240;
constexpr int kPanelStep = 10;       // pixels per tick
constexpr UINT kPanelInterval = 10;  // milliseconds per tick
constexpr UINT_PTR kTimer1 = 1;
constexpr int kShortNameLength = 8;

enum WizardControlId {
  kIdEditNomLong = 1001,
  kIdEditNomCourt,
  kIdButtonPath,
  kIdEditPath,
  kIdBitBtnHelp,
  kIdSpeedButton1,
  kIdPanel,
  kIdCheckBox05 = 1105,
  kIdCheckBox10 = 1110,
  kIdCheckBox20 = 1120,
  kIdCheckBox25 = 1125,
  kIdCheckBox30 = 1130,
  kIdCheckBox40 = 1140,
  kIdCheckBox45 = 1145,
  kIdCheckBox50 = 1150,
  kIdRadioBase = 2000,  // + destination code
};

struct ControlSpec {
  const char* className;
  const char* name;
  const char* caption;
  const char* hint;
  DWORD style;
  int x, y, w, h;
  int id;
};

const std::vector<ControlSpec>& WizardControls();
const std::vector<ControlSpec>& PanelControls();

// A destination radio button, its code and the shell folder it stands for.
struct DestinationChoice {
  const char* radio;
  int code;
  const char* folder;
  bool common;
};

const std::vector<DestinationChoice>& DestinationChoices();

}  // namespace varnock
