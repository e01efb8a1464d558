#pragma once
// The INF skeleton the wizard writes: its answers and the folder look-ups in, lines out.
#include <functional>
#include <string>
#include <vector>

#include "core/wizard/wizard_options.h"

namespace varnock {

// The look-ups the skeleton needs, done by the caller at the time of writing.
struct SkeletonLookups {
  // A catalogue text by message key.
  std::function<std::string(const std::string& key)> message;
  // A shell folder by name, the all-users one when `common` is set ("" when unknown).
  std::function<std::string(const std::string& name, bool common)> shellFolder;
  std::string programFilesDir;
};

struct SkeletonAnswers {
  std::string longName;   // LONG: the display name, as typed
  std::string shortName;  // SHORT: also the INF file's base name
  std::string dest;       // DEST: the destination folder
  std::string destLdid;   // DEST%: DEST in its %NN% form
  std::string destDirId;  // DESTID: DEST in its DestinationDirs form (DEST when none applies)
  WizardOptions options;
  int customCopyCode = 0;      // CheckBox25's destination code
  int customShortcutCode = 0;  // CheckBox45's destination code
};

// The CustomDestination line of a destination code (0 asks the user, with the
// Program Files folder + "\" + SHORT as the proposal).
std::string fCustomDestLine(int code, const std::string& shortName, const SkeletonLookups& lookups);

// The skeleton's lines, first line first.
std::vector<std::string> InfSkeleton(const SkeletonAnswers& answers, const SkeletonLookups& lookups);

// Text for a double-quoted INF field: `"` doubled and `%` doubled, so the setup library
// reads back exactly the text given.
std::string QuotedFieldText(const std::string& text);

}  // namespace varnock
