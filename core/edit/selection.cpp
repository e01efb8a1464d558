#include "core/edit/selection.h"

#include <algorithm>

namespace varnock {

Selection ClampSelection(Selection selection, std::size_t textLength) {
  const std::size_t start = std::min(selection.start, textLength);
  return {start, std::min(selection.length, textLength - start)};
}

std::string ApplyReplacement(const std::string& text, const TextReplacement& change) {
  const Selection range = ClampSelection({change.start, change.length}, text.size());
  std::string result;
  result.reserve(text.size() - range.length + change.text.size());
  result.append(text, 0, range.start);
  result += change.text;
  result.append(text, range.end(), std::string::npos);
  return result;
}

}  // namespace varnock
