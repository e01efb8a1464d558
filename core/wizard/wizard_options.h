#pragma once
// Which of the wizard's option boxes may be used, given the names and the other boxes.
namespace varnock {

struct OptionBox {
  bool enabled = false;
  bool checked = false;
};

struct WizardOptions {
  OptionBox advPack;         // CheckBox05
  OptionBox setupDialog;     // CheckBox10
  OptionBox copyFiles;       // CheckBox20
  OptionBox customCopy;      // CheckBox25
  OptionBox registry;        // CheckBox30
  OptionBox shortcuts;       // CheckBox40
  OptionBox customShortcut;  // CheckBox45
  OptionBox uninstall;       // CheckBox50
  bool pathEnabled = false;  // ButtonPath and EditPath
  bool okEnabled = false;    // BitBtnOK
};

// The boxes that AdvPack, the copy and the shortcuts govern follow them: CheckBox10,
// CheckBox25 and CheckBox45 need AdvPack, CheckBox25 also the copy, CheckBox45 the
// shortcuts; the destination folder needs the copy. A box that ends disabled is unchecked.
void ApplyOptionDependencies(WizardOptions& options);

// After a change of a name field: with either name empty nothing can be chosen; with
// both, the main boxes and OK are enabled and the dependent ones follow their masters
// (typing never re-enables a box its masters keep disabled).
void ApplyNameState(WizardOptions& options, bool bothNamesFilled);

}  // namespace varnock
