#pragma once
// Test helper: ranges painted in order, as the control would, shown as one letter per
// position:  . text  C comment  X error  S section  E entry
#include <string>
#include <vector>

#include "core/colour/colour_range.h"

namespace varnock::colour_test {

inline std::string RoleLetters(const std::vector<ColourRange>& ranges, std::size_t from, std::size_t length) {
  static const char kLetters[] = {'.', 'C', 'X', 'S', 'E'};
  std::string letters(length, '.');
  for (const ColourRange& r : ranges) {
    for (std::size_t i = r.start; i < r.end(); ++i) {
      if (i >= from && i < from + length) {
        letters[i - from] = kLetters[static_cast<int>(r.role)];
      }
    }
  }
  return letters;
}

}  // namespace varnock::colour_test
