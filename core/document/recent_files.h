#pragma once
// The four most recent files, most recent first, as stored in [OldFiles].
#include <array>
#include <string>

namespace varnock {

using RecentList = std::array<std::string, 4>;  // Old1 .. Old4; empty = no entry

// The list after a name was opened or saved under a new name. Only the top entry is
// compared (a name further down stays, so a name may appear twice); empty values are
// skipped when shifting so the list never holds blank entries. Returns false when
// nothing changes (the name already on top).
bool PushRecent(RecentList& list, const std::string& name);

// "&1 - file.inf": the digit is the entry's keyboard accelerator.
std::string RecentCaption(int position, const std::string& name);

}  // namespace varnock
