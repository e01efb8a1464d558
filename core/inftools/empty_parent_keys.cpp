#include "core/inftools/empty_parent_keys.h"

#include <algorithm>

#include "core/inftools/line_pattern_index.h"

namespace varnock {

namespace {

std::string KeyOf(const std::string& line) { return line.size() > 2 ? line.substr(1, line.size() - 2) : std::string(); }

}  // namespace

// Why a simulation over original indices is exact: deletions happen only at the
// current index m, which only moves forward, so the list at any moment is the
// original lines before m that survived followed by every original line from m on.
// Current order is therefore original order without the deleted lines, the line after
// the one at m is always the next original line, and "may this line be deleted" does
// not change while it waits for its turn.
std::vector<std::size_t> EmptyParentKeyLinesToDrop(const std::vector<std::string>& lines) {
  const std::size_t count = lines.size();
  std::vector<std::string> patterns;
  std::vector<std::size_t> patternOf(count, static_cast<std::size_t>(-1));
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const std::string key = KeyOf(lines[i]);
    if (key.empty() || lines[i + 1].empty() || lines[i + 1][0] != '[') continue;
    patternOf[i] = patterns.size();
    patterns.push_back(key);
  }
  const std::vector<std::vector<std::size_t>> containing = LinesContainingPatterns(lines, patterns);

  std::vector<bool> deleted(count, false);
  std::vector<std::size_t> dropped;
  std::size_t current = 0;  // original index of the line at index m
  while (current < count) {
    std::size_t from = 0;  // original index where the scan over g stands
    while (patternOf[current] != static_cast<std::size_t>(-1)) {
      const std::vector<std::size_t>& candidates = containing[patternOf[current]];
      auto it = std::lower_bound(candidates.begin(), candidates.end(), from);
      while (it != candidates.end() && (deleted[*it] || lines[*it] == lines[current])) ++it;
      if (it == candidates.end()) break;
      const std::size_t witness = *it;
      deleted[current] = true;
      dropped.push_back(current);
      // g goes on at the position after the witness; a witness after m has moved one
      // place up with the deletion, so that position holds the line two after it.
      from = witness < current ? witness + 1 : witness + 2;
      ++current;  // the line that moved into index m (it exists: it began with "[")
    }
    ++current;
  }
  return dropped;
}

std::vector<std::string> DropEmptyParentKeys(const std::vector<std::string>& lines) {
  const std::vector<std::size_t> dropped = EmptyParentKeyLinesToDrop(lines);
  std::vector<std::string> kept;
  kept.reserve(lines.size() - dropped.size());
  std::size_t next = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (next < dropped.size() && dropped[next] == i) {
      ++next;
      continue;
    }
    kept.push_back(lines[i]);
  }
  return kept;
}

}  // namespace varnock
