#pragma once
// The interface keys of the language file: which control of which form each one
// changes, and what of it. Localisation is this table applied in its order, then the
// copies between controls that mirror each other.
#include <string>
#include <vector>

namespace varnock {

enum class LocForm { Pad, About, Wizard, Colour };

enum class LocTarget {
  Caption,  // a menu entry's caption, a control's text, or (no control) the form's caption
  Hint,
  ShellVerb,           // the caption of the Explorer verb
  Filter,              // a file dialog's filter
  DialogTitle,         // a file dialog's title
  CaptionWithBlank,    // the Windows menu: the value followed by one blank
  CaptionBeforeTitle,  // the about box: the value followed by the program's title
};

struct InterfaceKey {
  std::string key;
  LocForm form;
  std::string control;  // empty: the form itself (or the shell verb)
  LocTarget target;
};

// The interface keys in reading order.
const std::vector<InterfaceKey>& InterfaceKeys();

// One copy of a text between two controls after the keys are applied.
struct LocCopy {
  LocForm toForm;
  std::string toControl;
  LocTarget toWhat;  // Caption or Hint
  LocForm fromForm;
  std::string fromControl;
  LocTarget fromWhat;
};

// The copies in their order (the toolbar buttons' own hints excepted: they follow the
// same menu entries and are copied by the toolbar).
const std::vector<LocCopy>& LocalisationCopies();

// Wizard folder choices: a radio button and the Shell Folders entry beside it.
struct FolderChoice {
  std::string radioButton;
  std::string shellFolderEntry;
};
const std::vector<FolderChoice>& WizardFolderChoices();

// A filter from the language file replaces the built-in one only when it is
// description|pattern pairs, none empty; and, when `requiredPairs` is not 0, exactly
// that many (the save dialog maps its type indexes to extensions).
bool IsUsableFilter(const std::string& filter, int requiredPairs);
// The number of description|pattern pairs of a usable filter.
int FilterPairs(const std::string& filter);

inline constexpr const char* kDefaultShellVerb = "Edit (Varno&ck)";
inline constexpr const char* kAbsentMarker = "#";

}  // namespace varnock
