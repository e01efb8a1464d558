#include "core/document/recent_files.h"

#include "core/document/save_rules.h"

namespace varnock {

bool PushRecent(RecentList& list, const std::string& name) {
  if (list[0] == name) return false;
  RecentList shifted;
  shifted[0] = name;
  std::size_t next = 1;
  for (const std::string& old : list) {
    if (next == shifted.size()) break;
    if (!old.empty()) shifted[next++] = old;
  }
  list = shifted;
  return true;
}

std::string RecentCaption(int position, const std::string& name) {
  return "&" + std::to_string(position) + " - " + NameWithoutFolder(name);
}

}  // namespace varnock
